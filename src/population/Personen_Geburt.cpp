#include "population/Personen_Geburt.h"

#include <array>
#include <utility>

#include "economy/Baumenue.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "population/Personenindex.h"
#include "population/Personennamen.h"
#include "foundation/Seams.h"
#include "platform/base/Zufall.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "population/Personen_Leben.h"
#include "economy/Errungenschaften.h"
#include "economy/KI.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Bewegung.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"
#include "world/Karte.h"

namespace {

constexpr int Startgold = 100;
constexpr int Kindergeld_der_Eltern = 100;
constexpr int Kind_Alter = 10;
// The spiral search for a free cell within radius 25.
constexpr int Suchmodus_freies_Feld = 30;

Personenzeile& zeile(int p) { return Personen[static_cast<std::size_t>(p)]; }

// The living partner of a person, or -1.
int partner(const Personenzeile& p) { return PM_Person_lebt(p.PartnerID()) ? p.PartnerID() : -1; }

// The child's three skill slots from its parents' skills: 30 % of each parent's level, a skill
// both parents have counted once with both shares, the three highest kept.
void skills_erben(Personenzeile& kind, int mutter, int vater) {
    struct Paar {
        int skill, level;
    };
    std::array<Paar, 6> paare{};
    int n = 0, von_mutter = 0;
    for (int elternteil : {mutter, vater}) {
        if (elternteil == vater) von_mutter = n;
        if (!PM_Person_gueltig(elternteil)) continue;
        Personenzeile& e = zeile(elternteil);
        for (int k = 0; k < 3; ++k) {
            const Paar neu{e.Skill_ID(k),
                           static_cast<int>(Floor_div(static_cast<std::int64_t>(e.Skill_Level(k)) * 3, 10))};
            bool doppelt = false;
            if (elternteil == vater && neu.skill >= 0) {
                for (int i = 0; i < von_mutter && !doppelt; ++i) {
                    if (paare[static_cast<std::size_t>(i)].skill == neu.skill) {
                        paare[static_cast<std::size_t>(i)].level += neu.level;
                        doppelt = true;
                    }
                }
            }
            if (!doppelt) paare[static_cast<std::size_t>(n++)] = neu;
        }
    }
    // Highest level first; equal levels keep their order.
    for (int runde = 0; runde < n; ++runde)
        for (int i = 0; i + 1 < n; ++i)
            if (paare[static_cast<std::size_t>(i)].level < paare[static_cast<std::size_t>(i) + 1].level)
                std::swap(paare[static_cast<std::size_t>(i)], paare[static_cast<std::size_t>(i) + 1]);
    for (int k = 0; k < 3; ++k) {
        const Paar p = k < n ? paare[static_cast<std::size_t>(k)] : Paar{-1, -1};
        const bool gut = p.level >= 1;
        kind.Skill_ID(k) = gut ? p.skill : -1;
        kind.Skill_Level(k) = gut ? p.level : -1;
    }
}

// The schooling edict: the clan pays 10 gold into its fund and every inherited skill gains 10
// levels; a clan with 9 gold or less loses the edict.
void schulbildung(Personenzeile& kind, int clan) {
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    if (s.Edikt_Schulbildung() != 1) return;
    if (s.Gold() <= 9) {
        s.Edikt_Schulbildung() = 0;
        return;
    }
    s.Gold() -= 10;
    s.Gemeinschaftskasse() += 10;
    for (int k = 0; k < 3; ++k)
        if (kind.Skill_ID(k) != -1) kind.Skill_Level(k) += 10;
}

// The parents pay the child's purse: their purses are pooled, the child's share is taken out
// and the rest is split, the father getting the smaller half.
void gold_der_eltern(int mutter, int vater) {
    Personenzeile& m = zeile(mutter);
    if (vater < 0) {
        m.Gold() -= Kindergeld_der_Eltern;
        return;
    }
    Personenzeile& v = zeile(vater);
    const int summe = m.Gold() + v.Gold() - Kindergeld_der_Eltern;
    v.Gold() = static_cast<int>(Floor_div(summe, 2));
    m.Gold() = summe - v.Gold();
}

void familienname(int person, int clan, bool kind) {
    if (!kind) {
        NGU_Namensart_Clan(person);
        return;
    }
    switch (EDU_Namensvererbung_Modus(clan)) {
        case 1:
            NGU_Namensart_Clan(person);
            break;
        case 2:
            NGU_Namensart_Elternteil(person);
            break;
        case 3:
            NGU_Namensart_Kind(zeile(person).Geschlecht(), person);
            break;
        default:
            Fehler_melden("Personmanager > Namens_vererbung > Result nicht erfasst !!");
            break;
    }
}

}  // namespace

int PM_Geschlecht_naechstes() {
    if (++Geschlecht_Zaehler > 2) Geschlecht_Zaehler = 1;
    return Geschlecht_Zaehler;
}

void PM_Geschlecht_setzen(int clan, int person) {
    if (!PM_Person_gueltig(person) || !GU_Clan_gueltig(clan)) {
        Fehler_melden("PM_Geschlecht_setzen > unbekannte Person oder unbekannter Clan: " +
                      std::to_string(person) + "/" + std::to_string(clan));
        return;
    }
    Personenzeile& p = zeile(person);
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    // A reused row must not keep the index slot of its former person.
    p.Frauen_Indexplatz() = -1;
    p.Geschlecht() = PM_Geschlecht_naechstes();
    if (p.Geschlecht() == 2) {
        IndexU_Item_Add(2, 0, person);
        s.Frauen() += 1;
    } else {
        s.Maenner() += 1;
    }
}

void PM_Person_initialisieren(int feld, int person, int mutter, int clan, bool kind) {
    if (!PM_Person_gueltig(person) || !GU_Clan_gueltig(clan) || !MG_Feld_gueltig(feld)) {
        Fehler_melden("PM_Person_initialisieren > unbekannte Person, Clan oder Feld: " +
                      std::to_string(person) + "/" + std::to_string(clan) + "/" + std::to_string(feld));
        return;
    }
    if (kind && !PM_Person_lebt(mutter)) {
        Fehler_melden("PM_Person_initialisieren > Mutter lebt nicht: " + std::to_string(mutter));
        kind = false;
    }
    Personenzeile& p = zeile(person);
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    const int vater = kind ? partner(zeile(mutter)) : -1;

    p.Hunger() = 150;
    p.Alter() = kind ? Kind_Alter : 15 + Random(5);
    PM_Geschlecht_setzen(clan, person);
    p.Spieler() = clan;
    p.AnimationID() = 140;
    p.AuftragID() = 3;
    p.Zielfeld() = feld;
    p.Feld() = feld;
    p.Bewegungscounter() = 0;
    p.Letztes_Feld() = -1;
    p.Pfadschritt() = -1;
    p.PfadID() = -1;
    p.Wartezaehler() = 0;
    p.Reserve13() = -1;
    p.Reserve14() = -1;

    if (kind) {
        skills_erben(p, mutter, vater);
        schulbildung(p, clan);
    } else {
        for (int k = 0; k < 3; ++k) {
            p.Skill_ID(k) = -1;
            p.Skill_Level(k) = 0;
        }
    }

    p.Aktiver_SkillID() = -1;
    p.Aktiver_Skilllevel() = 0;
    p.ArbeitsplatzID() = -1;
    p.Auftragsziel2() = -1;
    p.Glueck() = 0;
    s.Unzufriedene() += 1;
    PM_Person_Glueck_chance(person, 100);

    p.HeimID() = -1;
    p.PartnerID() = -1;
    for (int k = 0; k < 5; ++k) p.KindID(k) = -1;
    if (kind) {
        p.MutterID() = mutter;
        p.VaterID() = vater;
        PM_Kind_eintragen(mutter, person);
    } else {
        p.MutterID() = -1;
        p.VaterID() = -1;
    }

    if (kind) {
        gold_der_eltern(mutter, vater);
        p.Gold() = Kindergeld_der_Eltern;
        EDU_Kindergeld(clan, person);
    } else {
        p.Gold() = Startgold;
        SU_Geldmenge_aendern(Startgold);
    }

    p.WarenID() = -1;
    p.Arbeiter_Indexplatz() = -1;
    p.Geburtstag() = Jahresschritt;
    p.Vorname() = p.Geschlecht() == 2 ? NGU_Zufall_Frauenname() : NGU_Zufall_Maennername();
    familienname(person, clan, kind);

    Karte[static_cast<std::size_t>(feld)].Person() = person;

    s.Alter_Summe() += p.Alter();
    s.Mitglieder() += 1;
    s.Ohne_Arbeit() += 1;
    ESU_Mitglieder_pruefen(clan, !kind);
    BMU_Stufe_aktualisieren(clan);
    WV += 1;
    WAlt += p.Alter();
}

void PM_Startbevoelkerung_anlegen(int feld, int clan) {
    if (!GU_Clan_gueltig(clan) || !MG_Feld_gueltig(feld)) {
        Fehler_melden("PM_Startbevoelkerung_anlegen > unbekannter Clan oder unbekanntes Feld: " +
                      std::to_string(clan) + "/" + std::to_string(feld));
        return;
    }
    Spieler[static_cast<std::size_t>(clan)].Startphase() = 0;
    if (clan == SpielerID) Oberflaeche().Panelanzeigen(60);
    BrU_Brief_eintragen(clan, 0);
    for (int i = 0; i < Startpersonen_Anzahl; ++i) {
        // Each founder stands on his cell, so the next search finds another.
        const int ziel = Schneckenroutine(feld, Suchmodus_freies_Feld, clan);
        if (ziel < 0) break;
        PM_Person_erzeugen(false, ziel, -1, clan);
    }
}

bool PM_Kann_gebaeren(int frau) {
    if (!PM_Person_lebt(frau)) return false;
    const Personenzeile& f = zeile(frau);
    if (f.Geschlecht() != 2 || f.Alter() < 15 || f.Alter() >= 50) return false;
    const int mann = partner(f);
    if (mann < 0 || f.Gold() + zeile(mann).Gold() < 101) return false;
    if (!OM_Objekt_gueltig(f.HeimID())) return false;
    const int heimfeld = Objekte[static_cast<std::size_t>(f.HeimID())].Feld();
    if (!MG_Feld_gueltig(heimfeld) || Karte[static_cast<std::size_t>(heimfeld)].Person() != -1) return false;
    bool platz = false;
    for (int k = 0; k < 5; ++k) platz = platz || f.KindID(k) == -1;
    if (!platz || !GU_Clan_gueltig(f.Spieler())) return false;
    return LGK_Nahrung_des_Spielers(f.Spieler()) >
           Spieler[static_cast<std::size_t>(f.Spieler())].Mitglieder();
}

bool PM_Kind_gebaeren(int frau) {
    if (!PM_Kann_gebaeren(frau)) return false;
    const Personenzeile& f = zeile(frau);
    const int clan = f.Spieler();
    const int kind =
        PM_Person_erzeugen(true, Objekte[static_cast<std::size_t>(f.HeimID())].Feld(), frau, clan);
    if (kind < 0) return false;
    Spieler[static_cast<std::size_t>(clan)].Geburten_Trend() += 1;
    if (clan == SpielerID) GUI_Info_add(251, zeile(kind).Feld(), NGU_Personenname(kind));
    return true;
}

void PM_Kind_eintragen(int mutter, int kind) {
    if (!PM_Person_gueltig(mutter)) {
        Fehler_melden("PM_Kind_eintragen > unbekannte Mutter: " + std::to_string(mutter));
        return;
    }
    Personenzeile& m = zeile(mutter);
    int k = 0;
    while (k < 5 && m.KindID(k) != -1) ++k;
    if (k == 5) return;
    m.KindID(k) = kind;
    const int vater = partner(m);
    if (vater < 0) return;
    // The father's slot of the same number, unless it holds a child of an earlier marriage:
    // then his first free one, so no child loses its link to him.
    Personenzeile& v = zeile(vater);
    int j = k;
    if (v.KindID(j) != -1) {
        j = 0;
        while (j < 5 && v.KindID(j) != -1) ++j;
    }
    if (j < 5) v.KindID(j) = kind;
}
