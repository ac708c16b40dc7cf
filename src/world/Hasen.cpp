#include "world/Hasen.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstddef>
#include <cstdint>
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

// The schedule of the holes: derived from the rows, never saved. Most steps of a hole only
// count (the timer down, the breeding counter up while the rabbit is out); the schedule
// keeps for each hole the step in which it next does more, so that a step touches only
// the holes due in it. Between its due steps a hole's two counters are not written: its
// row holds them as they stood after step `stand`, and Hase_Loecher_abgleichen brings
// them to their values of the moment for whoever reads the rows.
struct Lochplan {
    long long stand = 0;      // the rabbit step after which the row's counters were exact
    long long faellig = 0;    // the step in which the hole next takes the full way
    int timer = 0, brut = 0;  // Timer and Brutzaehler as the row held them at `stand`
    bool draussen = false;    // and Draussen, whose rabbit breeds while out
};

// One slot per step of the coming ones, reused round the wheel: a hole is due within
// 1501 steps (the longest a breeding counter runs), and a hole whose values put it
// further away stays in its slot for the rounds between.
constexpr int Radgroesse = 2048;

struct Lochfahrplan {
    long long takt = 0;            // rabbit steps run so far
    std::vector<Lochplan> plaene;  // one per hole while gueltig()
    std::vector<std::vector<int>> rad = std::vector<std::vector<int>>(Radgroesse);
    const Hasenloch* basis = nullptr;  // the table the plans were made for

    bool gueltig() const {
        return basis == Hase_Loecher.data() && plaene.size() == idx(Hase_Anzahl) &&
               idx(Hase_Anzahl) <= Hase_Loecher.size();
    }
    void verwerfen() {
        plaene.clear();
        for (std::vector<int>& slot : rad) slot.clear();
        basis = nullptr;
    }
    void eintragen(int i) { rad[idx(static_cast<int>(plaene[idx(i)].faellig % Radgroesse))].push_back(i); }
    // Hole i's row is exact after the present step: its next due step from there.
    void planen(int i) {
        const Hasenloch& h = Hase_Loecher[idx(i)];
        Lochplan& p = plaene[idx(i)];
        long long bis = static_cast<long long>(h.Timer) + 1;
        if (h.Draussen) bis = std::min(bis, static_cast<long long>(Brutdauer) + 1 - h.Brutzaehler);
        p = {takt, takt + std::max(bis, 1LL), h.Timer, h.Brutzaehler, h.Draussen};
        eintragen(i);
    }
    // Brings hole i's counters to their values at step `jetzt`; false (nothing done) for
    // a row written from outside since its plan was made, which is taken as it stands.
    bool nachfuehren(int i, long long jetzt) {
        Hasenloch& h = Hase_Loecher[idx(i)];
        Lochplan& p = plaene[idx(i)];
        if (h.Timer != p.timer || h.Brutzaehler != p.brut || h.Draussen != p.draussen) return false;
        const int gezaehlt = static_cast<int>(jetzt - p.stand);
        h.Timer -= gezaehlt;
        if (h.Draussen) h.Brutzaehler += gezaehlt;
        // The same due step follows from the counters of now.
        p.stand = jetzt;
        p.timer = h.Timer;
        p.brut = h.Brutzaehler;
        return true;
    }
    // Every row exact after the present step; a row written from outside, or new, is
    // planned afresh from what it holds. Plans of a table that was replaced as a whole
    // are dropped.
    void abgleichen() {
        const int n = std::min(Hase_Anzahl, static_cast<int>(Hase_Loecher.size()));
        if (basis != Hase_Loecher.data() || n < 0) verwerfen();
        if (n < 0) return;
        const int bekannt = std::min(static_cast<int>(plaene.size()), n);
        plaene.resize(idx(n));
        basis = Hase_Loecher.data();
        for (int i = 0; i < n; ++i)
            if (i >= bekannt || !nachfuehren(i, takt)) planen(i);
    }
};
Lochfahrplan fahrplan;

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
    // The rabbit's column and row once; the hole keeps its own.
    const int dx = FFU_X_von_Feld(h.Position) - h.X, dy = FFU_Y_von_Feld(h.Position) - h.Y;
    if (std::abs(dx) + std::abs(dy) < 3) {
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
    h.Position += FFU_Nachbarfeld(FFU_Richtung_aus_Versatz(dx, dy));
    h.Schritt = h.Position;
}

// Another hole on the cell's island lies nearer than 10.
bool loch_in_naehe(int c) {
    const int insel = Karte[idx(c)].Insel();
    // The distance first: it needs only the hole's record (its column and row, no division),
    // the island its map row.
    const int x = FFU_X_von_Feld(c), y = FFU_Y_von_Feld(c);
    for (int i = 0; i < Hase_Anzahl; ++i) {
        const Hasenloch& h = Hase_Loecher[idx(i)];
        if (std::abs(h.X - x) + std::abs(h.Y - y) >= 10) continue;
        const int f = lochfeld(h);
        if (MG_Feld_gueltig(f) && Karte[idx(f)].Insel() == insel) return true;
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

// One step of hole i the full way. For a hole that is not due it only counts, as the
// schedule assumes.
void loch_schritt(int i) {
    if (Hase_Loecher[idx(i)].Draussen) {
        brueten(i);  // may found a hole: the table may move
        draussen_schritt(Hase_Loecher[idx(i)]);
        return;
    }
    Hasenloch& h = Hase_Loecher[idx(i)];
    if (--h.Timer >= 0) return;
    h.Timer = 0;
    if (h.Anzahl == 0) return;
    const int feld = lochfeld(h);
    // Nobody on the hole's own cell: the short way asks the bits beside the map, not its row.
    const bool frei =
        JA_Schnellwege ? MG_Feld_ohne_Person(feld) : MG_Feld_gueltig(feld) && Karte[idx(feld)].Person() == -1;
    if (!h.Reserviert && frei && !person_in_naehe(feld))
        verlassen(h);
    else
        h.Timer = 59;
}

// The slot and the due holes of the present step (kept, so that a step allocates nothing).
std::vector<int> fahrplan_slot;
std::vector<std::uint64_t> fahrplan_faellig;

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
    if (Hase_Anzahl < 1) {
        ++fahrplan.takt;
        return;
    }
    if (Random(100000) == 1) {
        GUI_Info_add(
            281, -1,
            W("Es ist eine Kaninchenseuche im Umlauf. Der Großteil der Tierbestände ist daran gestorben."));
        for (int i = 0; i < Hase_Anzahl; ++i) Hase_Loecher[idx(i)].Anzahl = 1;
    }
    // Holes founded in this pass wait for the next.
    const int anzahl = Hase_Anzahl;
    if (!JA_Schnellwege) {
        // Every hole the full way: the rows exact first, the schedule made anew afterwards.
        if (fahrplan.gueltig()) fahrplan.abgleichen();
        ++fahrplan.takt;
        for (int i = 0; i < anzahl; ++i) loch_schritt(i);
        fahrplan.verwerfen();
        return;
    }
    if (!fahrplan.gueltig()) fahrplan.abgleichen();
    const long long t = ++fahrplan.takt;
    // The holes due in this step, in table order; a hole further away than the wheel
    // goes round keeps its slot, an entry the hole has left behind (moved, replanned,
    // removed) drops out.
    std::vector<int>& slot = fahrplan_slot;
    slot.swap(fahrplan.rad[idx(static_cast<int>(t % Radgroesse))]);
    // One bit per hole puts them in table order (and an entry made twice once).
    std::vector<std::uint64_t>& faellig = fahrplan_faellig;
    faellig.assign((idx(anzahl) + 63) / 64, 0);
    for (int i : slot) {
        if (i >= anzahl) continue;
        const long long f = fahrplan.plaene[idx(i)].faellig;
        if (f == t)
            faellig[idx(i) / 64] |= std::uint64_t{1} << (idx(i) % 64);
        else if (f > t && f % Radgroesse == t % Radgroesse)
            fahrplan.eintragen(i);
    }
    slot.clear();
    for (std::size_t w = 0; w < faellig.size(); ++w)
        for (std::uint64_t bits = faellig[w]; bits != 0; bits &= bits - 1) {
            const int i = static_cast<int>(w * 64) + std::countr_zero(bits);
            // The counters as they ran up to the step before, then the step itself.
            fahrplan.nachfuehren(i, t - 1);
            loch_schritt(i);
            fahrplan.planen(i);
        }
}

void Hase_Loecher_abgleichen() { fahrplan.abgleichen(); }

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

void Hase_Loch_freigeben(int feld) {
    for (int i = 0; i < Hase_Anzahl; ++i) {
        Hasenloch& h = Hase_Loecher[idx(i)];
        if (lochfeld(h) != feld || !h.Reserviert) continue;
        h.Reserviert = false;
        // The hunter's reservation made the hole's cell walkable; it blocks again.
        if (MG_Feld_gueltig(feld) && Karte[idx(feld)].Block() == 1) Karte[idx(feld)].Block() = 2;
        return;
    }
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
    // The last hole takes the freed place, and its plan with it.
    const bool geplant = fahrplan.gueltig();
    Hase_Loecher[idx(i)] = Hase_Loecher[idx(Hase_Anzahl - 1)];
    Hase_Loecher[idx(Hase_Anzahl - 1)] = Hasenloch{};
    --Hase_Anzahl;
    if (geplant) {
        fahrplan.plaene[idx(i)] = fahrplan.plaene.back();
        fahrplan.plaene.pop_back();
        if (i < Hase_Anzahl) fahrplan.eintragen(i);
    }
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
    fahrplan.verwerfen();
    fahrplan.takt = 0;
}

void Hase_Loch_anlegen(int feld, int herkunft) {
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden("Hase_Loch_anlegen > Feld ausserhalb der Karte: " + std::to_string(feld));
        return;
    }
    const bool geplant = fahrplan.gueltig();
    if (idx(Hase_Anzahl) >= Hase_Loecher.size()) Hase_Loecher.resize(Hase_Loecher.size() + 10);
    Hasenloch& h = Hase_Loecher[idx(Hase_Anzahl)];
    h = Hasenloch{};
    h.X = FFU_X_von_Feld(feld);
    h.Y = FFU_Y_von_Feld(feld);
    h.Draussen = true;
    h.Anzahl = Hasen_Init;
    h.Start = h.Schritt = h.Position = herkunft;
    ++Hase_Anzahl;
    // Its timer stands at 0: due in the next step.
    if (geplant) {
        fahrplan.basis = Hase_Loecher.data();
        fahrplan.plaene.emplace_back();
        fahrplan.planen(Hase_Anzahl - 1);
    }
}

void Hase_Mod_ini_lesen() {
    const std::string datei = "Daten\\Mod.ini";
    // A damaged file is told once and its keys read as far as they can be read; in a sound
    // file a key that is no number is told and gives its default.
    const bool heil = Config_Datei_pruefen(datei, "Mod", "Hase_Mod_ini_lesen");
    auto zahl = [&](const std::string& schluessel, int vorgabe) {
        std::string text;
        Config_ReadString(datei, "Mod", schluessel, text, "");
        int wert = 0;
        if (text.empty()) return vorgabe;
        if (FFU_Zahl_lesen(text, wert)) return wert;
        if (heil)
            Fehler_melden("Hase_Mod_ini_lesen > " + datei + " " + schluessel + "=" + text.substr(0, 40) +
                          " ist keine Zahl, es gilt " + std::to_string(vorgabe));
        return vorgabe;
    };
    Hase_Grenzen_setzen(zahl("Hasen_Max", 10), zahl("Hasen_Init", 5), "Hase_Mod_ini_lesen");
}

bool Hase_Speichern(const std::string& pfad) {
    Hase_Loecher_abgleichen();
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
    Hase_Loecher_abgleichen();
}
