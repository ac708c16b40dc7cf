// The player's walk through window sizes: the window is made larger, then full screen is
// switched on in the options, which starts the program anew; at every size the menu, the
// options and the map take clicks where they are drawn.
#include "app/Rundgang.h"

#include <dlfcn.h>

#include "economy/Spieler.h"
#include "platform/base/Prozess.h"

namespace {

using namespace bhmtest;

// The pixels of the rectangle, row by row (nothing for a rectangle outside the frame).
std::vector<std::uint8_t> ausschnitt(const Bild& b, const Rechteck& r) {
    std::vector<std::uint8_t> px;
    if (r.links < 0 || r.oben < 0 || r.rechts > b.breite || r.unten > b.hoehe) return px;
    for (int y = r.oben; y < r.unten; ++y)
        px.insert(px.end(), b.Zeile(y) + 3 * r.links, b.Zeile(y) + 3 * r.rechts);
    return px;
}

// Share (in hundredths) of the pixels that two pictures of one size have alike.
int gleich_prozent(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a.empty() || a.size() != b.size()) return 0;
    std::size_t gleich = 0;
    for (std::size_t i = 0; i + 2 < a.size(); i += 3)
        if (a[i] == b[i] && a[i + 1] == b[i + 1] && a[i + 2] == b[i + 2]) ++gleich;
    return static_cast<int>(gleich * 300 / a.size());
}

// The size of the surface the GL context draws into, asked of EGL (which draws for the
// off-screen driver) apart from the program's own idea; false where EGL does not draw.
bool zeichenflaeche(int& b, int& h) {
    void* egl = dlopen("libEGL.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!egl) return false;
    using Anzeige = void* (*)();
    using Flaeche = void* (*)(int);
    using Abfrage = unsigned (*)(void*, void*, int, int*);
    const auto anzeige = reinterpret_cast<Anzeige>(dlsym(egl, "eglGetCurrentDisplay"));
    const auto flaeche = reinterpret_cast<Flaeche>(dlsym(egl, "eglGetCurrentSurface"));
    const auto abfrage = reinterpret_cast<Abfrage>(dlsym(egl, "eglQuerySurface"));
    bool ok = false;
    if (anzeige && flaeche && abfrage) {
        void* d = anzeige();
        void* f = flaeche(0x3059);                                              // EGL_DRAW
        ok = d && f && abfrage(d, f, 0x3057, &b) && abfrage(d, f, 0x3056, &h);  // EGL_WIDTH, EGL_HEIGHT
    }
    dlclose(egl);
    return ok;
}

// The window's drawing area, and the size the program lays out for.
void groesse_stimmt(Rundgang& g, int breite, int hoehe, const std::string& wo) {
    int b = 0, h = 0;
    if (!zeichenflaeche(b, h)) plattform::Clientgroesse(b, h);
    EXPECT_EQ(b, breite) << wo << ": the window's width";
    EXPECT_EQ(h, hoehe) << wo << ": the window's height";
    EXPECT_EQ(g.form().ClientWidth, b) << wo << ": the screens are laid out for another width";
    EXPECT_EQ(g.form().ClientHeight, h) << wo << ": the screens are laid out for another height";
    EXPECT_EQ(IFU_Fenstermitte_X, b / 2) << wo;
    EXPECT_EQ(IFU_Fenstermitte_Y, h / 2) << wo;
}

// What a button looks like where its click area lies, at the first size.
struct Knopfbilder {
    std::vector<std::uint8_t> menue, zurueck;
};

// The main menu's options button and the options' back button: each shows at its click area
// the picture it showed there at the first size, and the click opens what it names.
void menue_und_optionen(Rundgang& g, const std::string& wo, Knopfbilder& bilder) {
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm)) << wo;
    const Rechteck menue = g.feld_da("$OptionsPanel");
    const Bild start = g.foto(wo + "-menue");
    ASSERT_EQ(start.breite, g.form().ClientWidth) << wo;
    if (bilder.menue.empty()) bilder.menue = ausschnitt(start, menue);
    EXPECT_GE(gleich_prozent(ausschnitt(start, menue), bilder.menue), 90)
        << wo << ": the options button is not drawn over its click area";
    g.klicken(menue.mitte());
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_OptionsPanel)) << wo << ": the options button opened nothing";

    const Rechteck zurueck = g.feld_da("$MainMenueButtom");
    EXPECT_LE(zurueck.unten, g.form().ClientHeight) << wo << ": the back button lies outside the window";
    const Bild optionen = g.foto(wo + "-optionen");
    if (bilder.zurueck.empty()) bilder.zurueck = ausschnitt(optionen, zurueck);
    EXPECT_GE(gleich_prozent(ausschnitt(optionen, zurueck), bilder.zurueck), 90)
        << wo << ": the back button is not drawn over its click area";
    g.klicken(zurueck.mitte());
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm)) << wo << ": the back button did not lead back";
}

TEST(Rundgang, DieFenstergroesseGiltFuerBildUndKlicks) {
    Knopfbilder bilder;
    std::string einstellungen;
    {
        Rundgang g("fenstergroesse");
        ASSERT_TRUE(g.am_Startbildschirm());
        groesse_stimmt(g, 1280, 700, "start");
        menue_und_optionen(g, "1280x700", bilder);

        // The player drags the window larger, to an odd size: the window is asked for the even
        // one, and everything follows.
        plattform::Eingabe_Fenstergroesse(1921, 1081);
        g.frames(2);
        groesse_stimmt(g, 1920, 1080, "enlarged");
        menue_und_optionen(g, "1920x1080", bilder);

        // Full screen in the options: the program ends to start anew in the same process.
        g.klicken("$OptionsPanel");
        Neustart_vergessen();
        g.klicken("$FullScreen");
        EXPECT_TRUE(g.beendet()) << "switching full screen restarts the program";
        EXPECT_TRUE(Neustart_vorgemerkt()) << "the program is to take its own place";
        Neustart_vergessen();
        einstellungen = g.ordner().read("Config.ini");
        EXPECT_NE(einstellungen.find("Vollbild=1"), std::string::npos) << einstellungen;
    }

    // The program anew with the saved settings: full screen without a window manager is a
    // borderless window over the screen, never smaller than the least window.
    Rundgang g("vollbild");
    g.ordner().write("Config.ini", einstellungen);
    ASSERT_TRUE(g.starten());
    g.frames(2);
    int b = 0, h = 0;
    if (!zeichenflaeche(b, h)) plattform::Clientgroesse(b, h);
    groesse_stimmt(g, b, h, "full screen");
    EXPECT_GE(b, 1280);
    EXPECT_GE(h, 700);
    menue_und_optionen(g, "vollbild", bilder);

    // A game on the smallest map; the window is made wider once more while it runs.
    g.kleinstes_Spiel_starten();
    ASSERT_TRUE(Platzierungsmodus) << "a new game starts with placing the start building";
    plattform::Eingabe_Fenstergroesse(1600, 900);
    g.frames(2);
    groesse_stimmt(g, 1600, 900, "in the game");

    // The top bar reaches the right edge: its top rows at the right look as they do left.
    const Bild leiste = g.foto("leiste");
    EXPECT_GE(gleich_prozent(ausschnitt(leiste, {1290, 0, 1570, 6}), ausschnitt(leiste, {650, 0, 930, 6})),
              95)
        << "the top bar ends short of the window's right edge";

    // A world click on a highlighted cell places the start building where it is drawn.
    auto platz = markierter_Platz();
    ASSERT_TRUE(platz) << "no highlighted cell on the map view";
    const Bild vorher = g.foto("platz");
    g.klicken(*platz);
    g.frames(2);
    EXPECT_EQ(Spieler_Startphase(SpielerID), 0) << "the click on the highlighted cell placed nothing";
    const Bild nachher = g.foto("startgebaeude");
    const Rechteck um{platz->x - 30, platz->y - 40, platz->x + 30, platz->y + 20};
    EXPECT_GT(Unterschied(vorher, nachher, um), 200) << "the building is not drawn where it was placed";
}

}  // namespace
