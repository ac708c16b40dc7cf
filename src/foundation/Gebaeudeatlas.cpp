#include "foundation/Gebaeudeatlas.h"

#include <algorithm>

#include "foundation/Bild.h"
#include "foundation/Fehler.h"
#include "foundation/Packbilder.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Parser.h"

std::vector<std::uint8_t> SBA_Raster;
std::uint8_t SBA_Markerlesen_aus = 0;

namespace {

// 24-bit pixels, blue green red, rows from the top.
struct Bildsicht {
    std::uint8_t* daten = nullptr;
    int breite = 0, hoehe = 0;
    std::size_t zeilenbytes = 0;
    std::uint8_t* pixel(int x, int y) const {
        return daten + y * zeilenbytes + 3 * static_cast<std::size_t>(x);
    }
};

bool zelle_frei(int x, int y) { return SBA_Raster[y * SBA_Rasterzellen + x] == 0; }

// First fit column by column; false when no nx x ny block of free cells is left.
bool platz_suchen(int nx, int ny, int& px, int& py) {
    for (int x = 0; x + nx <= SBA_Rasterzellen; ++x)
        for (int y = 0; y + ny <= SBA_Rasterzellen; ++y) {
            if (!zelle_frei(x, y)) continue;
            bool frei = true;
            for (int i = 0; i < nx && frei; ++i)
                for (int j = 0; j < ny && frei; ++j) frei = zelle_frei(x + i, y + j);
            if (frei) {
                px = x;
                py = y;
                return true;
            }
        }
    return false;
}

enum class Marker { keiner, rot, gruen, blau };

// Magenta, blue green red.
constexpr std::uint8_t Transparent[3] = {255, 0, 255};

Marker marker(const std::uint8_t* p) {
    const std::uint8_t b = p[0], g = p[1], r = p[2];
    if (r == 255 && g == 0 && b == 0) return Marker::rot;
    if (r == 0 && g == 255 && b == 0) return Marker::gruen;
    if (r == 0 && g == 0 && b == 255) return Marker::blau;
    return Marker::keiner;
}

// Places the picture, reads and removes its markers and appends its entry.
// False when the picture finds no room (nothing is changed then).
bool bild_platzieren(const Bildsicht& atlas, const Bildsicht& bild, int nummer) {
    if (SBA_Raster.size() < static_cast<std::size_t>(SBA_Rasterzellen * SBA_Rasterzellen))
        SBA_Atlasraster_leeren();
    const int nx = (bild.breite + SBA_Zellgroesse - 1) / SBA_Zellgroesse;
    const int ny = (bild.hoehe + SBA_Zellgroesse - 1) / SBA_Zellgroesse;
    int zx = 0, zy = 0;
    if (bild.breite < 1 || bild.hoehe < 1 || !platz_suchen(nx, ny, zx, zy)) return false;
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) SBA_Raster[(zy + j) * SBA_Rasterzellen + zx + i] = 1;

    Atlaseintrag e;
    e.Links = zx;
    e.Rechts = zx + nx;
    e.Oben = zy;
    e.Unten = zy + ny;
    int flagge_x = 0, flagge_y = 0;
    std::vector<Markerpunkt> blau;
    // The picture may reach past the atlas's edge only when the atlas itself is
    // smaller than expected; such pixels are cut off.
    const int breite = std::min(bild.breite, atlas.breite - zx * SBA_Zellgroesse);
    const int hoehe = std::min(bild.hoehe, atlas.hoehe - zy * SBA_Zellgroesse);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            const std::uint8_t* quelle = bild.pixel(x, y);
            if (!SBA_Markerlesen_aus) {
                const Marker m = marker(quelle);
                if (m == Marker::rot) {
                    e.Anker_X = -x;
                    e.Anker_Y = -y;
                } else if (m == Marker::gruen) {
                    e.hat_Flagge = 1;
                    flagge_x = x;
                    flagge_y = y;
                } else if (m == Marker::blau) {
                    blau.push_back({x, y});
                }
                // A marker takes the colour of its right-hand neighbour; the last
                // column has none and takes the left-hand one; a picture one pixel
                // wide gets the transparent colour.
                if (m != Marker::keiner)
                    quelle =
                        bild.breite > 1 ? bild.pixel(x + 1 < bild.breite ? x + 1 : x - 1, y) : Transparent;
            }
            std::copy_n(quelle, 3, atlas.pixel(zx * SBA_Zellgroesse + x, zy * SBA_Zellgroesse + y));
        }
    if (breite < bild.breite || hoehe < bild.hoehe)
        Fehler_melden("SBA_Bild_platzieren > Bild ragt ueber den Atlas hinaus und wird abgeschnitten.");
    e.Flagge_X = flagge_x + e.Anker_X;
    e.Flagge_Y = flagge_y + e.Anker_Y - 3;
    for (const Markerpunkt& p : blau) SBU_Markerpunkt_eintragen(nummer, p.x + e.Anker_X, p.y + e.Anker_Y);
    SBA_Atlastabelle.push_back(e);
    return true;
}

}  // namespace

void SBA_Atlasraster_leeren() { SBA_Raster.assign(SBA_Rasterzellen * SBA_Rasterzellen + 1, 0); }

void SBA_Atlas_anlegen(const std::string& programmordner, const std::string& name) {
    Bild atlas(SBA_Atlasgroesse, SBA_Atlasgroesse, tfBGR8);
    std::fill(atlas.pixel.begin(), atlas.pixel.end(), 0);
    Packbild_setzen(programmordner + name, std::move(atlas));
    SBA_Atlasraster_leeren();
}

bool SBA_Bild_in_Atlas(const std::string& vorlagenordner, const std::string& programmordner,
                       const std::string& atlasname, int nummer, const std::string& datei) {
    const std::string pfad = vorlagenordner + datei;
    Bild bild;
    Bild* atlas = nullptr;
    bool gesetzt = false;
    if (Packbild_Vorlage_laden(pfad, bild) && (atlas = Packbild(programmordner + atlasname))) {
        Bildsicht quelle{bild.pixel.data(), bild.breite, bild.hoehe, bild.Zeilengroesse()};
        if (bild.breite > SBA_Atlasgroesse || bild.hoehe > SBA_Atlasgroesse) {
            Fehler_melden("SBA_Bild_in_Atlas > " + pfad +
                          " ist groesser als der Atlas und wird abgeschnitten.");
            quelle.breite = std::min(quelle.breite, SBA_Atlasgroesse);
            quelle.hoehe = std::min(quelle.hoehe, SBA_Atlasgroesse);
        }
        gesetzt = bild_platzieren({atlas->pixel.data(), atlas->breite, atlas->hoehe, atlas->Zeilengroesse()},
                                  quelle, nummer);
        if (gesetzt)
            Packbild_geaendert(programmordner + atlasname);
        else
            Fehler_melden("SBA_Bild_in_Atlas > Kein Platz im Atlas fuer " + pfad);
    }
    // An empty entry keeps every later picture on its number.
    if (!gesetzt) SBA_Atlastabelle.push_back({});
    return gesetzt;
}

bool SBA_Atlas_kopieren(const std::string& von, const std::string& nach, const std::string& name) {
    return Packbild_kopieren(von + name, nach + name);
}
