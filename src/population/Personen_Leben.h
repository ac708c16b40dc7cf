#pragma once
// The person step and the life cycle: happiness, death, estate, dismissal.
// Steps every living person once (the simulation pass).
void PM_Personen_Tick();
// Changes the person's happiness by delta, keeping the clan's happiness figures in step.
void PM_Person_Glueck_chance(int person, int delta);
// Shares a dead person's purse out to the heirs or the clan.
void PM_Erbe_verteilen(int person);
// Clears a dead person's family links.
void PM_Familie_austragen(int person);
// Takes the person out of its workplace.
void PM_Person_entlassen(int person);
