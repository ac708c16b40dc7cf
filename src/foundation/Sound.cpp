#include "foundation/Sound.h"

#include <string>

#include "foundation/AudioModul.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "platform/base/System.h"

double Lautstaerke = 0.2;
int Musiktitel = 0;
double Musik_Startzeit = 0;

namespace {

bool geraet_offen = false;
// Handles by number; 0 where the file did not load.
int effekte[SND_Effektanzahl] = {};
int dialoge[SND_Dialoganzahl] = {};
int musik[Musik_Anzahl + 1] = {};

int laden(bool sample, const std::string& pfad) {
    const int h = sample ? Audio().sample_laden(pfad) : Audio().stream_laden(pfad);
    if (h == 0) Fehler_melden(pfad + " konnte nicht geladen werden.");
    return h;
}

void alles_vergessen() {
    for (int& h : effekte) h = 0;
    for (int& h : dialoge) h = 0;
    for (int& h : musik) h = 0;
}

int musikstream(int t) { return t >= 0 && t <= Musik_Anzahl ? musik[t] : 0; }

}  // namespace

void SND_Init() {
    alles_vergessen();
    geraet_offen = Audio().initialisieren();
    if (!geraet_offen) Fehler_melden("Error initializing audio!");
}

void SND_Effekte_laden() {
    if (!geraet_offen) return;
    for (int i = 1; i <= SND_Effektanzahl; ++i)
        effekte[i - 1] = laden(true, Programmpfad + "Sound\\Fx\\" + std::to_string(i) + ".mp3");
}

void SND_Dialoge_laden() {
    if (!geraet_offen) return;
    for (int i = 1; i <= SND_Dialoganzahl; ++i)
        dialoge[i - 1] = laden(false, Programmpfad + "Sound\\Dialoge\\" + std::to_string(i) + ".wav");
}

void SND_Musik_laden() {
    if (!geraet_offen) return;
    for (int t = 0; t <= Musik_Anzahl; ++t)
        musik[t] = laden(false, Programmpfad + "Sound\\Music\\M" + std::to_string(t) + ".mp3");
}

void SND_Effekt_abspielen(int k) {
    if (!SFX || k < 0 || k >= SND_Effektanzahl || effekte[k] == 0) return;
    const double pan = Audio().zufall_pan();
    if (!Audio().sample_abspielen(effekte[k], Lautstaerke, pan)) Fehler_melden("Error playing sample!");
}

void SND_Musik_abspielen(int t) {
    const int h = musikstream(t);
    if (h == 0) return;
    if (!Audio().stream_abspielen(h)) Fehler_melden("Error playing stream!");
}

void SND_Musik_stoppen(int t) {
    if (const int h = musikstream(t)) Audio().stream_stoppen(h);
}

bool SND_Musik_spielt(int t) {
    const int h = musikstream(t);
    return h != 0 && Audio().stream_spielt(h);
}

void SND_Musik_Tick() {
    if (!geraet_offen) return;
    if (SND_Musik_spielt(Musiktitel)) return;
    if (Musiktitel >= 0) SND_Musik_stoppen(Musiktitel);
    Musik_Startzeit = Tickzaehler();
    if (++Musiktitel > Musik_Anzahl) Musiktitel = 1;
    SND_Musik_abspielen(Musiktitel);
}

void SND_Freigeben() {
    AudioModul& a = Audio();
    for (int h : dialoge)
        if (h) a.stream_freigeben(h);
    for (int h : musik)
        if (h) a.stream_freigeben(h);
    for (int h : effekte)
        if (h) a.sample_freigeben(h);
    alles_vergessen();
    if (geraet_offen) a.beenden();
    geraet_offen = false;
}
