// Every action of the interface has an opener in the content the game ships: a click
// area of a panel, a hot zone of UI.dat or a key of the main window. A panel or a zone
// that loses its opener makes this test fail, not a player.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "app/GLForm.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "platform/base/Datei.h"
#include "ui/Panelhilfe.h"

namespace {

using bhmtest::Oberflaeche_sauber;

// The numbers the action table answers with the "unknown" report, and those it lets pass
// without doing anything (the panel hit test carries out 666..675 and 700..717 itself;
// 676 and 718..750 stand for nothing).
bool ohne_Aktion(int a) {
    const std::pair<int, int> unbekannt[] = {{17, 17},   {20, 153},  {169, 172}, {181, 190}, {204, 231},
                                             {322, 354}, {385, 392}, {409, 415}, {431, 549}, {557, 559},
                                             {561, 589}, {600, 600}, {602, 602}, {633, 639}, {677, 679}};
    for (auto [von, bis] : unbekannt)
        if (von <= a && a <= bis) return true;
    const std::set<int> nichts = {0, 14, 162, 197, 275, 276, 279, 282, 283, 284, 368, 676};
    return nichts.count(a) > 0 || (718 <= a && a <= 750);
}

// Numbers that do what another number of the same table row does: one opener serves all.
const std::vector<std::set<int>>& gleichwertig() {
    static const std::vector<std::set<int>> gruppen = {
        {4, 11},                        // the load list
        {19, 154, 179, 355},            // the main menu
        {18, 160, 601, 191, 193, 603},  // back: the game menu in a game, else the main menu
        {196, 662},                     // statistics
        {274, 606},                     // the object window
        {618, 619},                     // the one volume
        {195, 232},                     // the first window of standing edicts
    };
    return gruppen;
}

// Actions that no element opens, each with what reaches its effect instead.
const std::map<int, std::string>& ohne_Oeffner() {
    static const std::map<int, std::string> liste = [] {
        std::map<int, std::string> l = {
            {277, "the right button closes every window"},
            {280, "shows the open statistics again: the bar's button opens and closes them"},
            {281, "shows the open minimap again: the bar's button opens and closes it"},
        };
        // The set-up list draws the bonus choosers in the host's row only.
        for (int j = 1; j < 8; ++j)
            for (int a : {377, 393, 401, 416}) l[a + j] = "a bonus chooser of a row that does not draw it";
        return l;
    }();
    return liste;
}

struct Tastenprotokoll : UiSeam {
    std::set<int> aktionen;
    std::set<int> panels;
    bool MO_Mouseover(bool) override { return false; }
    void MOAktion(int, int a, int) override { aktionen.insert(a); }
    void Panelanzeigen(int p) override { panels.insert(p); }
    bool Ingamemenue_sichtbar() override { return false; }
    bool Speicherpanel_sichtbar() override { return false; }
    bool Spielernamepanel_sichtbar() override { return false; }
};
struct StillePersistenz : PersistenzSeam {
    bool LSU_Speichern(const std::string&) override { return false; }
    bool LSU_Laden(const std::string&, const std::string&) override { return false; }
};
struct StillesRendern : RenderSeam {
    void Kamera_Mausbewegung(int, int) override {}
};

// The actions the main window's keys run in a game, and whether the right button closes windows.
std::set<int> Tastenaktionen(bool& rechts_schliesst) {
    Tastenprotokoll ui;
    StillePersistenz persistenz;
    StillesRendern render;
    Oberflaeche_setzen(&ui);
    Persistenz_setzen(&persistenz);
    Render_setzen(&render);
    {
        bhmtest::Ein_Spieler mensch;
        SSL = true;
        Musik = false;
        TGLForm form;
        for (int c = 1; c < 256; ++c) form.FormKeyPress(static_cast<unsigned char>(c));
        for (int vk = 1; vk < 256; ++vk) form.FormKeyDown(vk);
        ui.panels.clear();
        form.FormMouseUp(plattform::Maustaste::Rechts);
        rechts_schliesst = ui.panels.count(60) == 1;
    }
    Oberflaeche_setzen(nullptr);
    Persistenz_setzen(nullptr);
    Render_setzen(nullptr);
    return ui.aktionen;
}

class Erreichbarkeit : public ::testing::Test {
protected:
    Oberflaeche_sauber ui;
    std::string daten = Programmpfad + "daten\\";

    void SetUp() override { bhmtest::Panelinhalt_kopieren(daten); }
};

TEST_F(Erreichbarkeit, JedeAktionHatEinenOeffner) {
    ITP_Panels_einlesen(daten);
    MO_UIdat_laden();
    std::set<int> offen;
    for (const auto& felder : ITP_Mausfelder)
        for (const ITP_Mausfeld& m : felder) offen.insert(m[ITP_Maus_Aktion]);
    for (const auto& gruppe : MO_Zonen)
        for (const MO_Zone& z : gruppe) offen.insert(z[MO_Zone_Aktion]);
    bool rechts_schliesst = false;
    for (int a : Tastenaktionen(rechts_schliesst)) offen.insert(a);
    EXPECT_TRUE(rechts_schliesst) << "the right button closes the windows";

    auto erreicht = [&](int a) {
        if (offen.count(a)) return true;
        for (const std::set<int>& g : gleichwertig())
            if (g.count(a))
                for (int b : g)
                    if (offen.count(b)) return true;
        return false;
    };
    std::ostringstream fehlt;
    for (int a = 1; a <= 752; ++a) {
        if (ohne_Aktion(a) || ohne_Oeffner().count(a)) continue;
        if (!erreicht(a)) fehlt << ' ' << a;
    }
    EXPECT_EQ(fehlt.str(), "") << "actions without an opener";
    // An action that has found an opener leaves the list of those without.
    for (const auto& [a, grund] : ohne_Oeffner()) EXPECT_FALSE(offen.count(a)) << a << ": " << grund;
}

}  // namespace
