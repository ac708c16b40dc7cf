#include "economy/Spieler.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "economy/Bauvorschau.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "population/Personenindex.h"
#include "foundation/Schablonen.h"
#include "foundation/Seitendatei.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "foundation/Textzeilen.h"
#include "economy/Warenindex.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "population/Wohnraum.h"
#include "world/Inseln.h"
#include "world/Karte.h"

std::vector<Spielerzeile> Spieler;
int SpielerID = 0;
std::vector<std::vector<int>> GU_Warenwerte;

namespace {

// More computer clans than this could never all find a colour of their own.
constexpr int KI_Clans_max = 500;

// The clan row of a living person's clan.
Spielerzeile* clan_der_person(int person, const char* routine) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden(std::string(routine) + " > unbekannte Person: " + std::to_string(person));
        return nullptr;
    }
    return GU_Zeile(Personen[static_cast<std::size_t>(person)].Spieler(), routine);
}

// Idle register kind of a person: 1 without a workplace, 4 with one.
int index_art(int person) { return Personen[static_cast<std::size_t>(person)].ArbeitsplatzID() < 0 ? 1 : 4; }

void setzen(Spielerzeile& s, int von, int bis, int wert) {
    for (int i = von; i <= bis; ++i) s.feld(i) = wert;
}

bool ware_gueltig(int ware) { return ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size(); }

}  // namespace

// --- The clan record ------------------------------------------------------------

void GU_Spieler_erstellen(int n) {
    if (n < 0 || n > KI_Clans_max) {
        Fehler_melden("GU_Spieler_erstellen > unmoegliche Anzahl Computerclans: " + std::to_string(n));
        n = std::clamp(n, 0, KI_Clans_max);
    }
    Spieler.assign(static_cast<std::size_t>(n) + 1, Spielerzeile{});
    DiaU_Init();
    SpielerID = 0;
    GU_Spieler_init(0, false);
    for (int i = 1; i <= n; ++i) GU_Spieler_init(i, true);
}

void GU_Spieler_init(int p, bool computer) {
    Spielerzeile* z = GU_Zeile(p, "GU_Spieler_init");
    if (!z) return;
    Spielerzeile& s = *z;
    // 1. Colour: a computer clan draws multiples of 10 until no other row has it.
    if (computer) {
        do {
            s.Farbe_R() = Random(10) * 10;
            s.Farbe_G() = Random(10) * 10;
            s.Farbe_B() = Random(10) * 10;
        } while (!GU_Farbe_einmalig(p));
    } else {
        s.Farbe_R() = SpielerfarbeR;
        s.Farbe_G() = SpielerfarbeG;
        s.Farbe_B() = SpielerfarbeB;
    }
    // 2. Counters and control.
    s.Mitglieder() = s.Wohnraum() = s.Baustufe() = s.Arbeitslose() = s.Zufriedenheit() = 0;
    s.Steuerung() = computer ? 1 : 0;
    s.KI_Stufe() = 1;
    // 3. Edicts.
    if (computer) {
        s.Edikt_Umverteilung() = Random(2);
        s.Gemeinschaftskasse() = 0;
        s.Edikt_Armenhilfe() = 1;
        setzen(s, 14, 16, 0);
        s.Edikt_Abgabe() = s.Edikt_Arbeitsamt() = 1;
        s.Edikt_19() = s.Edikt_20() = 0;
        s.Edikt_Schulbildung() = Random(2);
        s.Edikt_Rente() = Random(2);
        s.Edikt_Kindergeld() = Random(2);
        setzen(s, 24, 33, 0);
        s.Wahl_34() = 1;
        s.Edikt_35() = Random(2);
        s.Buendnis() = 1;
        s.Edikt_37() = s.Edikt_38() = 0;
    } else {
        setzen(s, 11, 36, 0);
        s.Wahl_34() = s.Buendnis() = s.Edikt_Kindergeld() = s.Edikt_Armenhilfe() = 1;
        s.Edikt_Abgabe() = s.Edikt_Arbeitsamt() = 1;
    }
    // 4. Computer-player state, limits, monthly figures, trends.
    setzen(s, 39, 46, 0);
    s.Arbeitsradius() = 49;
    s.Flugschiffe_Max() = 3;
    s.Baustellen_Max() = 3;
    setzen(s, 50, 57, 0);
    for (int gruppe : {58, 61, 64, 67}) {
        s.feld(gruppe) = 1;
        s.feld(gruppe + 1) = s.feld(gruppe + 2) = 0;
    }
    setzen(s, 70, 77, 0);
    s.Forschung_1() = 1;
    s.Forschung_2() = 2;
    s.Forschung_3() = 3;
    s.Reserve81() = 1;
    setzen(s, 82, 84, 0);
    s.Startphase() = 1;
    setzen(s, 86, 95, 0);
    s.Heimatfeld() = 0;
    s.KI_Phase() = 2;
    s.Startfeld() = s.Baustellen() = 0;
    s.Arbeitslose_Fach() = 0;
    // 5. Start gold enters circulation.
    s.Gold() = 300;
    SU_Geldmenge_aendern(300);
    // 6. The clan's prices.
    GU_Warenwerte_berechnen(p);
}

bool GU_Farbe_einmalig(int p) {
    if (!GU_Clan_gueltig(p)) return false;
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(p)];
    for (std::size_t i = 0; i < Spieler.size(); ++i) {
        if (i == static_cast<std::size_t>(p)) continue;
        const Spielerzeile& a = Spieler[i];
        if (a.Farbe_R() == s.Farbe_R() && a.Farbe_G() == s.Farbe_G() && a.Farbe_B() == s.Farbe_B())
            return false;
    }
    return true;
}

void GU_KI_umschalten(int clan) {
    if (Spielerzeile* s = GU_Zeile(clan, "GU_KI_umschalten")) s->Steuerung() = s->Steuerung() != 0 ? 0 : 1;
}

void GU_Spieler_wechseln(bool aufwaerts) {
    if (Spieler.empty()) {
        SpielerID = 0;
        return;
    }
    const int hoechste = static_cast<int>(Spieler.size()) - 1;
    SpielerID = std::clamp(SpielerID + (aufwaerts ? 1 : -1), 0, hoechste);
    if (Spieler[static_cast<std::size_t>(SpielerID)].Startphase() == 1) BPU_Baumodus_starten(SBU_Start_ID);
}

void GU_Clan_leer_pruefen(int clan) {
    Spielerzeile* s = GU_Zeile(clan, "GU_Clan_leer_pruefen");
    // A clan that has already died out is not buried twice.
    if (!s || s->Mitglieder() != 0 || s->Steuerung() < 0) return;
    if (clan != SpielerID) {
        GUI_Info_add(249, s->Startfeld(), NGU_Clanname(clan));
    } else {
        SU_Ziele_aus();
        Oberflaeche().Panelanzeigen(63);
    }
    GU_Clan_Tod(clan);
}

void GU_Clan_Tod(int clan) {
    Spielerzeile* s = GU_Zeile(clan, "GU_Clan_Tod");
    if (!s || s->Steuerung() < 0) return;
    s->Steuerung() = -1;
    const int heimat = s->Heimatfeld();
    if (heimat > 0 && MG_Feld_gueltig(heimat)) {
        const int insel = Karte[static_cast<std::size_t>(heimat)].Insel();
        if (insel >= 0) IU_Spieler_auf_Insel_addieren(insel, clan, -1);
    }
    s->Heimatfeld() = 0;
    s->Startfeld() = 0;
}

int Spieler_Startphase(int clan) {
    return GU_Clan_gueltig(clan) ? Spieler[static_cast<std::size_t>(clan)].Startphase() : 0;
}

// --- Counters -------------------------------------------------------------------

void GU_Zufriedenheit_aendern(int clan, int wert, bool hinzu) {
    Spielerzeile* s = GU_Zeile(clan, "GU_Zufriedenheit_aendern");
    if (!s) return;
    const int d = hinzu ? 1 : -1;
    if (wert > 74)
        s->Zufriedene() += d;
    else if (wert >= 26)
        s->Mittelzufriedene() += d;
    else
        s->Unzufriedene() += d;
    s->Zufriedenheit() += d * wert;
}

void GU_Arbeit_A_plus(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeit_A_plus")) {
        s->Arbeit_Produktion() += 1;
        IndexU_Item_Delet(4, 0, person);
    }
}

void GU_Arbeit_B_plus(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeit_B_plus")) {
        s->Arbeit_Auftrag() += 1;
        IndexU_Item_Delet(1, 0, person);
    }
}

void GU_Arbeit_C_plus(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeit_C_plus")) {
        s->Arbeit_Rohstoff() += 1;
        IndexU_Item_Delet(4, 0, person);
    }
}

void GU_Arbeitslos_plus(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeitslos_plus")) {
        s->Ohne_Arbeit() += 1;
        IndexU_Item_Delet(index_art(person), 0, person);
    }
}

void GU_Arbeitslos_minus(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeitslos_minus")) {
        s->Ohne_Arbeit() -= 1;
        IndexU_Item_Add(index_art(person), 0, person);
    }
}

void GU_Arbeit_A_zu_Arbeitslos(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeit_A_zu_Arbeitslos")) {
        s->Arbeit_Produktion() -= 1;
        s->Ohne_Arbeit() += 1;
    }
}

void GU_Arbeit_B_zu_Arbeitslos(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeit_B_zu_Arbeitslos")) {
        s->Arbeit_Auftrag() -= 1;
        s->Ohne_Arbeit() += 1;
    }
}

void GU_Arbeit_C_zu_Arbeitslos(int person) {
    if (Spielerzeile* s = clan_der_person(person, "GU_Arbeit_C_zu_Arbeitslos")) {
        s->Arbeit_Rohstoff() -= 1;
        s->Ohne_Arbeit() += 1;
    }
}

void GU_Zaehler_uebertragen(int von, int nach, int feld) {
    Spielerzeile* a = GU_Zeile(von, "GU_Zaehler_uebertragen");
    Spielerzeile* b = GU_Zeile(nach, "GU_Zaehler_uebertragen");
    if (!a || !b) return;
    if (!Spielerzeile::gueltiges_Feld(feld)) {
        Fehler_melden("GU_Zaehler_uebertragen > unbekanntes Feld: " + std::to_string(feld));
        return;
    }
    a->feld(feld) -= 1;
    b->feld(feld) += 1;
}

void GU_Wohnraum_hinzu(int clan, int objekt) {
    if (!OM_Objekt_ist_Home(objekt)) return;
    Spielerzeile* s = GU_Zeile(clan, "GU_Wohnraum_hinzu");
    if (!s) return;
    Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    const int platz = SBU_Objekte[static_cast<std::size_t>(o.Typ())].Platz;
    s->Wohnraum() += platz;
    o.Zaehler() = platz;
    WRU_Wohnraum_eintragen(clan, objekt);
}

void GU_Wohnraum_entfernen(int objekt) {
    if (!OM_Objekt_ist_Home(objekt)) return;
    Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    Spielerzeile* s = GU_Zeile(o.Besitzer(), "GU_Wohnraum_entfernen");
    if (!s) return;
    // The room added at first completion, before any build-up changed the type.
    const int typ = OM_Erster_Typ(objekt);
    if (!OM_Vorlage(typ, "GU_Wohnraum_entfernen")) return;
    s->Wohnraum() -= SBU_Objekte[static_cast<std::size_t>(typ)].Platz;
    if (o.Zaehler() > 0) WRU_Wohnraum_von_Objekt_austragen(objekt);
}

void GU_Baustelle_fertig(int clan) {
    Spielerzeile* s = GU_Zeile(clan, "GU_Baustelle_fertig");
    if (!s) return;
    s->Baustellen() -= 1;
    // The site price depends on the open-site count: refresh the preview.
    if (clan == SpielerID && Platzierungsmodus) BPU_Baumodus_starten(Bau_Typ);
}

void GU_Ware_hinzu(int ware, int clan) {
    if (!GU_Zeile(clan, "GU_Ware_hinzu")) return;
    if (!ware_gueltig(ware)) {
        Fehler_melden("GU_Ware_hinzu > unbekannte Ware: " + std::to_string(ware));
        return;
    }
    DiaU_Zugang_set_Wert(clan, ware, DiaU_Startpunkt, 1);
    DiaU_Ware_set_Wert(clan, ware, DiaU_Startpunkt, 1);
    LGK_Produktion_verbuchen(clan, ware, 1);
    ESU_Waren_pruefen(clan);
    ESU_Luxus_pruefen(clan);
}

void GU_Ware_entfernen(int ware, int clan) {
    if (!GU_Zeile(clan, "GU_Ware_entfernen")) return;
    if (!ware_gueltig(ware)) {
        Fehler_melden("GU_Ware_entfernen > unbekannte Ware: " + std::to_string(ware));
        return;
    }
    DiaU_Ware_set_Wert(clan, ware, DiaU_Startpunkt, -1);
    LGK_Produktion_verbuchen(clan, ware, -1);
}

// --- Ware values ------------------------------------------------------------------

int GU_Warenwert(int clan, int ware) {
    if (clan < 0 || ware < 0 || static_cast<std::size_t>(clan) >= GU_Warenwerte.size() ||
        static_cast<std::size_t>(ware) >= GU_Warenwerte[static_cast<std::size_t>(clan)].size()) {
        Fehler_melden("GU_Warenwert > kein Wert fuer Clan " + std::to_string(clan) + " Ware " +
                      std::to_string(ware));
        return 0;
    }
    return GU_Warenwerte[static_cast<std::size_t>(clan)][static_cast<std::size_t>(ware)];
}

void GU_Warenwerte_berechnen(int clan) {
    if (!GU_Zeile(clan, "GU_Warenwerte_berechnen")) return;
    if (GU_Warenwerte.size() <= static_cast<std::size_t>(clan))
        GU_Warenwerte.resize(static_cast<std::size_t>(clan) + 1);
    std::vector<int>& werte = GU_Warenwerte[static_cast<std::size_t>(clan)];
    werte.resize(SBU_Waren.size());
    for (std::size_t w = 0; w < SBU_Waren.size(); ++w) {
        const Waren_Item& ware = SBU_Waren[w];
        // A chance or yield of 0 or less counts as 1; the draw happens all the same.
        const int chance = ware.Chance > 0 ? ware.Chance : 1;
        std::int64_t v = Random(100 / chance * 3) + 2;
        for (const Waren_Menge& zutat : ware.Need) {
            if (zutat.WarenID < 0) break;
            if (static_cast<std::size_t>(zutat.WarenID) >= werte.size()) {
                Fehler_melden("GU_Warenwerte_berechnen > unbekannte Zutat " + std::to_string(zutat.WarenID) +
                              " der Ware " + std::to_string(w));
                continue;
            }
            v = std::min<std::int64_t>(v + werte[static_cast<std::size_t>(zutat.WarenID)], INT_MAX);
        }
        const int make = ware.Make > 0 ? ware.Make : 1;
        werte[w] = static_cast<int>(v / make);
    }
}

void GU_Warenwert_setzen(int clan, int ware, int wert) {
    if (clan < 0 || ware < 0) {
        Fehler_melden("GU_Warenwert_setzen > ungueltiger Eintrag " + std::to_string(clan) + "/" +
                      std::to_string(ware));
        return;
    }
    if (GU_Warenwerte.size() <= static_cast<std::size_t>(clan))
        GU_Warenwerte.resize(static_cast<std::size_t>(clan) + 1);
    std::vector<int>& werte = GU_Warenwerte[static_cast<std::size_t>(clan)];
    if (static_cast<std::size_t>(ware) > werte.size()) {
        Fehler_melden("GU_Warenwert_setzen > Ware liegt hinter dem Ende: " + std::to_string(clan) + "/" +
                      std::to_string(ware));
        return;
    }
    if (static_cast<std::size_t>(ware) == werte.size()) werte.push_back(0);
    werte[static_cast<std::size_t>(ware)] = wert;
}

bool GU_Warenwerte_speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (std::size_t c = 0; c < GU_Warenwerte.size(); ++c)
        for (std::size_t w = 0; w < GU_Warenwerte[c].size(); ++w)
            zeilen.push_back(
                FFU_Zeile_bauen({static_cast<int>(c), static_cast<int>(w), GU_Warenwerte[c][w]}));
    return Seitendatei_schreiben(pfad, zeilen, "GU_Warenwerte_speichern");
}

void GU_Warenwerte_laden(const std::string& pfad) {
    Seitendatei_Zahlenzeilen_lesen(pfad, "GU_Warenwerte_laden", 3, [](const std::vector<int>& f) {
        if (!GU_Clan_gueltig(f[0]) || !ware_gueltig(f[1]) || !Seitendatei_folgt(GU_Warenwerte, f[0], f[1]))
            return false;
        GU_Warenwert_setzen(f[0], f[1], f[2]);
        return true;
    });
}
