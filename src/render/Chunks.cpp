#include "render/Chunks.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>

#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Gelaende.h"
#include "render/Modelliste.h"
#include "world/Karte.h"

long Chunk_Kompilierungen = 0;

namespace {

constexpr int kKante = 16;
// Half a pixel of overlap between neighbouring terrain triangles: where their edges meet
// on pixel centres (and when zoomed in) no hairline of the background shows between them.
constexpr float kUeberlappung = 0.5f;

// The side the compiled lists were made for.
int kompiliert_fuer = -1;

int landtype(int c) { return Karte[static_cast<std::size_t>(c)].LandType(); }

bool karte_nutzbar() { return Karte.size() >= 2 && MG_Kartengroesse > 0; }

// Index of chunk k among the visible ones, -1 when it is not compiled.
int sichtbar_index(int k) {
    for (int i = 0; i < Chunkinteger && i < ML_Chunk_Anzahl; ++i)
        if (ML_Chunks_sichtbar[static_cast<std::size_t>(i)] == k) return i;
    return -1;
}

void liste_loeschen(int k) {
    if (k < 0 || k >= ML_Chunk_Anzahl) return;
    GLuint& l = ML_Chunklisten[static_cast<std::size_t>(k)];
    if (l != 0) glDeleteLists(l, 1);
    l = 0;
}

// Chunk of the window range, clamped to the map.
void chunkbereich(int von, int bis, int& c_von, int& c_bis) {
    const int n = MG_Kartengroesse;
    c_von = std::max(0, von) / kKante;
    c_bis = std::min(bis, n - 1) / kKante;
}

}  // namespace

int Chunk_pro_Zeile() { return (MG_Kartengroesse + kKante - 1) / kKante; }

bool Chunk_auf_Schirm(int cx, int cy) {
    if (!karte_nutzbar()) return false;
    const int n = MG_Kartengroesse;
    const int w = Shell().Clientbreite(), h = Shell().Clienthoehe();
    const int x0 = kKante * cx, y0 = kKante * cy;
    const int x1 = std::min(x0 + kKante - 1, n - 1), y1 = std::min(y0 + kKante - 1, n - 1);
    // Every cell counts, not only the four corners: a chunk is a slanted band 480 pixels wide,
    // and where it crosses a corner of the screen its own corners may all lie outside it.
    for (int y = std::max(y0, 0); y <= y1; ++y)
        for (int x = std::max(x0, 0); x <= x1; ++x) {
            const int c = x + y * n;
            if (!MG_Feld_gueltig(c)) continue;
            const int p = 20 * x + 10 * y + SX, q = SY - 7 * landtype(c) - 10 * y;
            if (-33 < p && p < w - 6 && -29 < q && q < h) return true;
        }
    return false;
}

void Chunk_Liste_kompilieren(int cx, int cy, int k) {
    if (k < 0 || k >= ML_Chunk_Anzahl || !karte_nutzbar()) return;
    const int n = MG_Kartengroesse;
    const int letzte = static_cast<int>(Karte.size()) - 1;
    GLuint& l = ML_Chunklisten[static_cast<std::size_t>(k)];
    if (l == 0) l = glGenLists(1);
    if (l == 0) return;
    ++Chunk_Kompilierungen;
    glNewList(l, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < kKante; ++i) {
        const int x = kKante * cx + i;
        if (x >= n) break;
        for (int j = 0; j < kKante; ++j) {
            const int y = kKante * cy + j;
            const int c = x + y * n;
            if (y >= n || !MG_Feld_gueltig(c)) break;
            const float p = static_cast<float>(20 * x + 10 * y);
            const Kartenfeld& f = Karte[static_cast<std::size_t>(c)];
            ML_Gelaende_Ecken_ausgeben(false, f.Textur1(), p, static_cast<float>(-7 * f.LandType() - 10 * y),
                                       kUeberlappung);
            if (c < letzte) {
                const int q = -7 * landtype(c + 1) - 10 * y;
                ML_Gelaende_Ecken_ausgeben(true, f.Textur2(), p + 10, static_cast<float>(q + 2),
                                           kUeberlappung);
            }
        }
    }
    glEnd();
    glEndList();
    kompiliert_fuer = n;
}

void Chunk_update_check(int cx, int cy, int k) {
    if (k < 0 || k >= ML_Chunk_Anzahl || !karte_nutzbar() || !Chunk_auf_Schirm(cx, cy)) return;
    if (sichtbar_index(k) < 0) {
        if (Chunkinteger >= ML_Chunk_Anzahl) return;
        ML_Chunks_sichtbar[static_cast<std::size_t>(Chunkinteger++)] = k;
    }
    Chunk_Liste_kompilieren(cx, cy, k);
}

void Chunk_Sichtbare_pruefen(int x_von, int x_bis, int y_von, int y_bis) {
    if (!karte_nutzbar()) return;
    int cx0, cx1, cy0, cy1;
    chunkbereich(x_von, x_bis, cx0, cx1);
    chunkbereich(y_von, y_bis, cy0, cy1);
    const int pro_zeile = Chunk_pro_Zeile();
    for (int cy = cy0; cy <= cy1; ++cy)
        for (int cx = cx0; cx <= cx1; ++cx) Chunk_update_check(cx, cy, cy * pro_zeile + cx);
}

void Chunk_Listen_loeschen() {
    for (int i = 0; i < Chunkinteger && i < ML_Chunk_Anzahl; ++i)
        liste_loeschen(ML_Chunks_sichtbar[static_cast<std::size_t>(i)]);
    Chunkinteger = 0;
}

void Chunks_auffrischen(int x_von, int x_bis, int y_von, int y_bis) {
    if (kompiliert_fuer != MG_Kartengroesse) Chunk_Listen_loeschen();
    if (!karte_nutzbar()) {
        Chunk_Listen_loeschen();
        return;
    }
    std::array<bool, ML_Chunk_Anzahl> alt{};
    for (int i = 0; i < Chunkinteger && i < ML_Chunk_Anzahl; ++i) {
        const int k = ML_Chunks_sichtbar[static_cast<std::size_t>(i)];
        if (k >= 0 && k < ML_Chunk_Anzahl) alt[static_cast<std::size_t>(k)] = true;
    }
    std::array<bool, ML_Chunk_Anzahl> bleibt{};
    int anzahl = 0;
    int cx0, cx1, cy0, cy1;
    chunkbereich(x_von, x_bis, cx0, cx1);
    chunkbereich(y_von, y_bis, cy0, cy1);
    const int pro_zeile = Chunk_pro_Zeile();
    for (int cy = cy0; cy <= cy1; ++cy) {
        for (int cx = cx0; cx <= cx1; ++cx) {
            const int k = cy * pro_zeile + cx;
            if (k < 0 || k >= ML_Chunk_Anzahl || !Chunk_auf_Schirm(cx, cy)) continue;
            if (!alt[static_cast<std::size_t>(k)]) Chunk_Liste_kompilieren(cx, cy, k);
            bleibt[static_cast<std::size_t>(k)] = true;
            ML_Chunks_sichtbar[static_cast<std::size_t>(anzahl++)] = k;
        }
    }
    for (int k = 0; k < ML_Chunk_Anzahl; ++k)
        if (alt[static_cast<std::size_t>(k)] && !bleibt[static_cast<std::size_t>(k)]) liste_loeschen(k);
    Chunkinteger = anzahl;
}

void Chunks_Feld_neu(int c) {
    if (!karte_nutzbar() || !MG_Feld_gueltig(c)) return;
    const int n = MG_Kartengroesse;
    const int pro_zeile = Chunk_pro_Zeile();
    std::array<int, 4> erledigt = {-1, -1, -1, -1};
    int i = 0;
    for (int z : {c, c - 1, c - n, c - n - 1}) {
        if (!MG_Feld_gueltig(z)) continue;
        const int cx = (z % n) / kKante, cy = (z / n) / kKante;
        const int k = cy * pro_zeile + cx;
        if (std::find(erledigt.begin(), erledigt.end(), k) != erledigt.end()) continue;
        erledigt[static_cast<std::size_t>(i++)] = k;
        if (sichtbar_index(k) >= 0) Chunk_Liste_kompilieren(cx, cy, k);
    }
}
