#include "render/Schiffe.h"

#include <GL/gl.h>

#include <algorithm>

#include "economy/Schiffe.h"
#include "foundation/Schablonen.h"
#include "render/Figuren.h"
#include "render/Gebaeude.h"
#include "render/Modelliste.h"
#include "render/Spritestapel.h"

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
void modell(int typ) { SP_Modell(ML_Gebaeudelisten, ML_Gebaeudequads, ML_Spezialtyp(typ)); }

}  // namespace

void Draw_Schiffe() {
    const int anzahl = std::min(Schiff_Anzahl, static_cast<int>(Schiffe.size()));
    for (int i = 0; i < anzahl; ++i) {
        const Schiff& s = Schiffe[static_cast<std::size_t>(i)];
        int px = 0, py = 0;
        if (!Figur_Position(s.Feld, px, py)) continue;
        const float tx = static_cast<float>(px - 2), ty = static_cast<float>(py - 8);
        SP_Verschieben(tx, ty, 1.0f);
        if (s.Auftrag > -1) {
            float dx = 0, dy = 0;
            Figur_Versatz(s.Feld, s.Vorher, 2 * s.Warten, dx, dy);
            SP_Verschieben(dx, dy, 0);
            modell(richtungsmodell(Schiff_Richtung_von_Versatz(s.Vorher - s.Feld)));
            SP_Verschieben(-dx, -dy, 0);
        } else {
            modell(SBU_ID_airshipR);
        }
        SP_Verschieben(-tx, -ty, -1.0f);
    }
    SP_Farbe(1, 1, 1);
}
