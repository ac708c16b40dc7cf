#include "render/Schiffe.h"

#include <GL/gl.h>

#include <algorithm>

#include "economy/Schiffe.h"
#include "foundation/Schablonen.h"
#include "render/Figuren.h"
#include "render/Gebaeude.h"
#include "render/Modelliste.h"

namespace {

// The model of a direction code 0..5.
int richtungsmodell(int richtung) {
    switch (richtung) {
        case 1:
            return SBU_ID_airshipR;
        case 2:
            return SBU_ID_airshipRU;
        case 3:
            return SBU_ID_airshipLU;
        case 4:
            return SBU_ID_airshipL;
        case 5:
            return SBU_ID_airshipLO;
        default:
            return SBU_ID_airshipRO;
    }
}

// Only keyword types that name an ambient template have a ship model.
void modell(int typ) { ML_Liste_rufen(ML_Gebaeudelisten, ML_Spezialtyp(typ)); }

}  // namespace

void Draw_Schiffe() {
    const int anzahl = std::min(Schiff_Anzahl, static_cast<int>(Schiffe.size()));
    for (int i = 0; i < anzahl; ++i) {
        const Schiff& s = Schiffe[static_cast<std::size_t>(i)];
        int px = 0, py = 0;
        if (!Figur_Position(s.Feld, px, py)) continue;
        const float tx = static_cast<float>(px - 2), ty = static_cast<float>(py - 8);
        glTranslatef(tx, ty, 1.0f);
        if (s.Auftrag > -1) {
            float dx = 0, dy = 0;
            Figur_Versatz(s.Feld, s.Vorher, 2 * s.Warten, dx, dy);
            glTranslatef(dx, dy, 0);
            modell(richtungsmodell(Schiff_Richtung_von_Versatz(s.Vorher - s.Feld)));
            glTranslatef(-dx, -dy, 0);
        } else {
            modell(SBU_ID_airshipR);
        }
        glTranslatef(-tx, -ty, -1.0f);
    }
    glColor3f(1, 1, 1);
}
