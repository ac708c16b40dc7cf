#pragma once
// Founders, births and naming: filling a new person's row, founding a clan's
// population, the birth conditions and the inheritance of skills, gold and
// family name.

// Fills every field of the freshly allocated row of a founder (kind false) or a child of mutter.
void PM_Person_initialisieren(int feld, int person, int mutter, int clan, bool kind);
// Founds the clan's population around its start cell; ends the clan's start phase.
void PM_Startbevoelkerung_anlegen(int feld, int clan);
// The sex of a new person: new persons alternate man, woman, man... over the whole world.
int PM_Geschlecht_naechstes();
// Gives the person the next sex and counts it in the clan (a woman enters the single women).
void PM_Geschlecht_setzen(int clan, int person);
// A married woman in her home bears a child when the conditions hold; true when one was born.
bool PM_Kind_gebaeren(int frau);
bool PM_Kann_gebaeren(int frau);
// Links the child to its mother and her partner.
void PM_Kind_eintragen(int mutter, int kind);
