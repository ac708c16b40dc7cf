#include "app/Programm.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "foundation/AudioModul.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "persistence/Spielstaende.h"
#include "persistence/Update.h"
#include "platform/Audio.h"
#include "platform/Fenster.h"
#include "platform/base/System.h"
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

}  // namespace

struct Programm::Dienste {
    plattform::SdlAudio audio;
    FensterShell shell;
    Renderdienste render;
    Oberflaechendienste oberflaeche;
    LSU_Persistenzdienst persistenz;
    explicit Dienste(TGLForm& form) : shell(form) {}
};

Programm::Programm() : dienste_(std::make_unique<Dienste>(form)) {
    Audio_setzen(&dienste_->audio);
    GLForm = &form;
    Shell_setzen(&dienste_->shell);
    Render_setzen(&dienste_->render);
    Oberflaeche_setzen(&dienste_->oberflaeche);
    Persistenz_setzen(&dienste_->persistenz);
}

Programm::~Programm() {
    beenden();
    Persistenz_setzen(nullptr);
    Render_setzen(nullptr);
    Oberflaeche_setzen(nullptr);
    Shell_setzen(nullptr);
    GLForm = nullptr;
    Audio_setzen(nullptr);
}

void Programm::erzeugen(const std::string& programmordner) { form.FormCreate(programmordner); }

bool Programm::Runde() {
    std::uint32_t jetzt = Tickzaehler();
    int warten = 10;
    for (const Zeitgeber* t : {&form.Starttimer, &form.Eventtimer})
        if (t->aktiv) warten = std::min(warten, std::max(0, static_cast<int>(t->faellig - jetzt)));
    plattform::Ereignisse_verarbeiten(form, warten);
    if (form.beendet) return false;
    jetzt = Tickzaehler();
    if (form.Starttimer.faellig_bei(jetzt)) form.StarttimerTimer();
    if (form.beendet) return false;
    if (!form.Eventtimer.faellig_bei(jetzt)) return false;
    form.eventtimertimer();
    return true;
}

void Programm::ausfuehren() {
    while (!form.beendet) Runde();
}

void Programm::beenden() {
    if (beendet_) return;
    beendet_ = true;
    Update_abbrechen();
    Fehler_Protokoll_abschliessen();
    dienste_->render.Alles_freigeben();
    form.FormDestroy();
}
