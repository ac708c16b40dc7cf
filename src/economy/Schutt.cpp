#include "economy/Schutt.h"

#include <algorithm>

#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "world/Karte.h"

std::vector<int> SchU_Schuttliste;
int SchU_Schutt_Anzahl = 0;

namespace {

// The used entries, never beyond the array.
int belegte() { return std::min(SchU_Schutt_Anzahl, static_cast<int>(SchU_Schuttliste.size())); }

}  // namespace

bool SchU_ist_Schutt(int ambiente) {
    return std::find(SBU_Trash_IDs.begin(), SBU_Trash_IDs.end(), ambiente) != SBU_Trash_IDs.end();
}

void SchU_Schutt_hinzufuegen(int feld) {
    if (SchU_Schutt_Anzahl < 0) SchU_Schutt_Anzahl = 0;
    if (static_cast<int>(SchU_Schuttliste.size()) - 1 < SchU_Schutt_Anzahl)
        SchU_Schuttliste.resize(static_cast<std::size_t>(SchU_Schutt_Anzahl) + 1, -1);
    SchU_Schuttliste[static_cast<std::size_t>(SchU_Schutt_Anzahl)] = feld;
    ++SchU_Schutt_Anzahl;
}

int SchU_Naechster_Schutt(int feld, int reichweite) {
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden("SchU_Naechster_Schutt > Feld ausserhalb der Karte: " + std::to_string(feld));
        return -1;
    }
    const int insel = Karte[static_cast<std::size_t>(feld)].Insel();
    const int n = belegte();
    for (int i = 0; i < n; ++i) {
        const int c = SchU_Schuttliste[static_cast<std::size_t>(i)];
        if (!MG_Feld_gueltig(c)) continue;
        if (Karte[static_cast<std::size_t>(c)].Insel() != insel) continue;
        if (FFU_Distanz(c, feld) < reichweite) return c;
    }
    return -1;
}

int SchU_Schutt_Index(int feld) {
    const int n = belegte();
    for (int i = 0; i < n; ++i)
        if (SchU_Schuttliste[static_cast<std::size_t>(i)] == feld) return i;
    return -1;
}

void SchU_Schutt_entfernen(int index) {
    const int n = belegte();
    if (n < 1) return;
    if (index < 0 || index >= n) {
        Fehler_melden("SchU_Schutt_entfernen > unbekannter Eintrag: " + std::to_string(index));
        return;
    }
    SchU_Schuttliste[static_cast<std::size_t>(index)] = SchU_Schuttliste[static_cast<std::size_t>(n - 1)];
    SchU_Schuttliste[static_cast<std::size_t>(n - 1)] = -1;
    SchU_Schutt_Anzahl = n - 1;
}

void SchU_Zuruecksetzen() {
    SchU_Schuttliste.clear();
    SchU_Schutt_Anzahl = 0;
}

bool SchU_Schutt_File_Save(const std::string& pfad) {
    std::vector<std::string> zeilen;
    const int n = belegte();
    for (int i = 0; i < n; ++i)
        zeilen.push_back(std::to_string(SchU_Schuttliste[static_cast<std::size_t>(i)]));
    return Seitendatei_schreiben(pfad, zeilen, "SchU_Schutt_File_Save");
}

void SchU_Schutt_File_Load(const std::string& pfad) {
    if (!SBU_Datei_vorhanden(pfad)) return;
    const auto zeilen = Seitendatei_lesen(pfad, "SchU_Schutt_File_Load");
    if (!zeilen) return;
    SchU_Schutt_Anzahl = 0;
    int nr = 0;
    for (const std::string& z : *zeilen) {
        ++nr;
        if (z.empty()) continue;
        int feld = 0;
        if (!FFU_Zahl_lesen(z, feld)) {
            Fehler_melden("SchU_Schutt_File_Load > " + pfad + " Zeile " + std::to_string(nr) +
                          ": keine Zahl");
            continue;
        }
        SchU_Schutt_hinzufuegen(feld);
    }
}
