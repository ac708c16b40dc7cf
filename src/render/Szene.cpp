#include "render/Szene.h"

#include <GL/gl.h>

#include <algorithm>

#include "economy/Bauvorschau.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Chunks.h"
#include "render/Farbskala.h"
#include "render/Figuren.h"
#include "render/Gebaeude.h"
#include "render/Gelaendebild.h"
#include "render/Interface.h"
#include "render/Modelliste.h"
#include "render/Schiffe.h"
#include "render/Spritestapel.h"
#include "render/Vorschaubild.h"
#include "world/Karte.h"

Sichtfenster Sichtbereich_berechnen(int sx, int sy, int w, int h, int n) {
    Sichtfenster f;
    const auto fl = [](long long a, long long b) { return static_cast<int>(Floor_div(a, b)); };
    f.y_von = std::max(0, fl(sy, 10) - fl(h, 10) - 14);
    f.y_bis = std::min(n - 2, fl(sy, 10) + 10);
    // The first column is taken from the first row, one screen width to the left; in a window
    // taller than that margin (height + 240 above the width) the top rows, which lie further
    // left, reach columns left of it: there the top row's first column on screen is taken.
    f.x_von = std::max(0, std::min(fl(-static_cast<long long>(sx) - w, 20) - fl(f.y_von, 2),
                                   fl(-static_cast<long long>(sx) - 40, 20) - fl(f.y_bis + 1LL, 2)));
    f.x_bis = std::min(n - 1, fl(static_cast<long long>(w) - sx, 20) - fl(f.y_von, 2));
    return f;
}

void Draw_Grundzustand() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_CULL_FACE);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

void Draw_Szene(bool nur_interface) {
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_EQUAL, 1.0f);
    Draw_Interface();
    if (!nur_interface) {
        const double s = static_cast<double>(Zoomstufe) / 20.0;
        glScaled(s, s, s);
        if (Neuzeichnen || Kamera_ziehen || Mausstatus > 0) {
            const Sichtfenster f = Sichtbereich_berechnen(SX, SY, Shell().Clientbreite(),
                                                          Shell().Clienthoehe(), MG_Kartengroesse);
            Sichtbereich_1_von = f.x_von;
            Sichtbereich_1_bis = f.x_bis;
            Sichtbereich_2_von = f.y_von;
            Sichtbereich_2_bis = f.y_bis;
            if (Kamera_ziehen) Neuzeichnen = true;
        }
        // A view wholly above the map is looked at again next frame (without entering drag mode).
        const bool ueber_der_karte = Sichtbereich_2_bis < 0;
        glTranslatef(static_cast<float>(SX), static_cast<float>(SY), 0);

        Draw_Personen(false);
        Draw_Personen(true);
        Draw_Hasen();

        if (ML_Binden(ML_Gebaeudepack.get(), "ML_Gebaeudepack")) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            // Everything on the building pack in one batch.
            SP_Beginnen();
            Draw_Gebaeude();
            Draw_Schiffe();
            if (Platzierungsmodus || Bau_Testmodus > 0)
                Draw_Bauvorschau();
            else
                VB_Freigeben();  // the markers' picture is not kept through ordinary play
            SP_Zeichnen();
            ML_Loesen();
        }
        glDisable(GL_ALPHA_TEST);

        if (Neuzeichnen || Mausstatus > 0) {
            Mausstatus = std::max(Mausstatus - 1, -1);
            Neuzeichnen = false;
            // Only chunks that came into view are compiled; those that stay keep their lists.
            Chunks_auffrischen(Sichtbereich_1_von, Sichtbereich_1_bis, Sichtbereich_2_von,
                               Sichtbereich_2_bis);
            if (Platzierungsmodus) BPU_Baumodus_starten(Bau_Typ);
            BPU_Sichtliste_Objekte();
            Sichtbereich_alt_1_von = Sichtbereich_1_von;
            Sichtbereich_alt_1_bis = Sichtbereich_1_bis;
            Sichtbereich_alt_2_von = Sichtbereich_2_von;
            Sichtbereich_alt_2_bis = Sichtbereich_2_bis;
        }
        if (ueber_der_karte) Neuzeichnen = true;
        Draw_Gelaende();
    }
    glDisable(GL_TEXTURE_2D);
}
