#include "world/Hasen.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "economy/Warenindex.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "population/Jobarchiv.h"
#include "world/Gelaende.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Pfade.h"

std::vector<Hasenloch> Hase_Loecher;
int Hase_Anzahl = 0;
int Hasen_Max = 10, Hasen_Init = 5;
int Hasen_WarenID = -1;

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// A hole holds at most this many rabbits.
constexpr int Anzahl_max = 255;
// Steps a rabbit spends outside before its hole gains one more.
constexpr int Brutdauer = 1500;
// The spiral search for a person within 3 cells of the hole.
constexpr int Modus_Person_in_Naehe = 37;

int lochfeld(const Hasenloch& h) { return h.X + h.Y * MG_Kartengroesse; }

bool person_in_naehe(int feld) { return Schneckenroutine(feld, Modus_Person_in_Naehe, -1) != -1; }

void verlassen(Hasenloch& h) {
    const int feld = lochfeld(h);
    h.Draussen = true;
    h.Start = feld;
    h.Schritt = feld + FFU_Nachbarfeld(Random(6) + 1);
    h.Position = h.Schritt;
    h.Timer = 9;
}

void draussen_schritt(Hasenloch& h) {
    if (--h.Timer >= 0) return;
    h.Timer = 0;
    if (h.Schritt != h.Position) return;
    const int feld = lochfeld(h);
    h.Timer = 9;
    if (FFU_Distanz(feld, h.Position) < 3) {
        if (h.Position == feld) {
            h.Draussen = false;
            h.Timer = 59;
        } else if (!person_in_naehe(feld) && Random(20) != 0) {
            h.Start = h.Schritt;
        } else {
            h.Start = h.Position;
            h.Schritt = h.Position = feld;
        }
        return;
    }
    h.Start = h.Position;
    h.Position += FFU_Nachbarfeld(FFU_Richtung_zu_Feld(h.Position, feld));
    h.Schritt = h.Position;
}

// Another hole on the cell's island lies nearer than 10.
bool loch_in_naehe(int c) {
    const int insel = Karte[idx(c)].Insel();
    // The distance first: it needs only the hole's record, the island its map row.
    for (int i = 0; i < Hase_Anzahl; ++i) {
        const int f = lochfeld(Hase_Loecher[idx(i)]);
        if (MG_Feld_gueltig(f) && FFU_Distanz(f, c) < 10 && Karte[idx(f)].Insel() == insel) return true;
    }
    return false;
}

// One chance in five: a hole 10..19 columns and rows away from hole i.
void neues_loch(int i) {
    if (Random(5) != 1) return;
    const int dx = Random(2) == 0 ? Random(10) - 20 : Random(10) + 10;
    const int dy = Random(2) != 0 ? Random(10) + 10 : Random(10) - 20;
    const Hasenloch& h = Hase_Loecher[idx(i)];
    const int x = h.X + dx, y = h.Y + dy, n = MG_Kartengroesse;
    // A column beyond the edge would land in the next row on the far side of the map.
    if (x < 1 || x > n - 2) return;
    const int c = x + y * n;
    if (!PFU_Feld_im_Inneren(c) || !FFU_Umgebung_frei(c) || loch_in_naehe(c)) return;
    if (!MG_ist_Kaninchenbau(SBU_ID_hole)) return;
    const int herkunft = lochfeld(h);
    Karte[idx(c)].Ambiente() = SBU_ID_hole;
    MG_Feld_sperre_setzen(c);
    Hase_Loch_anlegen(c, herkunft);
}

void brueten(int i) {
    Hasenloch& h = Hase_Loecher[idx(i)];
    if (++h.Brutzaehler <= Brutdauer) return;
    h.Brutzaehler = 0;
    if (++h.Anzahl <= Hasen_Max) return;
    h.Anzahl = Hasen_Max;
    neues_loch(i);
}

// The human clan has a building for the rabbit good on the island within 100 cells.
bool jaeger_in_naehe(int position, int insel) {
    if (Hasen_WarenID < 0 || idx(Hasen_WarenID) >= IWU_Warenindex.size()) return false;
    const auto& inseln = IWU_Warenindex[idx(Hasen_WarenID)];
    if (insel < 0 || idx(insel) >= inseln.size()) return false;
    const Warenindex_Liste& l = inseln[idx(insel)];
    for (int k = 0; k < l.Anzahl && idx(k) < l.Eintraege.size(); ++k) {
        const Warenindex_Eintrag& e = l.Eintraege[idx(k)];
        if (OM_Objekt_gueltig(e.Objekt) && Objekte[idx(e.Objekt)].Besitzer() == SpielerID &&
            FFU_Distanz(e.Feld, position) <= 100)
            return true;
    }
    return false;
}

int begrenzt(int wert, int von, int bis, const char* quelle, const char* schluessel) {
    if (wert >= von && wert <= bis) return wert;
    Fehler_melden(std::string(quelle) + " > " + schluessel + " ausserhalb " + std::to_string(von) + ".." +
                  std::to_string(bis) + ": " + std::to_string(wert));
    return std::clamp(wert, von, bis);
}

bool wahrheitswert(const std::string& text, bool& wert) {
    int n = 0;
    if (FFU_Zahl_lesen(text, n)) {
        wert = n != 0;
        return true;
    }
    std::string klein = text;
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char z) { return std::tolower(z); });
    if (klein != "true" && klein != "false") return false;
    wert = klein == "true";
    return true;
}

}  // namespace

void Hase_Tick() {
    if (Hase_Anzahl < 1) return;
    if (Random(100000) == 1) {
        GUI_Info_add(
            281, -1,
            W("Es ist eine Kaninchenseuche im Umlauf. Der Großteil der Tierbestände ist daran gestorben."));
        for (int i = 0; i < Hase_Anzahl; ++i) Hase_Loecher[idx(i)].Anzahl = 1;
    }
    // Holes founded in this pass wait for the next.
    const int anzahl = Hase_Anzahl;
    for (int i = 0; i < anzahl; ++i) {
        // Most steps of a hole only count: the breeding counter while the rabbit is out,
        // and the timer. Counted without asking where the rabbit is, the loop has no
        // branch that guesses wrong; the hole whose counter or timer runs out this step
        // takes the full way below.
        if (JA_Schnellwege) {
            Hasenloch& h = Hase_Loecher[idx(i)];
            const int brut = h.Brutzaehler + static_cast<int>(h.Draussen);
            const int timer = h.Timer - 1;
            if (brut <= Brutdauer && timer >= 0) {
                h.Brutzaehler = brut;
                h.Timer = timer;
                continue;
            }
        }
        if (Hase_Loecher[idx(i)].Draussen) {
            brueten(i);
            draussen_schritt(Hase_Loecher[idx(i)]);
            continue;
        }
        Hasenloch& h = Hase_Loecher[idx(i)];
        if (--h.Timer >= 0) continue;
        h.Timer = 0;
        if (h.Anzahl == 0) continue;
        const int feld = lochfeld(h);
        const bool frei = MG_Feld_gueltig(feld) && Karte[idx(feld)].Person() == -1;
        if (!h.Reserviert && frei && !person_in_naehe(feld))
            verlassen(h);
        else
            h.Timer = 59;
    }
}

int Hase_Loch_suchen(int feld, int grenze, bool reservieren) {
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden("Hase_Loch_suchen > Feld ausserhalb der Karte: " + std::to_string(feld));
        return -1;
    }
    const int insel = Karte[idx(feld)].Insel();
    // The nearest usable hole counts only when it lies nearer than the limit, so a hole
    // at the limit or beyond, or no nearer than the best so far, is passed over before
    // its map cell is read.
    int bestes = -1, beste_distanz = JA_Schnellwege ? grenze : 0;
    // The hole keeps its column and row: the distance needs no division per hole.
    const int x = FFU_X_von_Feld(feld), y = FFU_Y_von_Feld(feld);
    for (int i = 0; i < Hase_Anzahl; ++i) {
        const Hasenloch& h = Hase_Loecher[idx(i)];
        const int f = lochfeld(h);
        if (h.Reserviert || !MG_Feld_gueltig(f)) continue;
        const int d = std::abs(h.X - x) + std::abs(h.Y - y);
        if (JA_Schnellwege && d >= beste_distanz) continue;
        const Kartenfeld& k = Karte[idx(f)];
        if (k.Insel() != insel || k.Block() != 2) continue;
        if (bestes < 0 || d < beste_distanz) {
            bestes = i;
            beste_distanz = d;
        }
    }
    if (bestes < 0 || beste_distanz >= grenze) return -1;
    Hasenloch& h = Hase_Loecher[idx(bestes)];
    if (reservieren) {
        Karte[idx(lochfeld(h))].Block() = 1;
        h.Reserviert = true;
    }
    return lochfeld(h);
}

Hase_Abzug Hase_Loch_Kaninchen_abziehen(int feld) {
    int i = 0;
    while (i < Hase_Anzahl && lochfeld(Hase_Loecher[idx(i)]) != feld) ++i;
    if (i >= Hase_Anzahl) {
        Fehler_melden("Hase_Loch_Kaninchen_abziehen konnte nicht bearbeitet werden.");
        return Hase_Abzug::Kein_Loch;
    }
    Hasenloch& h = Hase_Loecher[idx(i)];
    h.Reserviert = false;
    if (--h.Anzahl > 0) return Hase_Abzug::Bleibt;
    const int insel = MG_Feld_gueltig(feld) ? Karte[idx(feld)].Insel() : -1;
    if (IU_Spieler_auf_Insel(insel, SpielerID) && jaeger_in_naehe(h.Position, insel))
        GUI_Info_add(256, h.Position, "");
    Hase_Loecher[idx(i)] = Hase_Loecher[idx(Hase_Anzahl - 1)];
    Hase_Loecher[idx(Hase_Anzahl - 1)] = Hasenloch{};
    --Hase_Anzahl;
    return Hase_Abzug::Letzter;
}

Hase_Abzug Hase_Fang_abschliessen(int feld) {
    const Hase_Abzug a = Hase_Loch_Kaninchen_abziehen(feld);
    if (!MG_Feld_gueltig(feld)) return a;
    Kartenfeld& k = Karte[idx(feld)];
    const bool loch = a == Hase_Abzug::Bleibt;
    k.Ambiente() = loch ? SBU_ID_hole : -1;
    k.Block() = loch ? 2 : -1;
    return a;
}

void Hase_Grenzen_setzen(int max, int init, const char* quelle) {
    Hasen_Max = begrenzt(max, 1, Anzahl_max, quelle, "Hasen_Max");
    Hasen_Init = begrenzt(init, 1, Hasen_Max, quelle, "Hasen_Init");
}

void Hase_Loecher_loeschen() {
    Hase_Loecher.clear();
    Hase_Loecher.shrink_to_fit();
    Hase_Anzahl = 0;
}

void Hase_Loch_anlegen(int feld, int herkunft) {
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden("Hase_Loch_anlegen > Feld ausserhalb der Karte: " + std::to_string(feld));
        return;
    }
    if (idx(Hase_Anzahl) >= Hase_Loecher.size()) Hase_Loecher.resize(Hase_Loecher.size() + 10);
    Hasenloch& h = Hase_Loecher[idx(Hase_Anzahl)];
    h = Hasenloch{};
    h.X = FFU_X_von_Feld(feld);
    h.Y = FFU_Y_von_Feld(feld);
    h.Draussen = true;
    h.Anzahl = Hasen_Init;
    h.Start = h.Schritt = h.Position = herkunft;
    ++Hase_Anzahl;
}

void Hase_Mod_ini_lesen() {
    Hase_Grenzen_setzen(Config_ReadInteger("Daten\\Mod.ini", "Mod", "Hasen_Max", 10),
                        Config_ReadInteger("Daten\\Mod.ini", "Mod", "Hasen_Init", 5), "Hase_Mod_ini_lesen");
}

bool Hase_Speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (int i = 0; i < Hase_Anzahl; ++i) {
        const Hasenloch& h = Hase_Loecher[idx(i)];
        zeilen.push_back(FFU_Zeile_bauen({h.X, h.Y, h.Brutzaehler, h.Draussen ? -1 : 0, h.Reserviert ? -1 : 0,
                                          h.Anzahl, h.Start, h.Timer, h.Schritt, h.Position}));
    }
    return Seitendatei_schreiben(pfad, zeilen, "Hase_Speichern");
}

void Hase_Laden(const std::string& pfad) {
    auto zeilen = Seitendatei_lesen(pfad, "Hase_Laden");
    if (!zeilen) return;
    const int n = MG_Kartengroesse;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& zeile = (*zeilen)[i];
        int f[10] = {};
        bool draussen = false, reserviert = false;
        bool gut = FFU_Teil_Nr(zeile, '/', 10).empty() &&
                   wahrheitswert(FFU_Teil_Nr(zeile, '/', 3), draussen) &&
                   wahrheitswert(FFU_Teil_Nr(zeile, '/', 4), reserviert);
        for (int k : {0, 1, 2, 5, 6, 7, 8, 9}) gut = gut && FFU_Zahl_lesen(FFU_Teil_Nr(zeile, '/', k), f[k]);
        // The hole lies on the map, its counters in their ranges, the rabbit next to the map at most.
        auto nahe = [n](int c) { return c >= -(n + 1) && c <= n * n + n; };
        gut = gut && f[0] >= 0 && f[0] < n && f[1] >= 0 && f[1] < n && f[2] >= 0 && f[2] <= Brutdauer &&
              f[5] >= 0 && f[5] <= Anzahl_max && f[7] >= 0 && f[7] <= 59 && nahe(f[6]) && nahe(f[8]) &&
              nahe(f[9]);
        if (!gut) {
            Fehler_melden("Hase_Laden > fehlerhafte Zeile " + std::to_string(i + 1) + ": " + zeile);
            continue;
        }
        Hase_Loch_anlegen(f[0] + f[1] * n, 0);
        Hasenloch& h = Hase_Loecher[idx(Hase_Anzahl - 1)];
        h = {f[0], f[1], f[2], draussen, reserviert, f[5], f[6], f[7], f[8], f[9]};
    }
}
