// The player's walk through the update check: from the main menu's button and at start-up,
// against a local address where nothing listens and against a server that never answers.
// The check must write how it ended onto the update panel while the panel is still shown.
#include <chrono>
#include <thread>

#include "app/Rundgang.h"
#include "common/LokalerPort.h"
#include "app/Berichte.h"
#include "persistence/Update.h"
#include "platform/base/System.h"
#include "ui/Paneltexte.h"

namespace {

using namespace bhmtest;

// Where the panel writes status line n (centred, font 2, on its base line), as a band of
// client pixels.
Rechteck statuszeile(int n) {
    const int y = IFU_Fenstermitte_Y - 110 + 26 * n;
    return {IFU_Fenstermitte_X - 160, y - 14, IFU_Fenstermitte_X + 160, y + 5};
}

class Aktualisierung : public ::testing::Test {
protected:
    void SetUp() override { Update_abbrechen(); }
    void TearDown() override {
        Update_abbrechen();
        IFV_Port = 8096;
        IFV_Frist_ms = 6000;
    }

    // Starts the program with the update check's server on this machine.
    int berichte = 0;
    bool starten(Rundgang& g, bool beim_start) {
        g.ordner().write("Config.ini", std::string("[Allgemein]\r\nAutoUpdate=") + (beim_start ? "1" : "0") +
                                           "\r\nServer=127.0.0.1\r\nError_Silence=0\r\n");
        if (!g.starten()) return false;
        g.frames(1);
        berichte = Berichtszahl(g.ordner());
        return true;
    }

    // Runs frames at the program's own pace (40 ms) until status line n is written, at most
    // ten seconds; false when it never was.
    static bool warten_auf_zeile(Rundgang& g, int n) {
        for (int i = 0; i < 250 && TPU_Updatestatus[static_cast<std::size_t>(n)].empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            g.frames(1);
        }
        return !TPU_Updatestatus[static_cast<std::size_t>(n)].empty();
    }

    // The frame the click on the main menu's update button draws itself, before the check
    // runs: the panel with nothing but "Scanning for Server...".
    static Bild klicken_und_erstes_Bild(Rundgang& g, const std::string& ablage) {
        const Punkt knopf = g.feld_da("$Update").mitte();
        g.bewegen(knopf);
        Bild erstes;
        bool gewuenscht = true;
        auto vorher = g.form().vor_dem_Tauschen;
        g.form().vor_dem_Tauschen = [&] {
            if (gewuenscht) {
                gewuenscht = false;
                glReadBuffer(GL_BACK);
                erstes = Bildschirmfoto(g.form().ClientWidth, g.form().ClientHeight);
            }
            if (vorher) vorher();
        };
        plattform::Eingabe_Maustaste(plattform::Maustaste::Links, true);
        plattform::Eingabe_Maustaste(plattform::Maustaste::Links, false);
        g.frames(1);
        g.form().vor_dem_Tauschen = vorher;
        Bilddatei_speichern(std::string(BHM_BINARY_DIR) + "/walk/" + ablage + "/00-erstes-bild.bmp", erstes);
        return erstes;
    }

    // The panel is closed by its countdown and the main menu comes back.
    static void zurueck_zum_Menue(Rundgang& g) {
        EXPECT_TRUE(g.frames_bis([] { return ITP_Panel_sichtbar(ITP_Startbildschirm); }, 300))
            << "the update panel closes itself";
        EXPECT_FALSE(ITP_Panel_sichtbar(ITP_UpdatePanel));
        EXPECT_FALSE(Update_laeuft());
    }
};

TEST_F(Aktualisierung, NoServerAtTheAddressEndsWithServerNotFoundOnThePanel) {
    const std::string ablage = "aktualisierung-kein-server";
    Rundgang g(ablage);
    Lokaler_Port zu(false);
    IFV_Port = zu.port;
    ASSERT_TRUE(starten(g, false));
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    if (!InternetGetConnectedState()) {
        // A machine without any network: the check does not start and says why.
        g.klicken("$Update");
        EXPECT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanelfehler));
        g.foto("keine-verbindung");
        return;
    }
    const Bild erstes = klicken_und_erstes_Bild(g, ablage);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel));
    EXPECT_EQ(TPU_Updatestatus[0], "Scanning for Server...");
    ASSERT_TRUE(warten_auf_zeile(g, 7)) << "the check wrote no end line";
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel)) << "the end line came after the panel closed";
    EXPECT_EQ(TPU_Updatestatus[1], "Server not found!");
    EXPECT_EQ(TPU_Updatestatus[7], "PLEASE WAIT... ABORT");
    const Bild ende = g.foto("server-nicht-gefunden");
    EXPECT_GT(Unterschied(erstes, ende, statuszeile(1)), 150) << "\"Server not found!\" is drawn";
    EXPECT_GT(Unterschied(erstes, ende, statuszeile(7)), 150) << "\"PLEASE WAIT... ABORT\" is drawn";
    EXPECT_EQ(Unterschied(erstes, ende, statuszeile(0)), 0) << "the first line stays as it was";
    zurueck_zum_Menue(g);
    EXPECT_EQ(Berichte_ab(g.ordner(), berichte), std::vector<std::string>{})
        << "no server is no fault of the program";
}

TEST_F(Aktualisierung, AServerThatNeverAnswersEndsWithServerOfflineOnThePanel) {
    const std::string ablage = "aktualisierung-stumm";
    Rundgang g(ablage);
    Lokaler_Port stumm(true);
    IFV_Port = stumm.port;
    IFV_Frist_ms = 1500;
    ASSERT_TRUE(starten(g, false));
    if (!InternetGetConnectedState()) {
        g.klicken("$Update");
        EXPECT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanelfehler));
        return;
    }
    const Bild erstes = klicken_und_erstes_Bild(g, ablage);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel));
    ASSERT_TRUE(warten_auf_zeile(g, 6)) << "the check wrote no end line";
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel)) << "the end line came after the panel closed";
    EXPECT_EQ(TPU_Updatestatus[2], "Load Patch");
    EXPECT_EQ(TPU_Updatestatus[6], "Server Offline");
    EXPECT_EQ(TPU_Updatestatus[7], "PLEASE WAIT...");
    EXPECT_EQ(TPU_Updatestatus[1], "");
    const Bild ende = g.foto("server-offline");
    for (int n : {2, 6, 7}) EXPECT_GT(Unterschied(erstes, ende, statuszeile(n)), 150) << "line " << n;
    EXPECT_EQ(Unterschied(erstes, ende, statuszeile(1)), 0);
    zurueck_zum_Menue(g);
    const auto gemeldet = Berichte_ab(g.ordner(), berichte);
    ASSERT_EQ(gemeldet.size(), 1u);
    EXPECT_NE(gemeldet[0].find("Zeitlimit"), std::string::npos)
        << "the silent server is reported: " << gemeldet[0];
}

TEST_F(Aktualisierung, TheCheckAtStartUpEndsWithItsLineAndThenTheMainMenu) {
    Rundgang g("aktualisierung-beim-start");
    Lokaler_Port zu(false);
    IFV_Port = zu.port;
    ASSERT_TRUE(starten(g, true));
    if (!InternetGetConnectedState()) {
        EXPECT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanelfehler));
        return;
    }
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel)) << "the start-up runs the update check";
    ASSERT_TRUE(warten_auf_zeile(g, 1)) << "the check wrote no end line";
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel));
    EXPECT_EQ(TPU_Updatestatus[1], "Server not found!");
    const Bild ende = g.foto("beim-start");
    // The line is drawn where the panel places it: ink in its band, none in the empty band below.
    auto tinte = [&](const Rechteck& r) {
        int n = 0;
        for (int y = r.oben; y < r.unten; ++y)
            for (int x = r.links; x < r.rechts; ++x) n += Helligkeit(ende, x, y) < 120;
        return n;
    };
    EXPECT_GT(tinte(statuszeile(1)), 40) << "\"Server not found!\" is drawn";
    EXPECT_LT(tinte(statuszeile(3)), 5);
    zurueck_zum_Menue(g);
    EXPECT_EQ(Berichte_ab(g.ordner(), berichte), std::vector<std::string>{})
        << "no server is no fault of the program";
}

}  // namespace
