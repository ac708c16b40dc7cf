#include "ui/Fenster.h"

#include <GL/gl.h>

#include <string>

#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Spielstatus.h"
#include "render/Modelliste.h"
#include "ui/Fensterprimitive.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"

namespace {

constexpr int kTiefe = 1000;

// The switches first, then the frame whose slats fill the window: at one depth, the windows'
// strictly-less test keeps the switches in front.
void schalterfenster(int w, int basis) {
    static constexpr int versatz[] = {-125, -40, 45};
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    for (int k = 0; k < 9; ++k) {
        const bool an = Schalterfenster_Optionen[static_cast<std::size_t>(3 * k + w - 1)];
        IFU_Icon_zeichnen(cx + versatz[k % 3], cy + versatz[k / 3], kTiefe, basis + 2 * k + (an ? 0 : 1));
    }
    IFU_Fensterrahmen_zeichnen(cx, cy);
}

void schlichtes_fenster() { IFU_Fensterhintergrund_zeichnen(IFU_Fenstermitte_X, IFU_Fenstermitte_Y); }

}  // namespace

IFU_Packbindung::IFU_Packbindung(const TglBitmap2D* pack, const char* name) {
    ML_Loesen();
    gebunden_ = ML_Binden(pack, name);
}

IFU_Packbindung::~IFU_Packbindung() {
    if (gebunden_) ML_Loesen();
    ML_Binden(ML_Interfacepack.get(), "ML_Interfacepack");
}

void IFU_Texturviereck(int X, int Y, float Z, const std::array<std::array<float, 4>, 4>& ecken) {
    glPushMatrix();
    glTranslatef(static_cast<float>(X), static_cast<float>(Y), Z);
    glBegin(GL_QUADS);
    for (const auto& [s, t, x, y] : ecken) {
        glTexCoord2f(s, t);
        glVertex3f(x, y, 0);
    }
    glEnd();
    glPopMatrix();
}

void IFU_Checkbox_Panel1() { schalterfenster(1, 103); }
void IFU_Checkbox_Panel2() { schalterfenster(2, 121); }
void IFU_Checkbox_Panel3() { schalterfenster(3, 139); }

void IFU_Warenraster_Zellen() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    const int F = IFU_Warenraster.Zeilen, R = IFU_Warenraster.Spalte;
    // The columns spread over 400 pixels; a single column stands at the left edge.
    const int teiler = R > 0 ? F : F - 1;
    const int s = teiler > 0 ? 400 / teiler : 0;
    int n = 0;
    const auto zelle = [&](int j, int i) {
        if (n >= IFU_Warenraster_Max) return;
        IFU_Icon_zeichnen_Set5(cx - 220 + j * s, cy - 172 + i * 52, kTiefe, IFU_Warenraster.Waren[n]);
        ++n;
    };
    for (int j = 0; j < F; ++j)
        for (int i = 0; i < IFU_Warenraster_Spalten; ++i) zelle(j, i);
    for (int i = 0; i < R; ++i) zelle(F, i);
}

void IFU_Fenster28() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    IFU_Icon_zeichnen(cx - 220, cy - 224, kTiefe, 165);
    {
        const IFU_Packbindung icons(ML_Iconpack.get(), "ML_Iconpack");
        if (icons.gebunden()) IFU_Warenraster_Zellen();
    }
    IFU_Fensterhintergrund_zeichnen(cx, cy);
}

void IFU_Minimap() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    for (int k = 0; k < 4; ++k) IFU_Icon_zeichnen(cx - 240 + 70 * k, cy - 220, kTiefe, 97 + k);
    if (Minimap_Art < 0 || Minimap_Art >= static_cast<int>(ML_Kartentexturen.size())) {
        Fehler_melden("IFU_Minimap > Minimap_Art nicht abgefangen : " + std::to_string(Minimap_Art));
    } else {
        // A parallelogram sheared 128 pixels to the left over its height, as the map rows are.
        const IFU_Packbindung karte(ML_Kartentexturen[static_cast<std::size_t>(Minimap_Art)].get(),
                                    "ML_Kartentexturen");
        glColor4f(1, 1, 1, 1);
        if (karte.gebunden())
            IFU_Texturviereck(cx - 126, cy - 36, 9.9f,
                              {{{1, 0, 256, 256}, {1, 1, 384, 0}, {0, 1, 0, 0}, {0, 0, -128, 256}}});
    }
    IFU_Fensterhintergrund_zeichnen(cx, cy);
}

void IFU_Fenster29() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    IFU_Icon_zeichnen(cx - 263, cy + 195, 980, 181);
    IFU_Icon_zeichnen(cx + 97, cy + 195, 980, 181);
    IFU_Icon_zeichnen(cx + 97, cy + 167, 980, 181);
    IFU_Icon_zeichnen(cx - 230, cy + 168, 990, 191);
    IFU_Fensterhintergrund_zeichnen(cx, cy);
}

void IFU_Fenster36() { schlichtes_fenster(); }
void IFU_Fenster40() { schlichtes_fenster(); }
void IFU_Fenster41() { schlichtes_fenster(); }
void IFU_Fenster42() { schlichtes_fenster(); }
