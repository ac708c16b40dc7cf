#pragma once
// The person step and the life cycle: the loop that advances every living
// person once per simulation step (birthday, monthly vitality and happiness,
// monthly clan figures, movement, animation), and the life-cycle operations
// other units invoke: happiness, hunger and pension, eating, luxury, the wait
// counter, death with its estate and family clean-up, marriage, the change of
// clan, dismissal from a workplace and the entry as an inhabitant.

// Persons farther than this from a cell are not counted as nearby.
inline constexpr int PM_Naehe = 120;

// Steps every living person once (the simulation pass).
void PM_Personen_Tick();
// The person's bookkeeping of the step: birthday, monthly vitality and happiness, clan figures.
void PM_Person_Tick(int person);
// Ages the person on its own step of the year.
void PM_Geburtstag(int person);
// The monthly change of happiness from vitality, home and edicts.
void PM_Glueck_berechnen(int person);
// Changes the person's happiness by delta (kept within 0..100), keeping the clan's happiness
// figures in step.
void PM_Person_Glueck_chance(int person, int delta);
// True when the person should go and buy food (with the pension edict also when old).
bool PM_Hunger_pruefen(int person);
// The person ate.
void PM_Essen_Vitalitaet(int person);
// The person enjoyed a luxury good sold by the object (the second value is not used).
void PM_Luxus_Glueck(int person, int unbenutzt, int objekt);
// Raises the wait counter by 0..4; true (and the counter back to 0) when it passes the limit.
bool PM_Wartezaehler(int person, int grenze);
// A person whose vitality has run down to 1 dies on a free cell; true when the step is used up.
bool PM_Person_stirbt(int person);
// The woman marries the man and moves into his home, changing to the home owner's clan.
void PM_Heirat(int frau_clan, int neuer_clan, int mann, int frau, int heim);
// The person moves from clan alt to clan neu.
void PM_Clanwechsel(int neu, int alt, int person);
// The person moves into the home: the first closed empty slot opens for it.
void PM_Bewohner_eintragen(int heim, int person);
// Takes the person out of its workplace.
void PM_Person_entlassen(int person);
// Shares a dead person's purse out to the heirs or the clan.
void PM_Erbe_verteilen(int person);
// Clears a dead person's family links.
void PM_Familie_austragen(int person);
// Its children no longer name the dead person as mother or father.
void PM_Eltern_austragen(int person);
// Idle members of the viewed clan without a workplace nearer than PM_Naehe to the cell.
int PM_Arbeitslose_in_Naehe(int feld);
