// Brandenhofmark: the program block.
//
//   brandenhofmark [--frames N] [--capture FILE]
//
// --frames N closes the window after N frames; --capture FILE writes the last of
// them as a BMP image first. Both serve headless runs (SDL_VIDEODRIVER=offscreen).
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "app/Programm.h"
#include "foundation/Bilddatei.h"
#include "platform/Fenster.h"
#include "platform/base/Prozess.h"
#include "platform/base/System.h"
#include "platform/base/Zahl.h"
#include "render/Bildschirmfoto.h"

namespace {

// Writes the back buffer as a 24-bit BMP through the image codec.
bool bild_schreiben(const std::string& datei, int b, int h) {
    glReadBuffer(GL_BACK);
    return Bilddatei_speichern(datei, Bildschirmfoto(b, h));
}

}  // namespace

int main(int argc, char** argv) {
    long frames_bis_ende = -1;
    std::string mitschnitt;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        int n = 0;
        if (a == "--frames" && i + 1 < argc && Zahl_lesen(argv[i + 1], n) && n > 0) {
            frames_bis_ende = n;
            ++i;
        } else if (a == "--capture" && i + 1 < argc) {
            mitschnitt = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--frames N] [--capture FILE]\n", argv[0]);
            return 64;
        }
    }

    Programm programm;
    TGLForm& form = programm.form;
    long frames = 0;
    form.vor_dem_Tauschen = [&] {
        if (frames_bis_ende >= 0 && frames + 1 >= frames_bis_ende && !mitschnitt.empty()) {
            if (!bild_schreiben(mitschnitt, form.ClientWidth, form.ClientHeight))
                std::fprintf(stderr, "capture failed: %s\n", mitschnitt.c_str());
        }
    };

    programm.erzeugen(Programmordner());
    while (!form.beendet) {
        if (programm.Runde() && ++frames == frames_bis_ende) plattform::Schliessen_anfordern();
    }
    programm.beenden();
    // The full-screen switch starts the program anew: its successor takes this process's
    // place only now, when the window, sound and files are let go.
    if (Neustart_vorgemerkt()) {
        const std::string grund = Neustart_ausfuehren(argv);
        std::fprintf(stderr, "Neustart gescheitert: %s\n", grund.c_str());
        return 1;
    }
    return form.exitcode;
}
