#pragma once
// Founders, births and naming: filling a new person's row.
// Fills every field of the freshly allocated row of a founder (kind false) or a child of mutter.
void PM_Person_initialisieren(int feld, int person, int mutter, int clan, bool kind);
// Founds the clan's population around its start cell; ends the clan's start phase.
void PM_Startbevoelkerung_anlegen(int feld, int clan);
