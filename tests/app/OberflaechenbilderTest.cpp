// The interface images of the built game folder against the panels and hot zones it
// ships: the atlas the game builds at start-up holds every image a panel script names,
// each at the size the panel's layout was made for, and the panels and UI.dat load
// against that atlas without a report.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "foundation/Bilddatei.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "common/GLKontext.h"
#include "render/Interface.h"
#include "render/Interfaceatlas.h"
#include "render/Testschale.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Panelhilfe.h"
#include "ui/Paneltexte.h"
#include "ui/UiHilfe.h"

namespace fs = std::filesystem;

namespace {

struct Groesse {
    int b, h;  // pixels; 0 x 0 = any size (stretched over the window)
    bool operator==(const Groesse&) const = default;
};

// The size every image title must have for the layouts of the panel scripts.
// Titles in UTF-8.
const std::map<std::string, Groesse>& Sollgroessen() {
    static const std::map<std::string, Groesse> g = {
        {"Titelbild", {0, 0}},
        {"Fensterrahmen", {512, 448}},
        {"Fenster klein", {448, 416}},
        {"Spielleiste", {640, 48}},
        {"Spielleiste Mitte", {640, 48}},
        {"Spielleiste Ende", {16, 48}},
        {"Knopf lang", {224, 32}},
        {"Knopf schmal", {160, 32}},
        {"Knopf breit", {96, 32}},
        {"Knopf breit an", {96, 32}},
        {"Knopf klein", {32, 32}},
        {"Knopf klein an", {32, 32}},
        {"Reiter", {80, 32}},
        {"CheckboxAus", {32, 32}},
        {"CheckboxAn", {32, 32}},
        {"SliderSchiene", {16, 16}},
        {"SliderKnopf", {16, 16}},
        {"PfeilLinks", {32, 32}},
        {"PfeilRechts", {32, 32}},
        {"TrendHoch", {16, 16}},
        {"TrendRunter", {16, 16}},
        {"TrendGleich", {16, 16}},
        {"Farbfeld", {32, 32}},
        {"Rangfarbe", {16, 16}},
        {"Symbol Mitglieder", {32, 32}},
        {"Symbol Waren", {32, 32}},
        {"Symbol Zufriedenheit", {32, 32}},
        {"PauseAnzeige", {64, 32}},
        {"Baumodus Hinweis", {320, 32}},
        {"Baumodus knapp", {320, 32}},
        {"Rangliste", {224, 224}},
        {"Spielstand", {384, 32}},
        {"Spielstand an", {384, 32}},
        {"Papierkorb", {32, 32}},
        {"SlotFrei", {32, 32}},
        {"SlotMann", {32, 32}},
        {"SlotFrau", {32, 32}},
        {"SlotZeit", {32, 32}},
        {"SlotGesperrt", {32, 32}},
        {"Ampel grün", {32, 32}},
        {"Ampel gelb", {32, 32}},
        {"Ampel rot", {32, 32}},
        {"Warnung1", {32, 32}},
        {"Warnung2", {32, 32}},
        {"Warnung3", {32, 32}},
        {"Forschung Lila", {32, 32}},
        {"Forschung blau", {32, 32}},
        {"Forschung grün", {32, 32}},
        {"Forschung gelb", {32, 32}},
        {"Forschung weiss", {32, 32}},
        // The message stream's hover boxes are 64 pixels.
        {"Meldung Clan", {64, 64}},
        {"Meldung Fehler", {64, 64}},
        {"Meldung Geburt", {64, 64}},
        {"Meldung Gebäude", {64, 64}},
        {"Meldung Hase", {64, 64}},
        {"Meldung Laden", {64, 64}},
        {"Meldung Rohstoff", {64, 64}},
        {"Meldung Schiff", {64, 64}},
        {"Meldung Speichern", {64, 64}},
        {"Meldung Tod", {64, 64}},
        {"Meldung Wanderung", {64, 64}},
    };
    return g;
}

// Coins: the achievement pages and the gold of the main bar.
bool ist_muenze(const std::string& titel) {
    for (const char* art : {"Mitglieder", "Waren", "Luxus", "Gold", "Haus", "Clan"})
        for (const char* zusatz : {"", "Matt"})
            if (titel == std::string("Muenze") + art + zusatz) return true;
    return false;
}

// The image fields of a key (positions among the fields after the key).
std::vector<int> bildfelder(const std::string& key) {
    if (key == "IconCheckBox" || key == "IconCheckSlider") return {0, 1};
    if (key == "IconInfoStream") return {1};
    for (const char* k : {"Icon", "IconVollbild", "IconIF", "IconIFWare", "IconPlayerColor", "IconRangColor",
                          "IconKlick", "IconKlickText", "IconText", "IconPopupText"})
        if (key == k) return {0};
    return {};
}

// Keys whose image carries a text of the panel on it.
bool traegt_text(const std::string& key) {
    return key == "IconKlickText" || key == "IconText" || key == "IconPopupText";
}

Groesse atlasgroesse(int nr) {
    const ITF_Rechteck& r = ITF_Texturkoordinaten[static_cast<std::size_t>(nr)];
    return {(r.cellX1 - r.cellX0) * 16, (r.cellY1 - r.cellY0) * 16};
}

// Mean brightness (0..255) of the opaque pixels of an interface image of the game folder.
double helligkeit(int nr) {
    Bild b;
    const fs::path datei = fs::path(BHM_GAME_DIR) / "Daten" / "Interface" / std::to_string(nr) / "Icon.BMP";
    if (!Bilddatei_laden(datei.string(), b) || b.format != tfBGR8) return -1;
    double summe = 0;
    long n = 0;
    for (int y = 0; y < b.hoehe; ++y)
        for (int x = 0; x < b.breite; ++x) {
            const std::uint8_t* p = b.Zeile(y) + 3 * x;  // blue, green, red
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) continue;
            summe += 0.114 * p[0] + 0.587 * p[1] + 0.299 * p[2];
            ++n;
        }
    return n ? summe / static_cast<double>(n) : -1;
}

class Oberflaechenbilder : public ::testing::Test {
protected:
    bhmtest::Oberflaeche_sauber ui;
    std::string daten = Programmpfad + "daten\\";

    void SetUp() override {
        const fs::path spiel = fs::path(BHM_GAME_DIR) / "Daten";
        const fs::path ziel = Pfad_aufloesen(daten);
        fs::create_directories(ziel);
        for (const char* o : {"Interface", "Panel"})
            fs::copy(spiel / o, ziel / o, fs::copy_options::recursive);
        fs::copy_file(spiel / "UI.dat", ziel / "UI.dat");
        ITF_Interface_erzeugen(daten);
        ASSERT_EQ(Fehlertext, "") << "building the atlas";
    }
    void TearDown() override { ITF_Freigeben(); }
};

TEST_F(Oberflaechenbilder, JedesBildDerPanelsIstImAtlasInSeinerGroesse) {
    // Image 0 stands for every unknown title, and the window icons align by it.
    ASSERT_FALSE(ITF_Elemente.empty());
    EXPECT_EQ(ITF_Elemente[0].Titel, "Leer");
    EXPECT_EQ(atlasgroesse(0), (Groesse{16, 16}));
    // Looked up by title in the code: the tooltip frame.
    EXPECT_NE(ITP_Bildnummer("MousePopup"), 0);

    int gepruefte = 0;
    for (int n = 0;; ++n) {
        const auto zeilen = Textdatei_lesen(daten + "Panel\\" + std::to_string(n) + "\\Script.srt");
        if (!zeilen) break;
        std::set<std::string> mit_text;  // images that carry a text in this panel
        for (const std::string& z : *zeilen) {
            std::string rest = z, key;
            FFU_Slashteil_entnehmen(rest, key);
            const std::vector<int> felder = bildfelder(key);
            for (int feld : felder) {
                const std::string titel = FFU_Teil_Nr(rest, '/', feld);
                const std::string name = cp1252_zu_utf8(titel);
                const std::string wo = "Panel " + std::to_string(n) + ": " + cp1252_zu_utf8(z);
                const int nr = ITP_Bildnummer(titel);
                ++gepruefte;
                if (nr == 0) {
                    ADD_FAILURE() << "no image titled '" << name << "' in " << wo;
                    continue;
                }
                const Groesse ist = atlasgroesse(nr);
                if (ist_muenze(name)) {
                    EXPECT_EQ(ist, (Groesse{32, 32})) << name << " in " << wo;
                } else if (const auto soll = Sollgroessen().find(name); soll == Sollgroessen().end()) {
                    ADD_FAILURE() << "no layout size known for '" << name << "' in " << wo;
                } else if (!(soll->second == Groesse{0, 0})) {
                    EXPECT_EQ(ist, soll->second)
                        << name << " is " << ist.b << "x" << ist.h << ", the layout needs " << soll->second.b
                        << "x" << soll->second.h << " in " << wo;
                }
                // Panel texts print black: what carries one must be light, the lit state of
                // such a button too.
                if (traegt_text(key)) mit_text.insert(titel);
                const bool unter_text =
                    traegt_text(key) || (key == "IconCheckBox" && mit_text.count(FFU_Teil_Nr(rest, '/', 0)));
                if (unter_text) {
                    EXPECT_GE(helligkeit(nr), 170.0) << name << " carries dark text in " << wo;
                }
            }
            if (felder.size() == 2) {
                const int a = ITP_Bildnummer(FFU_Teil_Nr(rest, '/', 0)),
                          b = ITP_Bildnummer(FFU_Teil_Nr(rest, '/', 1));
                if (a != 0 && b != 0) {
                    EXPECT_EQ(atlasgroesse(a), atlasgroesse(b)) << "two states of one size: " << z;
                }
            }
        }
    }
    EXPECT_GT(gepruefte, 500);
}

TEST_F(Oberflaechenbilder, PanelsUndHotzonenLadenGegenDenEchtenAtlas) {
    ITP_Panels_einlesen(daten);
    EXPECT_EQ(Fehlertext, "");
    ASSERT_EQ(ITP_Icons.size(), 32u);
    // A click area taken from an icon has that image's size.
    for (std::size_t p = 0; p < ITP_Mausfelder.size(); ++p)
        for (const ITP_Mausfeld& m : ITP_Mausfelder[p]) {
            const int nr = m[ITP_Maus_Bild];
            if (nr <= 0) continue;
            const Groesse g = atlasgroesse(nr);
            EXPECT_EQ((Groesse{m[ITP_Maus_W], m[ITP_Maus_H]}), g) << "Panel " << p << " image " << nr;
        }

    MO_UIdat_laden();
    EXPECT_FALSE(MO_Zonen.empty());
    EXPECT_EQ(Fehlertext, "");
}

// The click areas of one panel never lie over each other: a click runs the action of every
// area under the mouse, and a picture under another cannot be seen whole. Areas of one
// alignment are compared in the pixels of that alignment (the window size cancels out); the
// hidden areas of the game bar, which lie over the whole map for the objects and the messages
// under the mouse, the steps of one slider (one action), the areas that only show a tooltip
// and the buttons that carry two actions on one area (the same rectangle twice) are left out.
TEST_F(Oberflaechenbilder, KlickflaechenEinesPanelsUeberdeckenSichNicht) {
    ITP_Panels_einlesen(daten);
    ASSERT_EQ(Fehlertext, "");
    struct Flaeche {
        int align, x1, y1, x2, y2, aktion;
    };
    int verglichen = 0;
    for (std::size_t p = 0; p < ITP_Mausfelder.size(); ++p) {
        std::vector<Flaeche> flaechen;
        for (const ITP_Mausfeld& m : ITP_Mausfelder[p]) {
            const int aktion = m[ITP_Maus_Aktion];
            if (aktion == -1 || (aktion >= 666 && aktion <= 717)) continue;
            const int a = m[ITP_Maus_Align], w = ITP_Bildbreite(m[ITP_Maus_Bild]),
                      h = ITP_Bildhoehe(m[ITP_Maus_Bild]);
            const int dx = a == 2 || a == 5 || a == 8 ? -(w / 2) : a == 3 || a == 6 || a == 9 ? -w : 0;
            const int dy = a >= 4 && a <= 6 ? -(h / 2) : a >= 7 ? -h : 0;
            const int x1 = m[ITP_Maus_X] + dx, y1 = m[ITP_Maus_Y] + dy;
            flaechen.push_back({a, x1, y1, x1 + m[ITP_Maus_W], y1 + m[ITP_Maus_H], aktion});
        }
        for (std::size_t i = 0; i < flaechen.size(); ++i)
            for (std::size_t j = i + 1; j < flaechen.size(); ++j) {
                const Flaeche &f = flaechen[i], &g = flaechen[j];
                const bool gleich = f.x1 == g.x1 && f.y1 == g.y1 && f.x2 == g.x2 && f.y2 == g.y2;
                if (f.align != g.align || f.aktion == g.aktion || gleich) continue;
                ++verglichen;
                // Bounds are exclusive: areas that share an edge do not overlap.
                EXPECT_FALSE(f.x1 + 1 < g.x2 && g.x1 + 1 < f.x2 && f.y1 + 1 < g.y2 && g.y1 + 1 < f.y2)
                    << "panel " << p << ": action " << f.aktion << " at " << f.x1 << "," << f.y1
                    << " and action " << g.aktion << " at " << g.x1 << "," << g.y1;
            }
    }
    EXPECT_GT(verglichen, 100);
}

// Every script panel at the smallest client area (1280 x 700, centre 640 x 350) with the fonts
// the game draws with: what a panel shows lies inside the client area, and inside a panel that
// sits on a window frame, every picture, click area and fixed text lies inside the frame's
// wooden border (6 pixels), so that no button sits on the frame's edge and no text crosses it.
TEST_F(Oberflaechenbilder, JedesPanelLiegtImClientbereichUndInSeinemRahmen) {
    GL_NOETIG();
    bhmtest::Schriftform schrift;
    constexpr int kBreite = 1280, kHoehe = 700, kRand = 6;
    bhmtest::Testschale schale(kBreite, kHoehe);
    GLForm->ClientWidth = kBreite;
    GLForm->ClientHeight = kHoehe;
    const int mx = IFU_Fenstermitte_X, my = IFU_Fenstermitte_Y;
    IFU_Fenstermitte_X = kBreite / 2;
    IFU_Fenstermitte_Y = kHoehe / 2;
    ITP_Panels_einlesen(daten);
    ASSERT_EQ(Fehlertext, "");

    struct Rechteck {
        int x1, y1, x2, y2;
        bool in(const Rechteck& r) const { return x1 >= r.x1 && y1 >= r.y1 && x2 <= r.x2 && y2 <= r.y2; }
    };
    const auto groesse = [](int nr) { return atlasgroesse(nr); };
    int geprueft = 0;
    for (int p = 0; p < static_cast<int>(ITP_Icons.size()); ++p) {
        const ITP_Icon_R& icons = ITP_Icons[static_cast<std::size_t>(p)];
        // The panel's window frame: a frame picture centred on the window.
        std::optional<Rechteck> innen;
        for (int i = 0; i < static_cast<int>(icons.size()); ++i) {
            const ITP_Icon_Item& e = icons[static_cast<std::size_t>(i)];
            if (e.Art != 0 || e.Bilder.empty() || e.Align != 5 || e.X != 0 || e.Y != 0) continue;
            const std::string titel = ITF_Elemente[static_cast<std::size_t>(e.Bilder[0])].Titel;
            if (titel != "Fensterrahmen" && titel != "Fenster klein") continue;
            const Groesse g = groesse(e.Bilder[0]);
            const int x = Draw_Ausrichtung_X(p, i), y = Draw_Ausrichtung_Y(p, i);
            innen = Rechteck{x + kRand, y + kRand, x + g.b - kRand, y + g.h - kRand};
        }
        const Rechteck client{0, 0, kBreite, kHoehe};
        const auto pruefen = [&](const Rechteck& r, const std::string& was, bool im_rahmen) {
            ++geprueft;
            EXPECT_TRUE(r.in(client)) << "panel " << p << ": " << was << " at " << r.x1 << "," << r.y1 << ".."
                                      << r.x2 << "," << r.y2 << " leaves the client area";
            if (innen && im_rahmen) {
                EXPECT_TRUE(r.in(*innen))
                    << "panel " << p << ": " << was << " at " << r.x1 << "," << r.y1 << ".." << r.x2 << ","
                    << r.y2 << " leaves the frame's inside " << innen->x1 << "," << innen->y1 << ".."
                    << innen->x2 << "," << innen->y2;
            }
        };
        for (int i = 0; i < static_cast<int>(icons.size()); ++i) {
            const ITP_Icon_Item& e = icons[static_cast<std::size_t>(i)];
            // Full-screen pictures and the message stream cover the window by design.
            if (e.Art == 7 || e.Art == 8 || e.Bilder.empty()) continue;
            const std::size_t bild = e.Art == 5 || e.Art == 1 ? 1 : 0;
            if (bild >= e.Bilder.size() || e.Bilder[bild] <= 0) continue;
            const Groesse g = groesse(e.Bilder[bild]);
            const int x = Draw_Ausrichtung_X(p, i) + e.X, y = Draw_Ausrichtung_Y(p, i) + e.Y;
            const std::string titel = ITF_Elemente[static_cast<std::size_t>(e.Bilder[bild])].Titel;
            // The game bar's middle pieces lie side by side to fill wider windows; those past the
            // right edge are not shown at this size.
            if (titel == "Spielleiste Mitte" && x >= kBreite) continue;
            const bool rahmen = e.Align == 5 && e.X == 0 && e.Y == 0 &&
                                (titel == "Fensterrahmen" || titel == "Fenster klein");
            pruefen({x, y, x + g.b, y + g.h}, "picture '" + cp1252_zu_utf8(titel) + "' " + e.Name, !rahmen);
        }
        const ITP_Mous_R& felder = ITP_Mausfelder[static_cast<std::size_t>(p)];
        for (int a = 0; a < static_cast<int>(felder.size()); ++a) {
            const ITP_Mausfeld& m = felder[static_cast<std::size_t>(a)];
            // The hidden areas of the game bar lie over the whole map.
            if (m[ITP_Maus_Aktion] >= 666 && m[ITP_Maus_Aktion] <= 717) continue;
            const int x = MO_Align_X(p, a) + m[ITP_Maus_X], y = MO_Align_Y(p, a) + m[ITP_Maus_Y];
            pruefen({x, y, x + m[ITP_Maus_W], y + m[ITP_Maus_H]},
                    "click area of action " + std::to_string(m[ITP_Maus_Aktion]), true);
        }
        const ITP_Text_R& texte = ITP_Texte[static_cast<std::size_t>(p)];
        for (int t = 0; t < static_cast<int>(texte.size()); ++t) {
            const ITP_Text_Item& e = texte[static_cast<std::size_t>(t)];
            // Placeholders have the width of what they show at run time.
            if (e.Text.empty() || e.Text[0] == '$') continue;
            const int shift = e.Ausrichtung == 2 ? -(e.Breite / 2) : e.Ausrichtung == 3 ? -e.Breite : 0;
            const int x = TPU_Anker_X(p, t) + e.X + shift, y = TPU_Anker_Y(p, t) + e.Y;
            // Above and below the base line: the letters of the small and of the big font.
            const int oben = e.Schrift == 2 ? 15 : 12, unten = e.Schrift == 2 ? 4 : 3;
            pruefen({x, y - oben, x + e.Breite, y + unten}, "text '" + cp1252_zu_utf8(e.Text) + "'", true);
        }
    }
    EXPECT_GT(geprueft, 800);
    IFU_Fenstermitte_X = mx;
    IFU_Fenstermitte_Y = my;
}

}  // namespace
