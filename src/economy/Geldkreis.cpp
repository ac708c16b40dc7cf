#include "economy/Geldkreis.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "economy/Errungenschaften.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "population/Personen.h"

namespace {

const std::string Kassenloch = " > Geldkreisloch endeckt!";
const std::string Beutelloch = " > Der Person soll gerade mehr Geld abgezogen werden als sie besitzt !";

// The amount moves from one clan's treasury to another's, booked on both clans' account
// with other clans; the milestones are checked for the payer, then the receiver.
void zwischen_Clans(Spielerzeile& a, int zahler, Spielerzeile& b, int empfaenger, int betrag) {
    a.Konto_Spieler() -= betrag;
    b.Konto_Spieler() += betrag;
    a.Gold() -= betrag;
    b.Gold() += betrag;
    ESU_Gold_pruefen(zahler);
    ESU_Gold_pruefen(empfaenger);
}

}  // namespace

void GKU_Goldmine_Ertrag(int clan) {
    Spielerzeile* s = GU_Zeile(clan, "GKU_Goldmine_Ertrag");
    if (!s) return;
    s->Konto_Clan() += GKU_Goldmine_Menge;
    s->Gold() += GKU_Goldmine_Menge;
    SU_Geldmenge_aendern(GKU_Goldmine_Menge);
    ESU_Gold_pruefen(clan);
}

void GKU_Nachlass_an_Spieler(int clan, int betrag) {
    Spielerzeile* s = GU_Zeile(clan, "GKU_Nachlass_an_Spieler");
    if (!s) return;
    s->Gold() += betrag;
    s->Konto_Clan() += betrag;
    ESU_Gold_pruefen(clan);
}

void GKU_ED_von_Person_zu_Spieler(int clan, int person, int betrag) {
    Spielerzeile* s = GU_Zeile(clan, "GKU_ED_von_Person_zu_Spieler");
    Personenzeile* p = PM_Zeile(person, "GKU_ED_von_Person_zu_Spieler");
    if (!s || !p) return;
    s->Konto_Edikt() += betrag;
    s->Gold() += betrag;
    if (betrag > p->Gold()) Fehler_melden("GKU_ED_von_Person_zu_Spieler" + Beutelloch);
    p->Gold() -= betrag;
    ESU_Gold_pruefen(clan);
}

void GKU_Bau_Lohn_sichern(int clan, int betrag) {
    Spielerzeile* s = GU_Zeile(clan, "GKU_Bau_Lohn_sichern");
    if (!s) return;
    if (betrag > s->Gold()) Fehler_melden("GKU_Bau_Lohn_sichern" + Kassenloch);
    s->Konto_Clan() -= betrag;
    s->Gold() -= betrag;
    s->Baulohn_reserviert() += betrag;
    ESU_Gold_pruefen(clan);
}

void GKU_Bau_Lohn_auszahlen(int clan, int person, int betrag) {
    Spielerzeile* s = GU_Zeile(clan, "GKU_Bau_Lohn_auszahlen");
    Personenzeile* p = PM_Zeile(person, "GKU_Bau_Lohn_auszahlen");
    if (!s || !p) return;
    s->Baulohn_reserviert() -= betrag;
    p->Gold() += betrag;
}

void GKU_ED_von_Spieler_zu_Person(int clan, int person, int betrag) {
    Spielerzeile* s = GU_Zeile(clan, "GKU_ED_von_Spieler_zu_Person");
    Personenzeile* p = PM_Zeile(person, "GKU_ED_von_Spieler_zu_Person");
    if (!s || !p) return;
    if (betrag > s->Gold()) Fehler_melden("GKU_ED_von_Spieler_zu_Person" + Kassenloch);
    s->Konto_Edikt() -= betrag;
    s->Gold() -= betrag;
    p->Gold() += betrag;
    ESU_Gold_pruefen(clan);
}

void GKU_von_Spieler_zu_Spieler(int zahler, int empfaenger, int betrag) {
    Spielerzeile* a = GU_Zeile(zahler, "GKU_von_Spieler_zu_Spieler");
    Spielerzeile* b = GU_Zeile(empfaenger, "GKU_von_Spieler_zu_Spieler");
    if (!a || !b) return;
    if (betrag > a->Gold()) Fehler_melden("GKU_von_Spieler_zu_Spieler" + Kassenloch);
    zwischen_Clans(*a, zahler, *b, empfaenger, betrag);
    if (SBGOb) SU_Gold_speichern(empfaenger, betrag);
}

void GKU_von_Person_zu_Spieler(int person, int clan, int betrag) {
    Personenzeile* p = PM_Zeile(person, "GKU_von_Person_zu_Spieler");
    Spielerzeile* s = GU_Zeile(clan, "GKU_von_Person_zu_Spieler");
    if (!s || !p) return;
    if (p->Spieler() == clan)
        s->Konto_Clan() += betrag;
    else
        s->Konto_Spieler() += betrag;
    s->Gold() += betrag;
    if (SBGOb) SU_Gold_speichern(clan, betrag);
    if (betrag > p->Gold()) Fehler_melden("GKU_von_Person_zu_Spieler" + Beutelloch);
    p->Gold() -= betrag;
    ESU_Gold_pruefen(clan);
}

void GKU_Kaufpreis_an_Spieler_zurueck(int verkaeufer, int kaeufer, int betrag) {
    Spielerzeile* a = GU_Zeile(verkaeufer, "GKU_Kaufpreis_an_Spieler_zurueck");
    Spielerzeile* b = GU_Zeile(kaeufer, "GKU_Kaufpreis_an_Spieler_zurueck");
    if (!a || !b) return;
    // The seller was paid this amount: handing it back opens no hole in the circuit, even
    // when the treasury has been spent since and goes below 0 for it.
    zwischen_Clans(*a, verkaeufer, *b, kaeufer, betrag);
}

void GKU_Kaufpreis_an_Person_zurueck(int verkaeufer, int person, int betrag) {
    Spielerzeile* s = GU_Zeile(verkaeufer, "GKU_Kaufpreis_an_Person_zurueck");
    Personenzeile* p = PM_Zeile(person, "GKU_Kaufpreis_an_Person_zurueck");
    if (!s || !p) return;
    // As above: no hole, even when it takes the treasury below 0.
    if (p->Spieler() == verkaeufer)
        s->Konto_Clan() -= betrag;
    else
        s->Konto_Spieler() -= betrag;
    s->Gold() -= betrag;
    p->Gold() += betrag;
    ESU_Gold_pruefen(verkaeufer);
}

void GKU_Lohn_von_Spieler_zu_Person(int person, int clan) {
    Personenzeile* p = PM_Zeile(person, "GKU_Lohn_von_Spieler_zu_Person");
    Spielerzeile* s = GU_Zeile(clan, "GKU_Lohn_von_Spieler_zu_Person");
    if (!s || !p) return;
    if (s->Gold() < 0) Fehler_melden("GKU_von_Spieler_zu_Spieler" + Kassenloch);
    s->Konto_Clan() -= GKU_Lohn;
    s->Gold() -= GKU_Lohn;
    p->Gold() += GKU_Lohn;
    ESU_Gold_pruefen(clan);
}

void GKU_ED_Abgabe_von_Person(int person, int clan) {
    Personenzeile* p = PM_Zeile(person, "GKU_ED_Abgabe_von_Person");
    Spielerzeile* s = GU_Zeile(clan, "GKU_ED_Abgabe_von_Person");
    if (!s || !p) return;
    s->Konto_Edikt() += 1;
    s->Gold() += 1;
    p->Gold() -= 1;
    ESU_Gold_pruefen(clan);
}

void GKU_Geld_verteilen(int betrag, int zahler) {
    if (!GU_Zeile(zahler, "GKU_Geld_verteilen")) return;
    // Members and clans that take a share: every clan that is not wound up.
    std::int64_t mitglieder = 0, clans = 0;
    for (const Spielerzeile& s : Spieler) {
        if (s.Steuerung() == -2) continue;
        mitglieder += s.Mitglieder();
        ++clans;
    }
    // A step whose divisor is 0 is skipped; its amount passes on to the next.
    const std::int64_t anteil = mitglieder > 0 ? Floor_div(betrag, mitglieder) : 0;
    const std::int64_t rest1 = betrag - anteil * mitglieder;
    if (anteil > 0) {
        const int letzte = std::min(Personen_hoechster_Index, static_cast<int>(Personen.size()) - 1);
        for (int i = 0; i <= letzte; ++i) {
            Personenzeile& p = Personen[static_cast<std::size_t>(i)];
            if (p.Hunger() > 0) p.Gold() += static_cast<int>(anteil);
        }
    }
    const std::int64_t clananteil = clans > 0 ? Floor_div(rest1, clans) : 0;
    const std::int64_t rest2 = rest1 - clananteil * clans;
    if (clananteil > 0) {
        for (std::size_t c = 0; c < Spieler.size(); ++c)
            if (Spieler[c].Steuerung() != -2)
                GKU_von_Spieler_zu_Spieler(zahler, static_cast<int>(c), static_cast<int>(clananteil));
    }
    SU_Geldmenge_aendern(-static_cast<int>(rest2));
}
