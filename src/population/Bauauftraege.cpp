#include "population/Personen.h"
#include "population/Bauauftraege.h"

#include <cstddef>
#include <string>

#include "economy/Geldkreis.h"
#include "economy/Haefen.h"
#include "economy/Schiffe.h"
#include "foundation/Bauplaetze.h"
#include "population/Arbeitsauftraege.h"
#include "population/Auftragshilfe.h"
#include "population/Befehlsliste.h"
#include "population/Hafenjobs.h"
#include "population/Personen_Leben.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Personen_Geburt.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"

namespace {

// A copy of the clan's order at the index; false (reported) when there is none.
bool befehl_lesen(int spieler, int index, Job_Befehl& b, const char* routine) {
    if (spieler < 0 || static_cast<std::size_t>(spieler) >= JU_Befehlsliste.size() || index < 0 ||
        index >= JU_Befehlsliste[static_cast<std::size_t>(spieler)].Anzahl) {
        Fehler_melden(std::string(routine) + " > kein Befehl: " + std::to_string(spieler) + "/" +
                      std::to_string(index));
        return false;
    }
    b = JU_Befehlsliste[static_cast<std::size_t>(spieler)].Befehle[static_cast<std::size_t>(index)];
    return true;
}

Job_Befehl& befehl(int spieler, int index) {
    return JU_Befehlsliste[static_cast<std::size_t>(spieler)].Befehle[static_cast<std::size_t>(index)];
}

void auftrag_setzen(int person, int code, int ziel, int zweites_ziel) {
    PM_Ziel_setzen(person, ziel);
    Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    p.Bewegungscounter() = 9;
    p.AuftragID() = code;
    p.Auftragsziel2() = zweites_ziel;
}

Schiff* schiff_zeile(int schiff, const char* routine) {
    if (schiff >= 0 && static_cast<std::size_t>(schiff) < Schiffe.size())
        return &Schiffe[static_cast<std::size_t>(schiff)];
    Fehler_melden(std::string(routine) + " > unbekanntes Schiff: " + std::to_string(schiff));
    return nullptr;
}

// The order and the person who is to take it, and whether the order's cell lies on the
// person's island; nothing (reported) when the order, the person or a cell is missing.
Personenzeile* annehmen_vorbereiten(int spieler, int index, int person, Job_Befehl& b, bool& gleiche_insel,
                                    const char* routine) {
    if (!befehl_lesen(spieler, index, b, routine)) return nullptr;
    Personenzeile* p = PM_Zeile(person, routine);
    if (!p) return nullptr;
    const Kartenfeld* ziel = MG_Zeile(b.Feld, routine);
    const Kartenfeld* hier = MG_Zeile(p->Feld(), routine);
    if (!ziel || !hier) return nullptr;
    gleiche_insel = ziel->Insel() == hier->Insel();
    return p;
}

// Counts the order's counter (Menge or Ware) down by one; at 0 the order is removed.
void herunterzaehlen(int spieler, int index, int Job_Befehl::*zaehler) {
    Job_Befehl& offen = befehl(spieler, index);
    offen.*zaehler -= 1;
    if (offen.*zaehler <= 0) JU_Befehl_entfernen(spieler, index);
}

// Ceiling of a / 2 for a >= 0.
int halbe_aufgerundet(int a) { return (a + 1) / 2; }

}  // namespace

bool JU_Bauauftrag_annehmen(int spieler, int index, int person) {
    Job_Befehl b;
    bool gleich = false;
    Personenzeile* p = annehmen_vorbereiten(spieler, index, person, b, gleich, "JU_Bauauftrag_annehmen");
    if (!p || !gleich) return false;
    GU_Arbeit_B_plus(person);
    GKU_Bau_Lohn_auszahlen(spieler, person, b.Lohn);
    const int letzte = SBU_Bauplatz_Felderzahl(b.Typ);
    int ziel = b.Feld;
    for (int i = 0; i <= letzte; ++i) {
        ziel = b.Feld + SBU_Bauplatz_Feld_Versatz(b.Typ, i);
        if (MG_Feld_gueltig(ziel) && Karte[static_cast<std::size_t>(ziel)].Block() == 0) break;
    }
    auftrag_setzen(person, JU_Auftrag_Bauen, ziel, b.Typ);
    p->WarenID() = b.Feld;
    JU_Befehl_entfernen(spieler, index);
    return true;
}

bool JU_Materialauftrag_annehmen(int spieler, int index, int person) {
    Job_Befehl b;
    bool gleich = false;
    Personenzeile* p = annehmen_vorbereiten(spieler, index, person, b, gleich, "JU_Materialauftrag_annehmen");
    if (!p || !gleich || !GU_Zeile(spieler, "JU_Materialauftrag_annehmen")) return false;
    const int baustelle = Karte[static_cast<std::size_t>(b.Feld)].Objekt();
    if (!OM_Zeile(baustelle, "JU_Materialauftrag_annehmen")) return false;
    const int feld = JU_Lieferant_suchen(baustelle, b.Ware, true);
    if (feld == -1) return false;
    const int s = Karte[static_cast<std::size_t>(feld)].Objekt();
    if (!OM_Zeile(s, "JU_Materialauftrag_annehmen")) return false;
    const int verkaeufer = Objekte[static_cast<std::size_t>(s)].Besitzer();
    const int preis = GU_Warenwert(verkaeufer, b.Ware);
    if (!(preis < Spieler[static_cast<std::size_t>(spieler)].Gold() - 1)) return false;
    // The search found only a seller a carrier can walk to from the site: a walled-in site
    // finds none, and its order waits until a way opens.
    GKU_von_Spieler_zu_Spieler(spieler, verkaeufer, preis);
    if (p->Glueck() > 0 && p->Spieler() != verkaeufer) PM_Person_Glueck_chance(person, -1);
    OM_Ware_reservieren(b.Ware, s);
    GKU_Lohn_von_Spieler_zu_Person(person, spieler);
    GU_Arbeit_B_plus(person);
    auftrag_setzen(person, JU_Auftrag_Material, feld, b.Feld);
    p->WarenID() = b.Ware;
    p->Kauf_offen(preis, verkaeufer);
    herunterzaehlen(spieler, index, &Job_Befehl::Menge);
    return true;
}

bool JU_Befehl_Hafen(int spieler, int index, int person) {
    Job_Befehl b;
    bool gleich = false;
    Personenzeile* p = annehmen_vorbereiten(spieler, index, person, b, gleich, "JU_Befehl_Hafen");
    if (!p || gleich) return false;
    if (p->PartnerID() != -1) return false;
    // Ships take passengers only from their owner's harbours: the settler goes to one of its own clan.
    const int feld = Hafen_naechster_auf_Insel(p->Feld(), spieler);
    if (feld == -1) return false;
    GU_Arbeitslos_plus(person);
    auftrag_setzen(person, JU_Auftrag_Hafen_Reise, feld, b.Feld);
    herunterzaehlen(spieler, index, &Job_Befehl::Ware);
    return true;
}

void JU_Bauauftrag_zurueck(int spieler, int anker, int typ) {
    // Its wage was paid to the builder who took it.
    if (BPU_Bauplatz_geplant(anker, typ)) JU_Befehl_eintragen(JU_Bauen, spieler, anker, typ, 0, 0, 0);
}

void JU_Siedler_zurueck(int hafenfeld) {
    const int o = MG_Feld_gueltig(hafenfeld) ? Karte[static_cast<std::size_t>(hafenfeld)].Objekt() : -1;
    if (!OM_Objekt_gueltig(o) || Objekte[static_cast<std::size_t>(o)].Feld() != hafenfeld) return;
    const int clan = Objekte[static_cast<std::size_t>(o)].Besitzer();
    // A settler request counts its settlers in the ware field.
    if (Job_Befehl* b = JU_Befehl_finden(clan, JU_Siedler, hafenfeld))
        b->Ware += 1;
    else
        JU_Befehl_eintragen(JU_Siedler, clan, hafenfeld, Objekte[static_cast<std::size_t>(o)].Typ(), 1, -1,
                            hafenfeld);
}

bool JU_Schiff_beladen(int schiff) {
    Schiff* s = schiff_zeile(schiff, "JU_Schiff_beladen");
    if (!s) return false;
    for (int h = 0; h <= Hafen_Ende && static_cast<std::size_t>(h) < Haefen.size(); ++h) {
        const Hafen_inhalte& hafen = Haefen[static_cast<std::size_t>(h)];
        if (!OM_Objekt_gueltig(hafen.Objekt) ||
            Objekte[static_cast<std::size_t>(hafen.Objekt)].Besitzer() != s->Besitzer)
            continue;
        for (int i = 0; i < hafen.Anzahl && static_cast<std::size_t>(i) < hafen.Passagiere.size(); ++i) {
            const int q = hafen.Passagiere[static_cast<std::size_t>(i)];
            Personenzeile* p = PM_Zeile(q, "JU_Schiff_beladen");
            if (!p || p->WarenID() != 0) continue;
            p->WarenID() = 1;
            s->Ziel = p->Feld();
            s->Naechstes_Ziel = p->Auftragsziel2();
            s->Ladung = q;
            s->Auftrag = 3;
            return true;
        }
    }
    return false;
}

bool JU_Hafenjob_vergeben(int schiff) {
    Schiff* s = schiff_zeile(schiff, "JU_Hafenjob_vergeben");
    if (!s) return false;
    HJU_Hafenjobs_erstellen(s->Besitzer);
    const int ware = HJU_Naechster_Hafenjob();
    const bool gewaehlt = ware >= 1 && static_cast<std::size_t>(ware) <= Hafenjob_Liste.size();
    const Hafenjob job = gewaehlt ? Hafenjob_Liste[static_cast<std::size_t>(ware - 1)] : Hafenjob{};
    // A need of 10 means no harbour recorded itself as the target.
    if (!gewaehlt || job.Bedarf >= 10 || !OM_Objekt_gueltig(job.Quellhafen) ||
        !OM_Objekt_gueltig(job.Zielhafen)) {
        HJU_Zuruecksetzen();
        return false;
    }
    const int menge = halbe_aufgerundet(job.Ueberschuss - job.Bedarf);
    s->Ladungsmenge = menge;
    s->Ziel = Objekte[static_cast<std::size_t>(job.Quellhafen)].Feld();
    s->Naechstes_Ziel = Objekte[static_cast<std::size_t>(job.Zielhafen)].Feld();
    s->Warten = 3;
    s->Ladung = ware;
    s->Auftrag = 1;
    for (int i = 0; i < menge; ++i) OM_Ware_reservieren(ware, job.Quellhafen);
    for (int i = 0; i < menge; ++i) OM_Ware_wird_nun_besorgt(ware, job.Zielhafen);
    HJU_Zuruecksetzen();
    return true;
}

void JU_Pflanze_Auftrag_beenden(int ware, int pflanzenfeld, int gebaeudefeld) {
    Kartenfeld* k = MG_Zeile(pflanzenfeld, "JU_Pflanze_Auftrag_beenden");
    if (k) {
        k->Block() = -1;
        k->Ambiente() = -1;
    }
    const Kartenfeld* g = MG_Zeile(gebaeudefeld, "JU_Pflanze_Auftrag_beenden");
    if (g && OM_Zeile(g->Objekt(), "JU_Pflanze_Auftrag_beenden"))
        WarenAnschaffungsauftragentfernen(ware, g->Objekt());
}
