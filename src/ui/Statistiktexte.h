#pragma once
// Texts of the statistics menu, of the interactive edict window and the island
// overview page of the debug view.

// Axis labels, goods-group names and the caption of the chosen series.
void TPU_Statistiktexte(int dx, int dy);
// Title, text, laws and duration choices of edict Edikt.
void TPU_Edikt_Intraktiv_Panel_Text(int dx, int dy, int Edikt);
// Land classes and, per island with clans on it, its size, building permission and the clans.
void TPU_Inseluebersicht();
