#pragma once
// Founders, births and naming: filling a new person's row.
// Fills every field of the freshly allocated row of a founder (kind false) or a child of mutter.
void PM_Person_initialisieren(int feld, int person, int mutter, int clan, bool kind);
