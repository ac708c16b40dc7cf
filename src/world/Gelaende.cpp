#include "world/Gelaende.h"

#include <algorithm>
#include <string>

#include "foundation/Datenzeile.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "world/Hasen.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace {

const char* const TEX_Fehler = "Landschaftsgenerator > unter Felder Matrize > ";

int level_von(int feld) { return Karte[static_cast<std::size_t>(feld)].LandType(); }

// Tile k of the transition group of a level (levels from niedrigste to 20); both
// kinds report under the same name.
int uebergang(const int (&gruppe)[21], int niedrigste, int level, int k) {
    if (level >= niedrigste && level <= 20) return k + gruppe[level];
    Fehler_melden(std::string(TEX_Fehler) + "MG_LandType1_TEX");
    return k + 6;
}

// The tile of one triangle from the levels of its corners p, q, r.
int dreieck(int p, int q, int r) {
    if (p == q && q == r) return MG_LandType0_TEX(p);
    if (p == q && p < r) return MG_LandType1_TEX(p, 0);
    if (p == r && p < q) return MG_LandType1_TEX(p, 1);
    if (q == r && p < q) return MG_LandType1_TEX(p, 2);
    if (p == q && p > r) return MG_LandType2_TEX(p, -3);
    if (p == r && p > q) return MG_LandType2_TEX(p, -2);
    if (q == r && p > q) return MG_LandType2_TEX(p, -1);
    // Three different levels (never on a generated map): the lowest corner's tile.
    return MG_LandType0_TEX(std::min({p, q, r}));
}

}  // namespace

int MG_LandType0_TEX(int level) {
    if (level >= 0 && level <= 20) return IU_Landklasse(level);
    Fehler_melden(std::string(TEX_Fehler) + "MG_LandType0_TEX");
    return 3;
}

int MG_LandType1_TEX(int level, int k) {
    // First tile of the group whose lower level is `level`.
    static constexpr int gruppe[21] = {5,  11, 17, 23, 23, 29, 35, 35, 35, 35, 35,
                                       35, 35, 35, 35, 41, 47, 47, 47, 47, 47};
    return uebergang(gruppe, 0, level, k);
}

int MG_LandType2_TEX(int level, int k) {
    // One past the last tile of the group whose higher level is `level` (none for 0).
    static constexpr int gruppe[21] = {0,  11, 17, 23, 29, 29, 35, 41, 41, 41, 41,
                                       41, 41, 41, 41, 41, 47, 53, 53, 53, 53};
    return uebergang(gruppe, 1, level, k);
}

void MG_Feld_Textur(int feld) {
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden("MG_Feld_Textur > Feld ausserhalb der Karte: " + std::to_string(feld));
        return;
    }
    const int n = MG_Kartengroesse;
    Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    const bool rechts = MG_Feld_gueltig(feld + 1);
    const bool unten = MG_Feld_gueltig(feld + n);
    k.Textur1() = rechts && unten ? dreieck(level_von(feld), level_von(feld + 1), level_von(feld + n)) : 0;
    k.Textur2() = rechts && unten && MG_Feld_gueltig(feld + n + 1)
                      ? dreieck(level_von(feld + 1), level_von(feld + n), level_von(feld + n + 1))
                      : 0;
}

void MG_Texturen_setzen() {
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) MG_Feld_Textur(c);
}

bool MG_Raster_gerade(int feld) {
    const int n = MG_Kartengroesse;
    if (n < 1 || feld < 0) return false;
    return (feld % n) % 2 == 0 && (feld / n) % 2 == 0;
}

bool MG_Dichte_wuerfeln(int d) { return d >= Random(40); }

int MG_Ambiente_wuerfeln(int feld) {
    if (!MG_Raster_gerade(feld)) return -1;
    if (!MG_Dichte_wuerfeln(SingelGamerohstoffWahl)) return -1;
    if (!MG_Feld_gueltig(feld)) return -1;
    const int level = level_von(feld);
    if (level < 0 || level >= static_cast<int>(SBU_OnMap.size())) return -1;
    const std::vector<int>& liste = SBU_OnMap[static_cast<std::size_t>(level)];
    if (liste.empty()) return -1;
    return liste[static_cast<std::size_t>(Random(static_cast<int>(liste.size())))];
}

void MG_Ambiente_verteilen() {
    MG_Texturen_setzen();
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
        Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        k.Ambiente() = MG_Ambiente_wuerfeln(c);
        k.Person() = -1;
        k.Objekt() = -1;
        k.Bauplatzwert() = -1;
        MG_Feld_sperre_setzen(c);
        if (MG_ist_Kaninchenbau(k.Ambiente())) Hase_Loch_anlegen(c, c);
    }
}

bool MG_ist_Ambiente(int typ) {
    const int a = typ - SBU_Ambiente_Basis();
    return typ >= SBU_Ambiente_Basis() && a < static_cast<int>(SBU_Ambiente.size());
}

bool MG_ist_Kaninchenbau(int typ) { return typ == SBU_ID_hole && MG_ist_Ambiente(typ); }

bool MG_Ambiente_blockiert(int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    const int typ = Karte[static_cast<std::size_t>(feld)].Ambiente();
    return MG_ist_Ambiente(typ) &&
           SBU_Ambiente[static_cast<std::size_t>(typ - SBU_Ambiente_Basis())].block != 0;
}

bool FFU_Umgebung_frei(int feld) {
    const int s = MG_Kartengroesse > 0 ? MG_Kartengroesse : 1;
    if (feld < 0 || feld / s >= s) return false;
    const int x = FFU_X_von_Feld(feld), y = FFU_Y_von_Feld(feld);
    if (x < 1 || y < 1 || x > s - 2 || y > s - 2) return false;
    for (int d = 0; d <= 6; ++d) {
        const int n = feld + FFU_Nachbarfeld(d);
        const Kartenfeld* k = Tabellenzeile(Karte, n);
        if (!k || k->LandType() < 3 || k->LandType() >= 6) return false;
        if (k->Block() != -1) return false;
        if (MG_Ambiente_blockiert(n)) return false;
        if (k->Person() != -1) return false;
    }
    return true;
}

void MG_Feld_sperre_setzen(int feld) {
    if (!MG_Feld_gueltig(feld)) return;
    Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    k.Block() = k.LandType() == 0 || MG_Ambiente_blockiert(feld) ? 2 : -1;
}
