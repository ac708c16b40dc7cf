// Brandenhofmark: the program block.
//
//   brandenhofmark [--frames N] [--capture FILE]
//
// --frames N closes the window after N frames; --capture FILE writes the last of
// them as a BMP image first. Both serve headless runs (SDL_VIDEODRIVER=offscreen).
#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/GLForm.h"
#include "foundation/AudioModul.h"
#include "foundation/Bilddatei.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "persistence/Spielstaende.h"
#include "persistence/Update.h"
#include "platform/Audio.h"
#include "platform/Fenster.h"
#include "platform/base/System.h"
#include "platform/base/Zahl.h"
#include "render/Bildschirmfoto.h"
#include "render/Renderdienste.h"
#include "ui/Oberflaechendienste.h"

namespace {

struct FensterShell : ShellSeam {
    TGLForm& form;
    explicit FensterShell(TGLForm& f) : form(f) {}
    void Grafik_Engiene(bool nurInterface) override { form.Grafik_Engiene(nurInterface); }
    void Nachrichten_verarbeiten() override { plattform::Ereignisse_verarbeiten(form, 0); }
    void FormResize() override { form.FormResize(); }
    void Warten(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    void Meldung(const std::string& text) override { plattform::Meldung("Brandenhofmark", text); }
    void Programm_beenden() override { plattform::Schliessen_anfordern(); }
    int Formbreite() override {
        int b = form.ClientWidth, h = form.ClientHeight;
        if (plattform::Fenster_vorhanden()) plattform::Fenstergroesse(b, h);
        return b;
    }
    int Clientbreite() override { return form.ClientWidth; }
    int Clienthoehe() override { return form.ClientHeight; }
};

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

    plattform::SdlAudio audio;
    Audio_setzen(&audio);
    TGLForm form;
    GLForm = &form;
    FensterShell shell(form);
    Shell_setzen(&shell);
    Renderdienste render;
    Render_setzen(&render);
    Oberflaechendienste oberflaeche;
    Oberflaeche_setzen(&oberflaeche);
    LSU_Persistenzdienst persistenz;
    Persistenz_setzen(&persistenz);

    long frames = 0;
    form.vor_dem_Tauschen = [&] {
        if (frames_bis_ende >= 0 && frames + 1 >= frames_bis_ende && !mitschnitt.empty()) {
            if (!bild_schreiben(mitschnitt, form.ClientWidth, form.ClientHeight))
                std::fprintf(stderr, "capture failed: %s\n", mitschnitt.c_str());
        }
    };

    form.FormCreate();
    while (!form.beendet) {
        std::uint32_t jetzt = Tickzaehler();
        int warten = 10;
        for (const Zeitgeber* t : {&form.Starttimer, &form.Eventtimer})
            if (t->aktiv) warten = std::min(warten, std::max(0, static_cast<int>(t->faellig - jetzt)));
        plattform::Ereignisse_verarbeiten(form, warten);
        if (form.beendet) break;
        jetzt = Tickzaehler();
        if (form.Starttimer.faellig_bei(jetzt)) form.StarttimerTimer();
        if (form.beendet) break;
        if (form.Eventtimer.faellig_bei(jetzt)) {
            form.eventtimertimer();
            if (++frames == frames_bis_ende) plattform::Schliessen_anfordern();
        }
    }
    Update_abbrechen();
    Fehler_Protokoll_abschliessen();
    render.Alles_freigeben();
    form.FormDestroy();
    Persistenz_setzen(nullptr);
    Render_setzen(nullptr);
    Oberflaeche_setzen(nullptr);
    Shell_setzen(nullptr);
    GLForm = nullptr;
    Audio_setzen(nullptr);
    return form.exitcode;
}
