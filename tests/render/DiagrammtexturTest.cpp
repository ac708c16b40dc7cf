// The statistics chart reaches the screen as a texture over the simulation's pixels.
#include <gtest/gtest.h>

#include "common/GLKontext.h"
#include "common/Kernwelt.h"
#include "economy/Diagramm.h"
#include "economy/Spieler.h"
#include "render/Modelliste.h"
#include "render/Renderdienste.h"

TEST(Diagrammtextur, ChartBecomesATextureThatKeepsItsPixels) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    Renderdienste dienste;
    Render_setzen(&dienste);
    GU_Spieler_erstellen(0);
    DiaU_Chart_erstellen(3, 1);
    ASSERT_NE(ML_Diagrammtextur, nullptr);
    const GLuint erste = ML_Diagrammtextur->ID();
    EXPECT_TRUE(glIsTexture(erste));
    EXPECT_EQ(ML_Diagrammtextur->Data(), DiaU_Pixel.data()) << "the pixels stay with the statistics";
    EXPECT_FALSE(ML_Diagrammtextur->OwnsData());
    EXPECT_EQ(
        std::make_tuple(ML_Diagrammtextur->Width(), ML_Diagrammtextur->Height(), ML_Diagrammtextur->Format()),
        std::make_tuple(256, 256, tfRGB8));
    // The next chart replaces the texture.
    DiaU_Chart_erstellen(3, 2);
    ASSERT_NE(ML_Diagrammtextur, nullptr);
    EXPECT_TRUE(glIsTexture(ML_Diagrammtextur->ID()));
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
    Render_setzen(nullptr);
    ML_Diagrammtextur.reset();
}
