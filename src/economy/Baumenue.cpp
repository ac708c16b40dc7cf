#include "economy/Baumenue.h"

#include <algorithm>

#include "economy/Hilfen_Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"

std::vector<std::vector<BMU_Eintrag>> BMU_Zaehler;
int BMU_Seitenanfang = 1;

namespace {

int hoechster_Typ() { return static_cast<int>(SBU_Objekte.size()) - 1; }

// The counters of (clan, typ), lengthening the table where it is shorter; both are 0 or more.
BMU_Eintrag& eintrag(int clan, int typ) {
    if (BMU_Zaehler.size() <= static_cast<std::size_t>(clan))
        BMU_Zaehler.resize(static_cast<std::size_t>(clan) + 1);
    std::vector<BMU_Eintrag>& zeile = BMU_Zaehler[static_cast<std::size_t>(clan)];
    if (zeile.size() <= static_cast<std::size_t>(typ)) zeile.resize(static_cast<std::size_t>(typ) + 1);
    return zeile[static_cast<std::size_t>(typ)];
}

}  // namespace

void BMU_Tabelle_anlegen() {
    BMU_Zaehler.assign(Spieler.size(), std::vector<BMU_Eintrag>(SBU_Objekte.size()));
}

void BMU_Tabelle_leeren() {
    BMU_Zaehler.clear();
    BMU_Seitenanfang = 1;
}

void BMU_Zaehler_aendern(int clan, int typ, int delta_gebaut, int delta_gesamt) {
    if (!GU_Clan_gueltig(clan) || typ < 0 || typ > hoechster_Typ()) {
        Fehler_melden("BMU_Zaehler_aendern > unbekannter Eintrag " + std::to_string(clan) + "/" +
                      std::to_string(typ));
        return;
    }
    BMU_Eintrag& e = eintrag(clan, typ);
    e.Gebaut += delta_gebaut;
    e.Gesamt += delta_gesamt;
}

void BMU_Zaehler_setzen(int clan, int typ, int gebaut, int gesamt) {
    if (clan < 0 || typ < 0) {
        Fehler_melden("BMU_Zaehler_setzen > unbekannter Eintrag " + std::to_string(clan) + "/" +
                      std::to_string(typ));
        return;
    }
    eintrag(clan, typ) = {gebaut, gesamt};
}

void BMU_Stufe_aktualisieren(int clan) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("BMU_Stufe_aktualisieren > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    const int stufe = static_cast<int>(Ceil_div(s.Mitglieder(), 25));
    if (stufe > s.Baustufe()) s.Baustufe() = stufe;
}

namespace {

// Distance from a page start to the first type after its page: the page holds the next 24
// offered types.
int seite_vor_ab(int anfang) {
    int i = anfang;
    for (int platz = 0; platz < BMU_Seitengroesse; ++platz) {
        bool angenommen = false;
        while (i <= hoechster_Typ() && !angenommen) {
            angenommen = FFU_Objekt_baubar(i, SpielerID);
            ++i;
        }
    }
    return i - anfang;
}

// Whether an offered type follows the page that starts there.
bool weitere_Seite_ab(int anfang) {
    for (int i = std::max(anfang + seite_vor_ab(anfang), 0); i <= hoechster_Typ(); ++i)
        if (FFU_Objekt_baubar(i, SpielerID)) return true;
    return false;
}

}  // namespace

int BMU_Seite_vor() { return seite_vor_ab(BMU_Seitenanfang); }

// The pages are the ones paging forward reaches from the first one (type 1): the previous page
// is the last of them that starts before the current one.
int BMU_Seite_zurueck() {
    int anfang = 1, vorige = 1;
    while (anfang < BMU_Seitenanfang) {
        vorige = anfang;
        if (!weitere_Seite_ab(anfang)) break;
        anfang += seite_vor_ab(anfang);
    }
    return vorige;
}

bool BMU_Weitere_Seite() { return weitere_Seite_ab(BMU_Seitenanfang); }

int BMU_Seitennummer() {
    int anfang = 1, nummer = 1;
    while (weitere_Seite_ab(anfang)) {
        anfang += seite_vor_ab(anfang);
        if (anfang > BMU_Seitenanfang) break;
        ++nummer;
    }
    return nummer;
}

void BMU_Vorblaettern() {
    if (BMU_Weitere_Seite()) BMU_Seitenanfang += BMU_Seite_vor();
}

void BMU_Zurueckblaettern() { BMU_Seitenanfang = BMU_Seite_zurueck(); }

bool BMU_File_Save(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (std::size_t c = 0; c < BMU_Zaehler.size(); ++c)
        for (std::size_t t = 0; t < BMU_Zaehler[c].size(); ++t)
            zeilen.push_back(FFU_Zeile_bauen({static_cast<int>(c), static_cast<int>(t),
                                              BMU_Zaehler[c][t].Gebaut, BMU_Zaehler[c][t].Gesamt}));
    return Seitendatei_schreiben(pfad, zeilen, "BMU_File_Save");
}

void BMU_File_Load(const std::string& ordner) {
    const bool trenner = !ordner.empty() && (ordner.back() == '\\' || ordner.back() == '/');
    const std::string pfad = ordner + (trenner ? "" : "\\") + "BMU.sav";
    Seitendatei_Zahlenzeilen_lesen(pfad, "BMU_File_Load", 4, [](const std::vector<int>& f) {
        // The types of a clan come in order from 0.
        if (!GU_Clan_gueltig(f[0]) || !Seitendatei_folgt(BMU_Zaehler, f[0], f[1])) return false;
        BMU_Zaehler_setzen(f[0], f[1], f[2], f[3]);
        return true;
    });
}
