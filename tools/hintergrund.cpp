// Makes the campaign folder's games with the game's own code: the backdrop game "KAP0",
// a world from a fixed seed and set-up played for a few months, and the iron mode's start
// "IRONMODUS", a fresh world waiting for the start building; both are written by the
// game's save writer into save/Kampagne of the game folder.
//
//   hintergrund <game folder>
//
// The world is made in a scratch copy of the folder's content, since making a world
// writes the packs of its templates.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "economy/Logik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "render/Kamera.h"
#include "ui/Interaktiv.h"
#include "world/Kartengenerator.h"

namespace fs = std::filesystem;

namespace {

// Making the world centres the camera on the player's start; the saved view keeps it.
struct Kameradienst : RenderSeam {
    void Kamera_zentrieren(int x, int y) override { ::Kamera_zentrieren(x, y); }
};

// A new world reads the interactive edicts of the content and a save writes them: the
// founding letter every clan gets names edict 0, so a campaign game without them would hold
// letters that no window can open.
struct Ediktdienst : UiSeam {
    void IAU_Edikte_laden() override { ::IAU_Edikte_laden(); }
    bool IAU_Edikte_speichern(const std::string& pfad) override { return ::IAU_Edikte_speichern(pfad); }
    void IAU_Edikte_laden_Save(const std::string& pfad) override { ::IAU_Edikte_laden_Save(pfad); }
};

// True when the world has the edict its founding letters name.
bool gruendungsedikt_da() {
    if (!IAU_Edikte.empty()) return true;
    std::fprintf(stderr, "hintergrund: the content has no interactive edicts (daten/edikt/0)\n");
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game folder>\n", argv[0]);
        return 64;
    }
    const fs::path spiel = argv[1];
    std::string vorlage = (fs::temp_directory_path() / "bhm_hintergrund_XXXXXX").string();
    if (!mkdtemp(vorlage.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path arbeit = vorlage;
    std::error_code ec;
    for (const char* teil : {"Daten", "Text", "Texture"})
        fs::copy(spiel / teil, arbeit / teil, fs::copy_options::recursive, ec);

    Kameradienst kamera;
    Render_setzen(&kamera);
    Ediktdienst edikte;
    Oberflaeche_setzen(&edikte);
    Programmpfad = arbeit.string() + "/";
    Error_Silence = false;
    Errorloger = false;
    RandSeed = 1402;
    MG_Einstellungen_zuruecksetzen();
    SingelGameGroessenWahl = 0;  // the smallest map
    MG_Spiel_starten();
    bool gut = SSL && gruendungsedikt_da();
    for (int i = 0; gut && i < 4 * (Monatsticks + 1); ++i) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    const std::string ordner = "save\\Kampagne\\KAP0";
    gut = gut && Ordner_anlegen(Programmpfad + ordner) && LSU_Spiel_speichern(ordner);
    if (gut) {
        fs::remove_all(spiel / "save" / "Kampagne" / "KAP0", ec);
        fs::create_directories(spiel / "save" / "Kampagne", ec);
        fs::copy(arbeit / "save" / "Kampagne" / "KAP0", spiel / "save" / "Kampagne" / "KAP0",
                 fs::copy_options::recursive, ec);
        gut = !ec;
    }
    // The iron mode's campaign start "IRONMODUS": a fresh world of the default set-up (on a smaller map) in
    // which the player has still to place the start building, saved with the campaign flag set so that every
    // later save of that game goes under the iron mode's one name.
    if (gut) {
        RandSeed = 1871;
        MG_Einstellungen_zuruecksetzen();
        SingelGameGroessenWahl = 2;
        MG_Spiel_starten();
        gut = SSL && gruendungsedikt_da();
        SSL = false;
        KSL = true;
        const std::string eisern = "save\\Kampagne\\IRONMODUS";
        gut = gut && Ordner_anlegen(Programmpfad + eisern) && LSU_Spiel_speichern(eisern);
        KSL = false;
        if (gut) {
            fs::remove_all(spiel / "save" / "Kampagne" / "IRONMODUS", ec);
            fs::copy(arbeit / "save" / "Kampagne" / "IRONMODUS", spiel / "save" / "Kampagne" / "IRONMODUS",
                     fs::copy_options::recursive, ec);
            gut = !ec;
        }
    }
    if (!Fehlertext.empty()) std::fprintf(stderr, "hintergrund: %s\n", cp1252_zu_utf8(Fehlertext).c_str());
    fs::remove_all(arbeit, ec);
    Render_setzen(nullptr);
    Oberflaeche_setzen(nullptr);
    if (!gut) std::fprintf(stderr, "hintergrund: the campaign games could not be made\n");
    return gut ? 0 : 1;
}
