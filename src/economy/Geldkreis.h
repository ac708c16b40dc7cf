#pragma once
// The money circuit: every movement of gold between treasuries, purses, the
// construction wage reserves and the clans' savings. Each transfer takes the
// same amount out of one holder and puts it into another, booking it on one of
// the clan's three accounts; a shortfall is reported and booked in full all the
// same. New gold enters only through gold mines.

// Yield of one gold-mine delivery and the wage of one work order.
inline constexpr int GKU_Goldmine_Menge = 10;
inline constexpr int GKU_Lohn = 1;

void GKU_Goldmine_Ertrag(int clan);
// A dead person's purse (already set to 0 by the caller) goes to the clan.
void GKU_Nachlass_an_Spieler(int clan, int betrag);
void GKU_ED_von_Person_zu_Spieler(int clan, int person, int betrag);
// Moves a site's cost from the treasury into the construction wage reserve.
void GKU_Bau_Lohn_sichern(int clan, int betrag);
// Pays a building order's wage out of the reserve.
void GKU_Bau_Lohn_auszahlen(int clan, int person, int betrag);
void GKU_ED_von_Spieler_zu_Person(int clan, int person, int betrag);
void GKU_von_Spieler_zu_Spieler(int zahler, int empfaenger, int betrag);
void GKU_von_Person_zu_Spieler(int person, int clan, int betrag);
// The price of a purchase that was given up before the unit was taken goes back the way
// it came, from the clan that was paid: to the buying clan (the reverse of
// GKU_von_Spieler_zu_Spieler) or to the buying person's purse (the reverse of
// GKU_von_Person_zu_Spieler). What the purchase put into the seller's savings stays saved.
void GKU_Kaufpreis_an_Spieler_zurueck(int verkaeufer, int kaeufer, int betrag);
void GKU_Kaufpreis_an_Person_zurueck(int verkaeufer, int person, int betrag);
// One gold of wage from the clan to the person.
void GKU_Lohn_von_Spieler_zu_Person(int person, int clan);
// One gold of levy from the person to the clan.
void GKU_ED_Abgabe_von_Person(int person, int clan);
// Shares betrag out equally to the living persons, the remainder to the clans that are not
// wound up; the last rest leaves circulation. The caller empties the payer's treasury after.
void GKU_Geld_verteilen(int betrag, int zahler);
