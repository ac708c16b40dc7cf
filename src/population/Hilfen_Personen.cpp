#include "population/Hilfen_Personen.h"

#include "foundation/Geometrie.h"
#include "foundation/Seams.h"
#include "population/Personen.h"

void FFU_Kamera_auf_Person() {
    for (const Personenzeile& p : Personen) {
        if (p.Hunger() > 0 && p.Alter() > 100) {
            Render().Kamera_zentrieren(FFU_X_von_Feld(p.Feld()), FFU_Y_von_Feld(p.Feld()));
            return;
        }
    }
}
