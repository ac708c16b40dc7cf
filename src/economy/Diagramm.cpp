#include "economy/Diagramm.h"

#include <algorithm>
#include <cstdlib>

#include "economy/Errungenschaften.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Seitendatei.h"

std::vector<Spieler_Diagram> DiaU_Spieler;
int DiaU_Startpunkt = 1;
int DiaU_Min_Punkt = 0, DiaU_Max_Punkt = 0;
std::array<std::uint8_t, DiaU_Chartgroesse * DiaU_Chartgroesse * 3> DiaU_Pixel{};

namespace {

using Reihe = std::array<int, DiaU_Slots>;

const std::string kDatei = "DiaUV2.sav";

int Warenanzahl() { return static_cast<int>(SBU_Waren.size()); }

bool slot_gueltig(int slot) { return slot >= 0 && slot < DiaU_Slots; }

bool id_gueltig(int id) { return id >= 1 && id <= DiaU_Clanreihen; }

// The clan's record, growing the table to clan + 2 records when it is too short.
Spieler_Diagram* clan_satz(int clan, const char* routine) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden(std::string(routine) + " > unbekannter Clan: " + std::to_string(clan));
        return nullptr;
    }
    if (static_cast<std::size_t>(clan) >= DiaU_Spieler.size())
        DiaU_Spieler.resize(static_cast<std::size_t>(clan) + 2);
    return &DiaU_Spieler[static_cast<std::size_t>(clan)];
}

// A ware series of the clan for writing, growing the clan's list to ware + 2 series.
Reihe* ware_reihe_schreiben(int clan, int ware, int slot, bool zugang, const char* routine) {
    if (!slot_gueltig(slot)) {
        Fehler_melden(std::string(routine) + " > Falsches Zeitfenster: " + std::to_string(slot));
        return nullptr;
    }
    if (ware < 0 || ware >= Warenanzahl()) {
        Fehler_melden(std::string(routine) + " > unbekannte Ware: " + std::to_string(ware));
        return nullptr;
    }
    Spieler_Diagram* s = clan_satz(clan, routine);
    if (!s) return nullptr;
    auto& liste = zugang ? s->Zugang : s->Bestand;
    if (static_cast<std::size_t>(ware) >= liste.size())
        liste.resize(static_cast<std::size_t>(ware) + 2, Reihe{});
    return &liste[static_cast<std::size_t>(ware)];
}

// A ware series for reading; nullptr where the clan holds none.
const Reihe* ware_reihe_lesen(int clan, int ware, bool zugang) {
    if (clan < 0 || static_cast<std::size_t>(clan) >= DiaU_Spieler.size() || ware < 0) return nullptr;
    const auto& liste = zugang ? DiaU_Spieler[static_cast<std::size_t>(clan)].Zugang
                               : DiaU_Spieler[static_cast<std::size_t>(clan)].Bestand;
    return static_cast<std::size_t>(ware) < liste.size() ? &liste[static_cast<std::size_t>(ware)] : nullptr;
}

int ware_lesen(int clan, int ware, int slot, bool zugang) {
    const Reihe* r = ware_reihe_lesen(clan, ware, zugang);
    return r && slot_gueltig(slot) ? (*r)[static_cast<std::size_t>(slot)] : 0;
}

std::size_t clan_position(int id, int slot) { return static_cast<std::size_t>((id - 1) * DiaU_Slots + slot); }

// The clan's average: Floor(summe / mitglieder), 0 for a clan without members.
int schnitt(int summe, int mitglieder) {
    return mitglieder != 0 ? static_cast<int>(Floor_div(summe, mitglieder)) : 0;
}

// The path of the save file for a folder (with or without a trailing separator) or
// for the file's own path.
std::string datei_pfad(const std::string& ordner) {
    if (ordner.size() >= 4) {
        std::string ende = ordner.substr(ordner.size() - 4);
        std::transform(ende.begin(), ende.end(), ende.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (ende == ".sav") return ordner;
    }
    if (!ordner.empty() && (ordner.back() == '\\' || ordner.back() == '/')) return ordner + kDatei;
    return ordner + "\\" + kDatei;
}

}  // namespace

void DiaU_Init() {
    Spieler_Diagram leer;
    leer.Bestand.assign(SBU_Waren.size(), Reihe{});
    leer.Zugang.assign(SBU_Waren.size(), Reihe{});
    DiaU_Spieler.assign(Spieler.size(), leer);
}

void DiaU_Leeren() {
    DiaU_Spieler.clear();
    DiaU_Min_Punkt = DiaU_Max_Punkt = 0;
}

void DiaU_Wert_einsetzen(int clan, int gruppe, int id, int wert, int slot) {
    if (!slot_gueltig(slot)) {
        Fehler_melden("DiaU_Wert_einsetzen: Falsches Zeitfenster erkannt. ZeitID: " + std::to_string(slot));
        return;
    }
    switch (gruppe) {
        case DiaU_Gruppe_Bestand:
            DiaU_Ware_set_Wert(clan, id, slot, wert);
            break;
        case DiaU_Gruppe_Zugang:
            DiaU_Zugang_set_Wert(clan, id, slot, wert);
            break;
        case DiaU_Gruppe_Clan:
            DiaU_Clan_set_Wert(clan, id, slot, wert);
            break;
        default:
            Fehler_melden("DiaU_Wert_einsetzen: Die Gruppenzuordnung ist fehlgschlagen. GruppeID: " +
                          std::to_string(gruppe));
    }
}

void DiaU_Ware_set_Wert(int clan, int ware, int slot, int wert) {
    if (Reihe* r = ware_reihe_schreiben(clan, ware, slot, false, "DiaU_Ware_set_Wert"))
        Summe_addieren((*r)[static_cast<std::size_t>(slot)], wert);
}

void DiaU_Zugang_set_Wert(int clan, int ware, int slot, int wert) {
    if (Reihe* r = ware_reihe_schreiben(clan, ware, slot, true, "DiaU_Zugang_set_Wert"))
        Summe_addieren((*r)[static_cast<std::size_t>(slot)], wert);
}

void DiaU_Clan_set_Wert(int clan, int id, int slot, int wert) {
    if (!id_gueltig(id)) {
        Fehler_melden("DiaU_Clan_set_Wert abfrage ID nicht erkannt: " + std::to_string(id));
        return;
    }
    if (!slot_gueltig(slot)) {
        Fehler_melden("DiaU_Clan_set_Wert > Falsches Zeitfenster: " + std::to_string(slot));
        return;
    }
    if (Spieler_Diagram* s = clan_satz(clan, "DiaU_Clan_set_Wert")) s->Clan[clan_position(id, slot)] = wert;
}

int DiaU_Ware_get_Wert(int clan, int ware, int slot) { return ware_lesen(clan, ware, slot, false); }

int DiaU_Zugang_get_Wert(int clan, int ware, int slot) { return ware_lesen(clan, ware, slot, true); }

int DiaU_Clan_get_Wert(int clan, int id, int slot) {
    if (!id_gueltig(id) || !slot_gueltig(slot) || clan < 0 ||
        static_cast<std::size_t>(clan) >= DiaU_Spieler.size())
        return 0;
    return DiaU_Spieler[static_cast<std::size_t>(clan)].Clan[clan_position(id, slot)];
}

int DiaU_Clan_lesen(int clan, int id, int slot) {
    if (!id_gueltig(id)) {
        Fehler_melden("DiaU_Clan_lesen abfrage ID nicht erkannt: " + std::to_string(id));
        return 0;
    }
    return DiaU_Clan_get_Wert(clan, id, slot);
}

void DiaU_Clan_Eintragen(int clan, int id) {
    if (!id_gueltig(id)) {
        Fehler_melden("DiaU_Clan_Eintragen abfrage ID nicht erkannt: " + std::to_string(id));
        return;
    }
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("DiaU_Clan_Eintragen > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    int wert = 0;
    switch (id) {
        case 1:
            wert = s.Mitglieder();
            break;
        case 2:
            wert = s.Frauen();
            break;
        case 3:
            wert = s.Maenner();
            break;
        case 4:
            wert = schnitt(s.Alter_Summe(), s.Mitglieder());
            break;
        case 5:
            wert = s.Arbeitslose();
            break;
        case 6:
            wert = s.Arbeitslose_Fach();
            break;
        case 7:
            wert = s.Arbeit_Produktion();
            break;
        case 8:
            wert = s.Arbeit_Auftrag();
            break;
        case 9:
            wert = s.Arbeit_Rohstoff();
            break;
        case 10:
            wert = s.Ohne_Arbeit();
            break;
        case 11:
            wert = schnitt(s.Zufriedenheit(), s.Mitglieder());
            break;
        case 12:
            wert = s.Zufriedenheit();
            break;
        case 13:
            wert = s.Zufriedene();
            break;
        case 14:
            wert = s.Mittelzufriedene();
            break;
        case 15:
            wert = s.Unzufriedene();
            break;
        case 16:
            wert = s.Baustellen_gesamt();
            break;
        case 17:
            wert = s.Baustellen();
            break;
        case 18:
            wert = s.Wohnraum();
            break;
        case 19:
            wert = s.Gold();
            break;
        case 20:
            wert = s.Konto_Clan();
            s.Konto_Clan() = 0;
            break;
        case 21:
            wert = s.Konto_Spieler();
            break;
        case 22:
            wert = s.Konto_Edikt();
            s.Konto_Edikt() = 0;
            break;
        case 23:
            wert = LGK_Nahrung_des_Spielers(clan) + LGK_Luxus_des_Spielers(clan) +
                   LGK_Sonstiges_des_Spielers(clan);
            break;
        case 24:
            wert = LGK_Nahrung_des_Spielers(clan);
            break;
        case 25:
            wert = LGK_Luxus_des_Spielers(clan);
            break;
        default:
            wert = s.Flugschiffe();
            break;  // 26
    }
    DiaU_Wert_einsetzen(clan, DiaU_Gruppe_Clan, id, wert, DiaU_Startpunkt);
}

void DiaU_Zeitschritt() {
    // A slot that a load left outside the ring starts the ring again.
    if (!slot_gueltig(DiaU_Startpunkt)) DiaU_Startpunkt = 0;
    const int vorher = DiaU_Startpunkt;
    FFU_Zaehler_weiter(DiaU_Startpunkt, DiaU_Slots, 0);
    const auto neu = static_cast<std::size_t>(DiaU_Startpunkt);
    for (Spieler_Diagram& s : DiaU_Spieler) {
        for (Reihe& r : s.Zugang) r[neu] = 0;
        for (Reihe& r : s.Bestand) r[neu] = r[static_cast<std::size_t>(vorher)];
    }
    for (int id = 1; id <= DiaU_Clanreihen; ++id)
        for (std::size_t p = 0; p < Spieler.size(); ++p) DiaU_Clan_Eintragen(static_cast<int>(p), id);
    ESU_Alter_pruefen(SpielerID);
}

void DiaU_Clan_loeschen(int clan) {
    if (Spieler_Diagram* s = clan_satz(clan, "DiaU_Clan_loeschen")) s->Clan.fill(0);
}

// --- Save file ------------------------------------------------------------------------

bool DiaU_speichern(const std::string& ordner) {
    // The layout the loader reads: per clan row as many ware series per group as there
    // are goods templates, then the 26 clan series; series a clan never had are 0.
    std::vector<std::string> zeilen;
    const int waren = Warenanzahl();
    zeilen.reserve(Spieler.size() * static_cast<std::size_t>((2 * waren + DiaU_Clanreihen) * DiaU_Slots));
    for (std::size_t c = 0; c < Spieler.size(); ++c) {
        const int clan = static_cast<int>(c);
        for (int zugang = 0; zugang < 2; ++zugang)
            for (int w = 0; w < waren; ++w)
                for (int t = 0; t < DiaU_Slots; ++t)
                    zeilen.push_back(std::to_string(ware_lesen(clan, w, t, zugang)));
        for (int id = 1; id <= DiaU_Clanreihen; ++id)
            for (int t = 0; t < DiaU_Slots; ++t)
                zeilen.push_back(std::to_string(DiaU_Clan_get_Wert(clan, id, t)));
    }
    return Seitendatei_schreiben(datei_pfad(ordner), zeilen, "DiaU_speichern");
}

void DiaU_laden(const std::string& ordner) {
    auto zeilen = Seitendatei_lesen(datei_pfad(ordner), "DiaU_laden");
    if (!zeilen) return;
    const int waren = Warenanzahl();
    std::size_t i = 0;
    // The next value of the file; false (reported) at a bad or missing line, which ends the load.
    auto naechster = [&](int& wert) {
        if (i >= zeilen->size()) {
            Fehler_melden("DiaU_laden > " + kDatei + " endet nach Zeile " + std::to_string(i));
            return false;
        }
        if (!FFU_Spielstandzahl_lesen((*zeilen)[i], wert)) {
            Fehler_melden("DiaU_laden > " + kDatei + " Zeile " + std::to_string(i + 1) +
                          " ist keine Zahl: " + (*zeilen)[i]);
            return false;
        }
        ++i;
        return true;
    };
    for (std::size_t c = 0; c < Spieler.size(); ++c) {
        const int clan = static_cast<int>(c);
        for (int gruppe : {DiaU_Gruppe_Bestand, DiaU_Gruppe_Zugang})
            for (int w = 0; w < waren; ++w)
                for (int t = 0; t < DiaU_Slots; ++t) {
                    int wert = 0;
                    if (!naechster(wert)) return;
                    DiaU_Wert_einsetzen(clan, gruppe, w, wert, t);
                }
        for (int id = 1; id <= DiaU_Clanreihen; ++id)
            for (int t = 0; t < DiaU_Slots; ++t) {
                int wert = 0;
                if (!naechster(wert)) return;
                DiaU_Wert_einsetzen(clan, DiaU_Gruppe_Clan, id, wert, t);
            }
    }
}

// --- Charts -------------------------------------------------------------------------

namespace {

constexpr int kLeer = 999999;

// The value of the chart's series at the slot.
int chart_wert(int kategorie, int clan, int reihe, int slot) {
    switch (kategorie) {
        case 1:
            return DiaU_Ware_get_Wert(clan, reihe, slot);
        case 2:
            return DiaU_Zugang_get_Wert(clan, reihe, slot);
        default:
            return DiaU_Clan_get_Wert(clan, reihe, slot);
    }
}

// The slots in column order: the 64 newest of the ring, the oldest first and the current
// slot last, so the newest sample always stands in the right-hand column. Only the oldest
// slot, which the next year overwrites, is left out.
std::array<int, DiaU_Slots - 1> spalten_slots() {
    const int start = slot_gueltig(DiaU_Startpunkt) ? DiaU_Startpunkt : 0;
    std::array<int, DiaU_Slots - 1> slots{};
    for (int c = 0; c < DiaU_Slots - 1; ++c)
        slots[static_cast<std::size_t>(c)] = (start + 2 + c) % DiaU_Slots;
    return slots;
}

// Widens min and max over the slots the chart shows.
void spanne(int kategorie, int clan, int reihe) {
    for (int t : spalten_slots()) {
        const int v = chart_wert(kategorie, clan, reihe, t);
        DiaU_Min_Punkt = std::min(DiaU_Min_Punkt, v);
        DiaU_Max_Punkt = std::max(DiaU_Max_Punkt, v);
    }
}

// Pixel row of a value: Floor(255 / range * (v - min)), taken exactly.
int zeile_von_wert(int v, std::int64_t bereich) {
    return static_cast<int>(Floor_div(255 * (static_cast<std::int64_t>(v) - DiaU_Min_Punkt), bereich));
}

std::uint8_t farbanteil(int prozent) {
    return static_cast<std::uint8_t>(
        std::clamp<std::int64_t>(Floor_div(std::int64_t{prozent} * 255, 100), 0, 255));
}

void linie_zeichnen(int kategorie, int clan, int reihe, std::int64_t bereich) {
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    std::uint8_t rot = farbanteil(s.Farbe_R()), gruen = farbanteil(s.Farbe_G()),
                 blau = farbanteil(s.Farbe_B());
    // A white line would not show on the white chart.
    if (s.Farbe_R() == 100 && s.Farbe_G() == 100 && s.Farbe_B() == 100) rot = gruen = blau = 0;
    const auto slots = spalten_slots();
    const int letzte = DiaU_Chartgroesse * DiaU_Chartgroesse - 1;
    for (std::size_t c = 0; c < slots.size(); ++c) {
        const int slot = slots[c];
        const int y1 = zeile_von_wert(chart_wert(kategorie, clan, reihe, slot), bereich);
        const int y2 = c + 1 == slots.size()
                           ? y1
                           : zeile_von_wert(chart_wert(kategorie, clan, reihe, slots[c + 1]), bereich);
        const int n = DiaU_Linienschritte(y1, y2);
        for (int k = 0; k <= n; ++k) {
            // The last point of a segment would lie in the next segment's first column;
            // at the right edge it stays in the chart's last column.
            const int x = std::min(4 * static_cast<int>(c) + k * 4 / n, DiaU_Chartgroesse - 1);
            const int y = y1 + static_cast<int>(Floor_div(static_cast<std::int64_t>(k) * (y2 - y1), n));
            const int index = std::clamp(y * DiaU_Chartgroesse + x, 0, letzte);
            std::uint8_t* p = &DiaU_Pixel[static_cast<std::size_t>(index) * 3];
            p[0] = rot;
            p[1] = gruen;
            p[2] = blau;
        }
    }
}

}  // namespace

void DiaU_Spanne_Ware(int clan, int ware) { spanne(1, clan, ware); }
void DiaU_Spanne_Zugang(int clan, int ware) { spanne(2, clan, ware); }
void DiaU_Spanne_Clan(int clan, int id) { spanne(3, clan, id); }

int DiaU_Linienschritte(int y1, int y2) { return std::abs(y2 - y1) + 4; }

int DiaU_naechster_Punkt() { return DiaU_Startpunkt + 1 >= DiaU_Slots ? 0 : DiaU_Startpunkt + 1; }

void DiaU_Chart_erstellen(int kategorie, int reihe) {
    DiaU_Pixel.fill(255);
    if (kategorie < 1 || kategorie > 3) {
        // An empty chart, so the window does not go on showing the previous series.
        Fehler_melden("DiaU_Chart_erstellen > Modus nicht erkannt: " + std::to_string(kategorie));
        DiaU_Min_Punkt = DiaU_Max_Punkt = 0;
        Render().ML_Diagrammtextur_erzeugen(DiaU_Pixel.data(), DiaU_Chartgroesse, DiaU_Chartgroesse);
        return;
    }
    DiaU_Min_Punkt = kLeer;
    DiaU_Max_Punkt = 0;
    for (std::size_t p = 0; p < Spieler.size(); ++p) spanne(kategorie, static_cast<int>(p), reihe);
    const std::int64_t bereich =
        std::max<std::int64_t>(static_cast<std::int64_t>(DiaU_Max_Punkt) - DiaU_Min_Punkt, 1);
    if (GU_Clan_gueltig(SpielerID)) {
        const bool buendnis = Spieler[static_cast<std::size_t>(SpielerID)].Buendnis() == 1;
        for (std::size_t p = 0; p < Spieler.size(); ++p) {
            const int clan = static_cast<int>(p);
            const bool gezeigt = clan == SpielerID || (buendnis && Spieler[p].Buendnis() == 1);
            if (gezeigt) linie_zeichnen(kategorie, clan, reihe, bereich);
        }
    }
    Render().ML_Diagrammtextur_erzeugen(DiaU_Pixel.data(), DiaU_Chartgroesse, DiaU_Chartgroesse);
}
