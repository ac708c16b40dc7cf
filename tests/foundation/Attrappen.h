#pragma once
// Fakes for the foundation tests: the audio module, the shell
// and interface seams, and a catcher for error reports. Each installs itself
// when constructed and restores the default when destroyed.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/AudioModul.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "world/Karte.h"

namespace bhmtest {

// Error reports become visible (not logged to Config.ini) while it lives.
struct FehlerFang {
    FehlerFang() {
        Error_Silence = false;
        Errorloger = false;
        Fehler_zuruecksetzen();
    }
    ~FehlerFang() {
        Config_zuruecksetzen();
        Fehler_zuruecksetzen();
    }
    // The last report since the last call, then forgets it.
    std::string nehmen() {
        std::string t = Fehlertext;
        Fehler_zuruecksetzen();
        return t;
    }
};

// Records what the sound unit asks of the audio module.
struct AudioAttrappe : AudioModul {
    bool geraet = true;
    // File name endings that do not load (e.g. "Fx\\2.mp3").
    std::set<std::string> fehlend;
    std::vector<std::string> samples, streams;  // path per handle - 1
    struct Wiedergabe {
        std::string datei;
        double lautstaerke, pan;
    };
    std::vector<Wiedergabe> gespielt;        // sample playbacks
    std::vector<std::string> streamaufrufe;  // "play M0.mp3", "stop M1.mp3", "free ..."
    std::set<int> spielend;                  // streams that are sounding
    std::vector<std::string> freigaben;      // "stream ...", "sample ...", "beenden"
    double pan = 0.37;

    AudioAttrappe() { Audio_setzen(this); }
    ~AudioAttrappe() override { Audio_setzen(nullptr); }

    static std::string name(const std::string& pfad) { return pfad.substr(pfad.find_last_of('\\') + 1); }
    int laden(std::vector<std::string>& v, const std::string& pfad) {
        for (const std::string& f : fehlend)
            if (pfad.size() >= f.size() && pfad.compare(pfad.size() - f.size(), f.size(), f) == 0) return 0;
        v.push_back(pfad);
        return static_cast<int>(v.size());
    }

    bool initialisieren() override { return geraet; }
    void beenden() override { freigaben.push_back("beenden"); }
    int sample_laden(const std::string& pfad) override { return laden(samples, pfad); }
    int stream_laden(const std::string& pfad) override { return laden(streams, pfad); }
    bool sample_abspielen(int s, double l, double p) override {
        gespielt.push_back({name(samples.at(static_cast<std::size_t>(s - 1))), l, p});
        return true;
    }
    bool stream_abspielen(int s) override {
        streamaufrufe.push_back("play " + name(streams.at(static_cast<std::size_t>(s - 1))));
        spielend.insert(s);
        return true;
    }
    void stream_stoppen(int s) override {
        streamaufrufe.push_back("stop " + name(streams.at(static_cast<std::size_t>(s - 1))));
        spielend.erase(s);
    }
    bool stream_spielt(int s) override { return spielend.count(s) > 0; }
    void sample_freigeben(int s) override {
        freigaben.push_back("sample " + name(samples.at(static_cast<std::size_t>(s - 1))));
    }
    void stream_freigeben(int s) override {
        freigaben.push_back("stream " + name(streams.at(static_cast<std::size_t>(s - 1))));
    }
    double zufall_pan() override { return pan; }
};

struct ShellAttrappe : ShellSeam {
    int form = 1280, client = 1280;
    ShellAttrappe() { Shell_setzen(this); }
    ~ShellAttrappe() override { Shell_setzen(nullptr); }
    int Formbreite() override { return form; }
    int Clientbreite() override { return client; }
};

struct UiAttrappe : UiSeam {
    bool gezogen = false;
    int wert = -1;
    UiAttrappe() { Oberflaeche_setzen(this); }
    ~UiAttrappe() override { Oberflaeche_setzen(nullptr); }
    bool MO_Slider_gezogen() override { return gezogen; }
    int MO_Slider_Wert() override { return wert; }
};

}  // namespace bhmtest
