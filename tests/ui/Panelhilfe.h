#pragma once
// A clean interface for one test: empty panel tables and slots, an atlas of
// named images, fixed character widths, no hot zones, a mouse that the test
// places and a recorder for the actions a click runs.
#include <filesystem>
#include <string>
#include <vector>

#include "common/ProgrammOrdner.h"
#include "platform/base/Datei.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"
#include "foundation/Zeichenbreiten.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Panelschalter.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Textausgabe.h"
#include "ui/Rangliste.h"
#include "world/Kartengenerator.h"
#include "ui/Fenster_Bau.h"
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Textoverlay.h"

namespace bhmtest {

struct Aktionsaufruf {
    int info, aktion, parameter;
    bool operator==(const Aktionsaufruf&) const = default;
};

inline std::vector<Aktionsaufruf>& Aufrufe() {
    static std::vector<Aktionsaufruf> a;
    return a;
}
inline int& Maus_x() {
    static int x = 0;
    return x;
}
inline int& Maus_y() {
    static int y = 0;
    return y;
}

// Copies the shipped panel scripts and UI.dat into the test's data folder (daten ends with "\\").
inline void Panelinhalt_kopieren(const std::string& daten) {
    namespace fs = std::filesystem;
    const fs::path quelle = fs::path(BHM_SOURCE_DIR) / "content" / "Daten";
    const fs::path ziel = Pfad_aufloesen(daten);
    fs::create_directories(ziel);
    fs::copy(quelle / "Panel", ziel / "Panel", fs::copy_options::recursive);
    fs::copy_file(quelle / "UI.dat", ziel / "UI.dat");
}

class Oberflaeche_sauber {
public:
    Oberflaeche_sauber()
        : mausquelle_(MO_Mausquelle),
          aktion_(MO_Aktion_ausfuehren),
          mitte_x_(IFU_Fenstermitte_X),
          mitte_y_(IFU_Fenstermitte_Y) {
        leeren();
        Error_Silence = false;
        MO_Mausquelle = [](int& x, int& y) {
            x = Maus_x();
            y = Maus_y();
        };
        MO_Aktion_ausfuehren = [](int info, int aktion, int parameter) {
            Aufrufe().push_back({info, aktion, parameter});
        };
        IFU_Fenstermitte_X = 640;
        IFU_Fenstermitte_Y = 350;
    }
    ~Oberflaeche_sauber() {
        leeren();
        // Later tests of the binary (and the real program) find the pointer and the actions
        // as they were.
        MO_Mausquelle = mausquelle_;
        MO_Aktion_ausfuehren = aktion_;
        IFU_Fenstermitte_X = mitte_x_;
        IFU_Fenstermitte_Y = mitte_y_;
    }

    // Image i of the atlas gets the title and a rectangle of w x h cells of 16 pixels.
    static void Bild(int i, const std::string& titel, int w_zellen, int h_zellen) {
        if (ITF_Elemente.size() <= static_cast<std::size_t>(i)) {
            ITF_Elemente.resize(static_cast<std::size_t>(i) + 1);
            ITF_Texturkoordinaten.resize(static_cast<std::size_t>(i) + 1);
        }
        ITF_Elemente[static_cast<std::size_t>(i)].Titel = titel;
        ITF_Texturkoordinaten[static_cast<std::size_t>(i)] = {0, 0, 0, w_zellen, 0, h_zellen};
    }
    static void Maus(int x, int y) {
        Maus_x() = x;
        Maus_y() = y;
    }

private:
    void leeren() {
        ITP_Paneltabellen_leeren();
        for (auto& s : ITP_Panel_Schalter) s = {};
        ITF_Elemente.clear();
        ITF_Texturkoordinaten.clear();
        for (int& b : TPU_Zeichenbreiten_Font1) b = 10;
        for (int& b : TPU_Zeichenbreiten_Font2) b = 8;
        MO_Zonen_leeren();
        MO_Panelstufe_zuruecksetzen();
        IFU_Panelschalter_zuruecksetzen();
        Aufrufe().clear();
        Maus(0, 0);
        LSU_Spielstand_Letzter = -1;
    }
    MO_Mausquelle_Funktion mausquelle_;
    MO_Aktion_Funktion aktion_;
    int mitte_x_, mitte_y_;
    ProgrammOrdner ordner_;
};

// The human clan alone in row 0, removed again with the object.
struct Ein_Spieler {
    Ein_Spieler() {
        Spieler.assign(1, Spielerzeile{});
        SpielerID = 0;
    }
    ~Ein_Spieler() { Spieler.clear(); }
};

}  // namespace bhmtest
