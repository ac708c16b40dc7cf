// The panel texts on screen: the GL sink prints in the element's colour.
#include <gtest/gtest.h>

#include "foundation/Config.h"
#include "foundation/Zeichenbreiten.h"
#include "ui/Paneltexte.h"
#include "ui/Textausgabe.h"
#include "ui/UiHilfe.h"

TEST(PaneltexteBild, APlaceholderIsPrintedInItsColourAtItsAnchor) {
    GL_NOETIG();
    bhmtest::Uischale schale;
    bhmtest::Schriftform schrift;
    glViewport(0, 0, bhmtest::Uibreite, bhmtest::Uihoehe);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    TPU_2D_Modus();

    const std::string name = Spielername;
    Spielername = "Ida";
    ITP_Text_Item e;
    e.Text = "$User";
    e.Art = 1;  // blue
    e.Schrift = 2;
    e.Align = 1;
    e.X = 40;
    e.Y = 60;
    ITP_Texte = {{e}};
    TPU_Paneltexte_von(0);
    EXPECT_EQ(ITP_Texte[0][0].Breite, TPU_Textbreite_Font1("Ida"));

    const Bild b = bhmtest::Bild_lesen();
    int links = -1, rechts = -1;
    bool nur_blau = true;
    for (int y = 0; y < b.hoehe; ++y)
        for (int x = 0; x < b.breite; ++x) {
            const auto p = bhmtest::Pixel(b, x, y);
            if (!p[0] && !p[1] && !p[2]) continue;
            nur_blau = nur_blau && !p[0] && !p[1];
            if (links < 0 || x < links) links = x;
            rechts = std::max(rechts, x);
        }
    ASSERT_GE(links, 0) << "something was printed";
    EXPECT_TRUE(nur_blau);
    EXPECT_GE(links, 40);
    EXPECT_LE(rechts, 40 + TPU_Textbreite_Font1("Ida"));

    ITP_Texte.clear();
    Spielername = name;
}
