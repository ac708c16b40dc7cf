#pragma once
// Hover and click handling of the in-game windows drawn in code: goods grid,
// statistics menu, build window and the interactive edict window. Each takes
// klick (false on the per-frame hover pass), tests its boxes in window-centred
// mouse coordinates, sets the tooltip selection and on a click carries out the
// choice; each returns true when the mouse was over one of its boxes.

bool MO_Warenraster_waehlen(bool klick);
bool MO_Statmenu_Waren_waehlen(bool klick);
bool MO_Statmenu_Gruppe_waehlen(bool klick);
bool MO_Baumenue_waehlen(bool klick);
bool IFU_Edikt_Intraktiv_Mouse_over(bool klick);

// The column spacing of a goods grid of f full columns and r cells in a last
// one; 0 when all cells stand in one column. The drawer uses the same.
int IFU_Warenraster_Abstand(int f, int r);
