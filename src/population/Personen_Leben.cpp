#include "population/Personen_Leben.h"

#include <algorithm>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Geldkreis.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Geometrie.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "population/Personenindex.h"
#include "population/Personennamen.h"
#include "platform/base/Zufall.h"
#include "population/Animation.h"
#include "population/Arbeitsamt.h"
#include "population/Edikte.h"
#include "population/Personen.h"
#include "economy/Errungenschaften.h"
#include "economy/KI.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Bewegung.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "population/Jobarchiv.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"
#include "world/Karte.h"

namespace {

Personenzeile& zeile(int p) { return Personen[static_cast<std::size_t>(p)]; }

Personenzeile* lebende(int person, const char* routine) {
    if (PM_Person_lebt(person)) return &zeile(person);
    Fehler_melden(std::string(routine) + " > keine lebende Person: " + std::to_string(person));
    return nullptr;
}

Spielerzeile* clan_von(const Personenzeile& p, const char* routine) {
    if (GU_Clan_gueltig(p.Spieler())) return &Spieler[static_cast<std::size_t>(p.Spieler())];
    Fehler_melden(std::string(routine) + " > unbekannter Clan: " + std::to_string(p.Spieler()));
    return nullptr;
}

bool kinderplatz_frei(const Personenzeile& p) {
    for (int k = 0; k < 5; ++k)
        if (p.KindID(k) == -1) return true;
    return false;
}

// The monthly figures the clan evaluation reads.
void monatszahlen(int person) {
    Personenzeile& p = zeile(person);
    Spielerzeile* s = clan_von(p, "PM_Person_Tick");
    if (!s) return;
    s->Vermoegen() += p.Gold();
    if (p.Geschlecht() != 2) return;
    if (p.PartnerID() != -1) {
        s->Frauen_mit_Partner() += 1;
        if (PM_Person_gueltig(p.PartnerID()) && p.Gold() + zeile(p.PartnerID()).Gold() > 100)
            s->Frauen_Paar_reich() += 1;
    }
    if (p.AuftragID() == 0) s->Frauen_untaetig() += 1;
    if (kinderplatz_frei(p)) s->Frauen_Kinderplatz() += 1;
}

// The movement and animation of a person who only counts in this step: the movement
// counter still running down (a walker wears its path on the way as it goes) or, idle,
// the waiting counter that cannot pass its limit with this draw, and the animation
// staying in its group. It does what the full way does for such a person, without its
// many checks; false (nothing done) for every other person.
bool nur_zaehlen(int person, Personenzeile& p) {
    if (p.Hunger() < 1) return false;
    const int bild = AU_Bild_in_der_Gruppe(p.AnimationID());
    if (bild < 0 || !MG_Feld_gueltig(p.Feld())) return false;
    if (p.AuftragID() >= 1) {
        if (p.Bewegungscounter() <= 0) return false;
        const bool unterwegs = p.Feld() != p.Zielfeld();
        if (unterwegs && !MG_Feld_gueltig(p.Zielfeld())) return false;
        p.Bewegungscounter() -= 1;
        if (unterwegs) SLB_Trampelpfad(person);
    } else if (p.AuftragID() == 0) {
        // The draw adds at most 4.
        if (p.Wartezaehler() > 398 - 4) return false;
        p.Wartezaehler() += Random(5);
    } else {
        return false;
    }
    p.AnimationID() = bild;
    return true;
}

}  // namespace

void PM_Personen_Tick() {
    const int bis = Personen_hoechster_Index;
    for (int p = 0; p <= bis && PM_Person_gueltig(p); ++p) {
        if (zeile(p).Hunger() <= 0) continue;
        if (JA_Schnellwege) {
            // The person's own tick does nothing on most steps: no birthday, no month's work.
            const Personenzeile& q = zeile(p);
            if (Monatsschritt == 0 || Monatsflag || q.Geburtstag() == Jahresschritt) PM_Person_Tick(p);
            if (nur_zaehlen(p, zeile(p))) continue;
        } else {
            PM_Person_Tick(p);
        }
        BU_Person_bewegen(p);
        if (PM_Person_lebt(p)) AU_Person_animieren(p);
    }
}

void PM_Person_Tick(int person) {
    if (!lebende(person, "PM_Person_Tick")) return;
    PM_Geburtstag(person);
    if (Monatsschritt == 0) {
        Personenzeile& p = zeile(person);
        if (p.Hunger() > 1) p.Hunger() -= 1;
        PM_Glueck_berechnen(person);
    }
    if (Monatsflag) monatszahlen(person);
}

void PM_Geburtstag(int person) {
    Personenzeile* p = lebende(person, "PM_Geburtstag");
    if (!p || p->Geburtstag() != Jahresschritt) return;
    p->Alter() += 1;
    WAlt += 1;
    if (Spielerzeile* s = clan_von(*p, "PM_Geburtstag")) s->Alter_Summe() += 1;
    ESU_Personen_pruefen(person);
    if (p->Alter() >= 101) GUI_Info_add(280, p->Feld(), "");
}

void PM_Glueck_berechnen(int person) {
    Personenzeile* p = lebende(person, "PM_Glueck_berechnen");
    if (!p) return;
    int d = 0;
    if (p->Hunger() > 75)
        d += 1;
    else if (p->Hunger() < 50)
        d -= 1;
    d += EDU_Glueck_Edikt_D(person);
    d += EDU_Glueck_Edikt_C(person);
    const int heim = p->HeimID();
    if (heim >= 0 && !OM_Objekt_gueltig(heim))
        Fehler_melden("PM_Glueck_berechnen > unbekanntes Heim: " + std::to_string(heim));
    if (OM_Objekt_gueltig(heim)) {
        d += EDU_Glueck_Wohnen(person);
        d += OM_Hausneid_Verrechnen(heim);
    } else {
        d -= Hausneid;
    }
    d += EDU_Glueck_Edikt_B(person);
    d += EDU_Glueck_Edikt_A(person);
    PM_Person_Glueck_chance(person, d);
}

void PM_Person_Glueck_chance(int person, int delta) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PM_Person_Glueck_chance > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = zeile(person);
    if (p.Hunger() < 1) {
        Fehler_melden("PM_Person_Glueck_chance versucht bei TOTE Person zu arbeiten: " +
                      std::to_string(person));
        return;
    }
    GU_Zufriedenheit_aendern(p.Spieler(), p.Glueck(), false);
    p.Glueck() = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{p.Glueck()} + delta, 0, 100));
    GU_Zufriedenheit_aendern(p.Spieler(), p.Glueck(), true);
}

bool PM_Hunger_pruefen(int person) {
    Personenzeile* p = lebende(person, "PM_Hunger_pruefen");
    if (!p || p->Hunger() >= 75) return false;
    if (p->Alter() < 50 + Random(20)) return true;
    Spielerzeile* s = clan_von(*p, "PM_Hunger_pruefen");
    if (s && s->Edikt_Rente() == 1 && s->Gold() >= 101 && p->Alter() < 85) {
        GKU_ED_von_Spieler_zu_Person(p->Spieler(), person, 1);
        return true;
    }
    return false;
}

void PM_Essen_Vitalitaet(int person) {
    Personenzeile* p = lebende(person, "PM_Essen_Vitalitaet");
    if (!p) return;
    if (p->Alter() >= 101) {
        p->Hunger() = 8;
        return;
    }
    p->Hunger() += 50;
    if (p->Hunger() < 76) p->Hunger() = 80;
}

void PM_Luxus_Glueck(int person, int, int objekt) {
    if (!lebende(person, "PM_Luxus_Glueck")) return;
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("PM_Luxus_Glueck > unbekanntes Objekt: " + std::to_string(objekt));
        return;
    }
    const bool eigenes = Objekte[static_cast<std::size_t>(objekt)].Besitzer() == zeile(person).Spieler();
    PM_Person_Glueck_chance(person, eigenes ? 10 : -10);
}

bool PM_Wartezaehler(int person, int grenze) {
    Personenzeile* p = lebende(person, "PM_Wartezaehler");
    if (!p) return false;
    p->Wartezaehler() += Random(5);
    if (p->Wartezaehler() <= grenze) return false;
    p->Wartezaehler() = 0;
    return true;
}

bool PM_Person_stirbt(int person) {
    Personenzeile* p = lebende(person, "PM_Person_stirbt");
    if (!p || p->Hunger() != 1) return false;
    const int feld = p->Feld();
    if (!MG_Feld_gueltig(feld) || Karte[static_cast<std::size_t>(feld)].Block() != -1)
        return BU_Freien_Platz_aufsuchen(person);
    WU_Wachstumsauftrag_hinzufuegen(8, 0, feld, p->Spieler(), p->Geschlecht(), -1);
    PM_Person_entlassen(person);
    IndexU_Item_Delet(1, 0, person);
    PM_Person_loeschen(person);
    return true;
}

void PM_Erbe_verteilen(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PM_Erbe_verteilen > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = zeile(person);
    const int geld = p.Gold();
    const int clan = p.Spieler();
    if (geld < 0 || !GU_Clan_gueltig(clan)) return;

    std::vector<int> erben;
    for (int f = 27; f <= 34; ++f) {
        const int e = p.feld(f);
        if (e != -1 && e != person && PM_Person_lebt(e)) erben.push_back(e);
    }
    if (erben.empty()) {
        const int m = Spieler[static_cast<std::size_t>(clan)].Mitglieder();
        if (m < 1) {
            Spieler[static_cast<std::size_t>(clan)].Gold() += geld;
            p.Gold() = 0;
            return;
        }
        for (int i = 0; i <= Personen_hoechster_Index && PM_Person_gueltig(i); ++i)
            if (i != person && PM_Person_lebt(i) && zeile(i).Spieler() == clan) erben.push_back(i);
        // Only the members actually paid count, so no gold is lost or made when the count is off.
        const int anteil = static_cast<int>(Floor_div(geld, m));
        for (int e : erben) zeile(e).Gold() += anteil;
        p.Gold() = 0;
        GKU_Nachlass_an_Spieler(clan, geld - anteil * static_cast<int>(erben.size()));
        return;
    }
    const int n = static_cast<int>(erben.size());
    const int anteil = static_cast<int>(Floor_div(geld, n));
    for (int e : erben) zeile(e).Gold() += anteil;
    p.Gold() = 0;
    GKU_Nachlass_an_Spieler(clan, geld - anteil * n);
}

void PM_Familie_austragen(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PM_Familie_austragen > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = zeile(person);
    for (int elternteil : {p.MutterID(), p.VaterID()}) {
        if (!PM_Person_gueltig(elternteil)) continue;
        for (int k = 0; k < 5; ++k)
            if (zeile(elternteil).KindID(k) == person) zeile(elternteil).KindID(k) = -1;
    }
    if (PM_Person_gueltig(p.PartnerID()) && zeile(p.PartnerID()).PartnerID() == person)
        zeile(p.PartnerID()).PartnerID() = -1;
    p.PartnerID() = -1;
    PM_Eltern_austragen(person);
}

void PM_Eltern_austragen(int person) {
    if (!PM_Person_gueltig(person)) return;
    Personenzeile& p = zeile(person);
    for (int k = 0; k < 5; ++k) {
        const int kind = p.KindID(k);
        if (!PM_Person_gueltig(kind)) continue;
        if (zeile(kind).MutterID() == person) zeile(kind).MutterID() = -1;
        if (zeile(kind).VaterID() == person) zeile(kind).VaterID() = -1;
    }
}

void PM_Heirat(int frau_clan, int neuer_clan, int mann, int frau, int heim) {
    if (!lebende(mann, "PM_Heirat") || !lebende(frau, "PM_Heirat")) return;
    if (frau_clan != neuer_clan) PM_Clanwechsel(neuer_clan, frau_clan, frau);
    NGU_Namen_kopieren(frau, mann);
    zeile(frau).PartnerID() = mann;
    zeile(mann).PartnerID() = frau;
    PM_Bewohner_eintragen(heim, frau);
}

void PM_Clanwechsel(int neu, int alt, int person) {
    if (neu == alt) return;
    Personenzeile* p = lebende(person, "PM_Clanwechsel");
    if (!p) return;
    if (!GU_Clan_gueltig(neu) || !GU_Clan_gueltig(alt)) {
        Fehler_melden("PM_Clanwechsel > unbekannter Clan: " + std::to_string(neu) + "/" +
                      std::to_string(alt));
        return;
    }
    GU_Zufriedenheit_aendern(alt, p->Glueck(), false);
    if (neu == SpielerID) GUI_Info_add(254, p->Feld(), NGU_Personenname(person));
    if (alt == SpielerID) GUI_Info_add(253, p->Feld(), NGU_Personenname(person));
    PM_Person_entlassen(person);
    GU_Zaehler_uebertragen(alt, neu, Spielerzeile::Nr_Mitglieder);
    GU_Zaehler_uebertragen(alt, neu, Spielerzeile::Nr_Arbeitslose);
    GU_Clan_leer_pruefen(alt);
    p->Spieler() = neu;
    p->Bewegungscounter() = 19;
    AU_Animation_stehen(person);
    Spieler[static_cast<std::size_t>(alt)].Alter_Summe() -= p->Alter();
    Spieler[static_cast<std::size_t>(neu)].Alter_Summe() += p->Alter();
    GU_Zaehler_uebertragen(alt, neu,
                           p->Geschlecht() == 2 ? Spielerzeile::Nr_Frauen : Spielerzeile::Nr_Maenner);
    GU_Zufriedenheit_aendern(neu, p->Glueck(), true);
    BMU_Stufe_aktualisieren(neu);
}

void PM_Bewohner_eintragen(int heim, int person) {
    if (!PM_Person_gueltig(person) || heim < 0 || static_cast<std::size_t>(heim) >= OB_Slots.size()) {
        Fehler_melden("PM_Bewohner_eintragen > unbekanntes Heim oder unbekannte Person: " +
                      std::to_string(heim) + "/" + std::to_string(person));
        return;
    }
    for (OB_Slot& s : OB_Slots[static_cast<std::size_t>(heim)]) {
        if (s.Status == -1 && s.Person == -1) {
            s = {0, person};
            zeile(person).HeimID() = heim;
            return;
        }
    }
}

void PM_Person_entlassen(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PM_Person_entlassen > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = zeile(person);
    if (p.AuftragID() != 0) Fehler_melden("Eine Person, die in diesen moment arbeitet wurde entlassen ");
    const int o = p.ArbeitsplatzID();
    if (o < 0) return;
    if (o >= 0 && static_cast<std::size_t>(o) < OB_Slots.size()) {
        for (int k = 0; k <= OB_MaxSlot; ++k) {
            if (!OB_Slot_offen(o, k) || OB_Arbeiter_des_Slots(o, k) != person) continue;
            OB_Arbeiter_austragen(o, k);
            if (OB_Anzahl_freie_Slots(o) == 1 && OM_Objekt_gueltig(o))
                AAU_Stelle_eintragen(Objekte[static_cast<std::size_t>(o)].Besitzer(), o);
            break;
        }
    } else {
        Fehler_melden("PM_Person_entlassen > unbekannter Arbeitsplatz: " + std::to_string(o));
    }
    // Also without a slot of its own: a workplace that does not hold the person is none.
    p.ArbeitsplatzID() = -1;
    if (p.AuftragID() == 0) {
        IndexU_Item_Delet(4, 0, person);
        IndexU_Item_Add(1, 0, person);
    }
}

int PM_Arbeitslose_in_Naehe(int feld) {
    int n = 0;
    for (int i = 0; i <= Personen_hoechster_Index && PM_Person_gueltig(i); ++i) {
        const Personenzeile& p = zeile(i);
        if (p.Hunger() >= 1 && p.Spieler() == SpielerID && p.AuftragID() == 0 && p.ArbeitsplatzID() == -1 &&
            p.Arbeiter_Indexplatz() != -1 && FFU_Distanz(p.Feld(), feld) < PM_Naehe)
            ++n;
    }
    return n;
}
