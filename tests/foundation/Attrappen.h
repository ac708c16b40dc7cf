#pragma once
// Fakes for the foundation tests: the core rows, the audio module, the shell
// and interface seams, and a catcher for error reports. Each installs itself
// when constructed and restores the default when destroyed.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/AudioModul.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Kernzugriff.h"
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

struct KernAttrappe : KernzugriffSeam {
    // Map: every cell building land (level 4), free, unless set otherwise.
    int land_standard = 4;
    std::map<int, int> land, block, person;
    std::set<int> ambiente;

    std::map<int, std::map<Personfeld, int>> personen;
    std::map<int, int> besitzer, buendnis, baustufe, ware_skill;
    std::map<int, std::string> berufe;
    struct Vorlage {
        std::string modus;
        int neid;
        int ai_level;
    };
    std::map<int, Vorlage> gebaeude;
    std::set<int> transportwaren;

    KernAttrappe() { Kern_setzen(this); }
    ~KernAttrappe() override { Kern_setzen(nullptr); }

    static int wert(const std::map<int, int>& m, int k, int sonst) {
        auto it = m.find(k);
        return it == m.end() ? sonst : it->second;
    }
    bool auf_karte(int f) const { return f >= 0 && f < MG_Kartengroesse * MG_Kartengroesse; }

    int Karte_LandType(int f) override { return auf_karte(f) ? wert(land, f, land_standard) : -1; }
    int Karte_Block(int f) override { return auf_karte(f) ? wert(block, f, -1) : -1; }
    int Karte_Person(int f) override { return auf_karte(f) ? wert(person, f, -1) : -1; }
    bool MG_Ambiente_blockiert(int f) override { return ambiente.count(f) > 0; }

    int Personen_Anzahl() override { return personen.empty() ? 0 : personen.rbegin()->first + 1; }
    int Person(int p, Personfeld f) override {
        auto it = personen.find(p);
        if (it == personen.end()) return -1;
        auto jt = it->second.find(f);
        return jt == it->second.end() ? -1 : jt->second;
    }
    void Person_setzen(int p, Personfeld f, int w) override {
        if (personen.count(p)) personen[p][f] = w;
    }
    int Spieler_Buendnis(int c) override { return wert(buendnis, c, -1); }
    int Spieler_Baustufe(int c) override { return wert(baustufe, c, -1); }
    int Objekt_Besitzer(int o) override { return wert(besitzer, o, -1); }
    int Ware_SkillID(int w) override { return wert(ware_skill, w, -1); }
    std::optional<std::string> Skill_Berufname(int s) override {
        auto it = berufe.find(s);
        if (it == berufe.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> Gebaeude_Modus(int t) override {
        auto it = gebaeude.find(t);
        if (it == gebaeude.end()) return std::nullopt;
        return it->second.modus;
    }
    int Gebaeude_Neid(int t) override { return gebaeude.count(t) ? gebaeude[t].neid : -1; }
    int Gebaeude_AI_Level(int t) override { return gebaeude.count(t) ? gebaeude[t].ai_level : -1; }
    int SBU_Naechste_Transportware(int w) override {
        auto it = transportwaren.lower_bound(w);
        return it == transportwaren.end() ? -1 : *it;
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
