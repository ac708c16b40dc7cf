#include "world/Landschaft.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "economy/Logik.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Chunks.h"
#include "world/Gelaende.h"
#include "world/Karte.h"
#include "world/Pfade.h"

int SLB_Scanposition = 0;

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

int stufen() { return static_cast<int>(SBU_Way_IDs.size()); }

// The path stage 0..L-1 of an ambient type; -1 when it is none.
int wegstufe(int typ) {
    if (typ < 0) return -1;
    const auto it = std::find(SBU_Way_IDs.begin(), SBU_Way_IDs.end(), typ);
    return it == SBU_Way_IDs.end() ? -1 : static_cast<int>(it - SBU_Way_IDs.begin());
}

bool ist_Blume(int typ) {
    return typ >= 0 && std::find(SBU_Flower_IDs.begin(), SBU_Flower_IDs.end(), typ) != SBU_Flower_IDs.end();
}

// The year count ends in 0 or 1.
bool Blumenjahr() { return Floor_div(SZ, 10) == Floor_div(SZ + 8, 10); }

// The six neighbours' levels of an interior cell; false at the border.
bool nachbarhoehen(int c, int (&hoehe)[6]) {
    if (!PFU_Feld_im_Inneren(c)) return false;
    for (int d = 1; d <= 6; ++d) hoehe[d - 1] = Karte[idx(PFU_Nachbarfeld(c, d))].LandType();
    return true;
}

void absenken(int c) {
    Karte[idx(c)].LandType() = 4;
    Chunk_Feld_geaendert(c);
}

bool weg_verfallen(int c) {
    Kartenfeld& k = Karte[idx(c)];
    const int s = wegstufe(k.Ambiente());
    if (s < 0) return false;
    if (s == 0)
        k.Ambiente() = -1;
    else if (k.Block() != 1)
        k.Ambiente() = SBU_Way_IDs[idx(s - 1)];
    return true;
}

bool auf_Karte_erlaubt(int typ, int land) {
    if (land < 0 || idx(land) >= SBU_OnMap.size()) return false;
    const std::vector<int>& l = SBU_OnMap[idx(land)];
    return std::find(l.begin(), l.end(), typ) != l.end();
}

bool vegetation(int c) {
    Kartenfeld& k = Karte[idx(c)];
    const int land = k.LandType();
    if (k.Block() != -1 || !Blumenjahr() || !MG_Raster_gerade(c)) return false;
    // A level without a list draws nothing; a level whose list is empty still
    // draws its flower, which then does not fit.
    if (land < 0 || idx(land) >= SBU_OnMap.size() || SBU_Flower_IDs.empty()) return false;
    const int blume = SBU_Flower_IDs[idx(Random(static_cast<int>(SBU_Flower_IDs.size())))];
    if (!auf_Karte_erlaubt(blume, land)) return false;
    k.Ambiente() = blume;
    return true;
}

bool blume_verwelken(int c) {
    Kartenfeld& k = Karte[idx(c)];
    if (k.Block() != -1 || Blumenjahr() || !MG_Raster_gerade(c) || !ist_Blume(k.Ambiente())) return false;
    for (int d = 1; d <= 6; ++d) {
        const int n = PFU_Nachbarfeld(c, d);
        if (n >= 0 && wegstufe(Karte[idx(n)].Ambiente()) >= 0) return false;
    }
    k.Ambiente() = -1;
    return true;
}

void stufe_glaetten(int c) {
    int hoehe[6];
    if (Karte[idx(c)].LandType() != 5 || !nachbarhoehen(c, hoehe)) return;
    int summe = 0;
    for (int h : hoehe) {
        if (h > 5) return;
        summe += h;
    }
    // Mean above 4.5.
    if (2 * summe > 9 * 6) absenken(c);
}

}  // namespace

bool SLB_ist_Bodendecke(int typ) { return wegstufe(typ) >= 0 || ist_Blume(typ); }

void SLB_Trampelpfad(int person) {
    if (Random(10) != 0) return;
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("SLB_Trampelpfad > unbekannte Person: " + std::to_string(person));
        return;
    }
    const Personenzeile& p = Personen[idx(person)];
    if (p.AuftragID() != 201 && p.AuftragID() != 351) return;
    const int c = p.Feld();
    if (!MG_Feld_gueltig(c)) {
        Fehler_melden("SLB_Trampelpfad > Feld ausserhalb der Karte: " + std::to_string(c));
        return;
    }
    Kartenfeld& k = Karte[idx(c)];
    if (k.Block() != -1 && k.Block() != 1) return;
    if (k.LandType() == 4) {
        if (stufen() == 0) return;
        const int s = wegstufe(k.Ambiente());
        if (k.Ambiente() == -1 || ist_Blume(k.Ambiente()))
            k.Ambiente() = SBU_Way_IDs[0];
        else if (s >= 0 && s < stufen() - 1)
            k.Ambiente() = SBU_Way_IDs[idx(s + 1)];
    } else if (k.LandType() == 5) {
        int hoehe[6];
        if (!nachbarhoehen(c, hoehe)) return;
        for (int h : hoehe)
            if (h < 3 || h > 5) return;
        absenken(c);
    }
}

void SLB_Zuruecksetzen() { SLB_Scanposition = 0; }

void SLB_Landschaft_Tick() {
    const int n = MG_Kartengroesse;
    if (Karte.size() != idx(n) * idx(n) || n < 2) return;
    const int anzahl = static_cast<int>(Ceil_div(n * n - 1, 18000)) * stufen();
    for (int i = 0; i < anzahl; ++i) SLB_Feld_bearbeiten(SLB_naechstes_Feld());
}

int SLB_naechstes_Feld() {
    const int letzte = MG_Kartengroesse * MG_Kartengroesse - 1;
    if (letzte < 1) return 0;
    SLB_Scanposition += 17761;
    while (SLB_Scanposition > letzte) SLB_Scanposition -= letzte;
    return SLB_Scanposition;
}

void SLB_Feld_bearbeiten(int feld) {
    if (!MG_Feld_gueltig(feld)) return;
    const Kartenfeld& k = Karte[idx(feld)];
    if (k.LandType() == 0) return;
    if (k.Ambiente() != -1) {
        if (weg_verfallen(feld)) return;
        if (Random(stufen()) == 1) blume_verwelken(feld);
        return;
    }
    if (Random(stufen()) == 1 && !vegetation(feld)) stufe_glaetten(feld);
}
