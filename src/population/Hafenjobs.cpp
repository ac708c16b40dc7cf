#include "population/Hafenjobs.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "economy/Objekte.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"

std::vector<Hafenjob> Hafenjob_Liste;

namespace {

// a + b (or a - b) without overflow, held inside the Integer range.
int begrenzt(std::int64_t wert) {
    return static_cast<int>(
        std::clamp<std::int64_t>(wert, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

void HJU_Zuruecksetzen() { Hafenjob_Liste.clear(); }

void HJU_Ware_anlegen(int ware) {
    if (ware < 1) return;
    if (Hafenjob_Liste.size() < static_cast<std::size_t>(ware))
        Hafenjob_Liste.resize(static_cast<std::size_t>(ware));
    Hafenjob& job = Hafenjob_Liste[static_cast<std::size_t>(ware - 1)];
    if (job.angelegt) return;
    job.Bedarf = 10;
    // Until a harbour qualifies, the record names none (row 0 is a real object).
    job.Zielhafen = -1;
    job.Quellhafen = -1;
    job.angelegt = true;
}

void HJU_Hafenjobs_erstellen(int clan) {
    const int ende = std::min<std::int64_t>(Hafen_Ende, static_cast<std::int64_t>(Haefen.size()) - 1);
    for (int i = 0; i <= ende; ++i) {
        const int o = Haefen[static_cast<std::size_t>(i)].Objekt;
        if (!OM_Objekt_gueltig(o)) {
            Fehler_melden("HJU_Hafenjobs_erstellen > Hafen " + std::to_string(i) +
                          " nennt kein Objekt: " + std::to_string(o));
            continue;
        }
        Objektzeile& h = Objekte[static_cast<std::size_t>(o)];
        if (h.Feld() < 1 || h.Besitzer() != clan) continue;
        for (int s = 0; s < Objekt_Warenslots; ++s) {
            const int w = h.Slot_Ware(s);
            if (w <= 0) continue;
            if (static_cast<std::size_t>(w) >= SBU_Waren.size()) {
                Fehler_melden("HJU_Hafenjobs_erstellen > unbekannte Ware " + std::to_string(w) +
                              " in Objekt " + std::to_string(o));
                continue;
            }
            HJU_Ware_anlegen(w);
            Hafenjob& job = Hafenjob_Liste[static_cast<std::size_t>(w - 1)];
            const int vorrat = begrenzt(std::int64_t{h.Slot_Bestand(s)} + h.Slot_Bestellt(s));
            const int frei = begrenzt(std::int64_t{h.Slot_Bestand(s)} - h.Slot_Reserviert(s));
            if (job.Bedarf > vorrat) {
                job.Bedarf = vorrat;
                job.Zielhafen = o;
            }
            if (job.Ueberschuss < frei) {
                job.Ueberschuss = frei;
                job.Quellhafen = o;
            }
        }
    }
}

int HJU_Naechster_Hafenjob() {
    int beste = -1;
    std::int64_t beste_differenz = 1;  // only differences above 1 count
    for (std::size_t i = 0; i < Hafenjob_Liste.size(); ++i) {
        const Hafenjob& job = Hafenjob_Liste[i];
        // A good needs a harbour short of it and another one to take it from.
        if (!job.angelegt || job.Zielhafen < 0 || job.Quellhafen < 0 || job.Zielhafen == job.Quellhafen)
            continue;
        const std::int64_t d = std::int64_t{job.Ueberschuss} - job.Bedarf;
        if (d > beste_differenz) {
            beste = static_cast<int>(i) + 1;
            beste_differenz = d;
        }
    }
    return beste;
}
