#include "economy/Schiffe.h"

#include <cstdlib>

#include "economy/Haefen.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "foundation/Bauplaetze.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "population/Personen.h"
#include "world/Karte.h"

std::vector<Schiff> Schiffe;
int Schiff_Anzahl = 0;

namespace {

constexpr int Schiff_Schritt = 10;
// Steps between two moves, after a finished trip, and between two requests for work.
constexpr int Warten_Flug = 5;
constexpr int Warten_Ankunft = 60;
constexpr int Warten_Leerlauf = 30;
constexpr int Hunger_nach_Reise = 200;

Schiff& schiff(int i) { return Schiffe[static_cast<std::size_t>(i)]; }

// The object row anchored on the cell, -1 when there is none.
int objekt_auf(int feld) {
    if (!MG_Feld_gueltig(feld)) return -1;
    const int o = Karte[static_cast<std::size_t>(feld)].Objekt();
    return OM_Objekt_gueltig(o) ? o : -1;
}

void anhaengen(const Schiff& s) {
    if (static_cast<std::size_t>(Schiff_Anzahl) >= Schiffe.size())
        Schiffe.resize(static_cast<std::size_t>(Schiff_Anzahl) + Schiff_Schritt);
    Schiffe[static_cast<std::size_t>(Schiff_Anzahl)] = s;
    ++Schiff_Anzahl;
}

// A load that will not arrive. A goods load: before loading, the source takes back its
// promises (units it still holds); the target stops waiting for the units either way. A
// passenger not yet aboard waits for the next ship (the place it was marked for is gone).
void ladung_aufgeben(const Schiff& s) {
    if (s.Auftrag == Schiff_Auftrag_Passagier && s.Naechstes_Ziel >= 0 && PM_Person_lebt(s.Ladung) &&
        Personen[static_cast<std::size_t>(s.Ladung)].AuftragID() == JU_Auftrag_im_Hafen)
        Personen[static_cast<std::size_t>(s.Ladung)].WarenID() = 0;
    if (s.Auftrag != Schiff_Auftrag_Waren) return;
    const bool vor_dem_laden = s.Naechstes_Ziel >= 0;
    const int quelle = vor_dem_laden ? objekt_auf(s.Ziel) : -1;
    const int ziel = objekt_auf(vor_dem_laden ? s.Naechstes_Ziel : s.Ziel);
    for (int k = 0; k < s.Ladungsmenge; ++k) {
        if (quelle >= 0) OM_Reservierung_aufheben(s.Ladung, quelle);
        if (ziel >= 0) WarenAnschaffungsauftragentfernen(s.Ladung, ziel);
    }
}

// The trip is over: the ship is idle again and rests a while.
void frei_machen(Schiff& s, int warten) {
    s.Ladungsmenge = 0;
    s.Ladung = -1;
    s.Ziel = -1;
    s.Naechstes_Ziel = -1;
    s.Auftrag = Schiff_Auftrag_frei;
    s.Warten = warten;
}

// The anchor cell of the clan's harbour nearest to the cell, -1 when it has none.
int naechster_eigener_hafen(int besitzer, int feld) {
    int beste = -1, beste_distanz = 0;
    for (int h = 0; h <= Hafen_Ende && static_cast<std::size_t>(h) < Haefen.size(); ++h) {
        const int o = Haefen[static_cast<std::size_t>(h)].Objekt;
        if (!OM_Objekt_gueltig(o)) continue;
        const Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
        if (z.Besitzer() != besitzer || z.Feld() < 1 || z.Zustand() != 0) continue;
        const int d = FFU_Distanz(z.Feld(), feld);
        if (beste < 0 || d < beste_distanz) {
            beste = z.Feld();
            beste_distanz = d;
        }
    }
    return beste;
}

// The destination has no object any more (demolished or decayed) while something is
// aboard: the ship takes it on to the owner's nearest harbour. False when the owner has
// none.
bool umleiten(Schiff& s, const char* routine) {
    const int feld = naechster_eigener_hafen(s.Besitzer, s.Feld);
    Fehler_melden(std::string(routine) + " > kein Objekt am Ziel " + std::to_string(s.Ziel) +
                  (feld < 0 ? ", kein eigener Hafen" : ", weiter zum Hafen " + std::to_string(feld)));
    if (feld < 0 || feld == s.Ziel) return false;
    s.Ziel = feld;
    s.Naechstes_Ziel = -1;
    return true;
}

// True when a person stands on a footprint cell of the type anchored at anker.
bool person_auf_bauplatz(int anker, int typ) {
    const int n = SBU_Bauplatz_Felderzahl(typ);
    for (int k = 0; k <= n; ++k) {
        const int c = anker + SBU_Bauplatz_Feld_Versatz(typ, k);
        if (MG_Feld_gueltig(c) && Karte[static_cast<std::size_t>(c)].Person() > -1) return true;
    }
    return false;
}

}  // namespace

void Schiff_hinzufuegen(const Schiff& s) {
    anhaengen(s);
    if (GU_Clan_gueltig(s.Besitzer)) ++Spieler[static_cast<std::size_t>(s.Besitzer)].Flugschiffe();
    ESU_Schiff_pruefen(s.Besitzer);
}

void Schiff_bauen(int objekt) {
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("Schiff_bauen > Objekt nicht vorhanden: " + std::to_string(objekt));
        return;
    }
    const Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    // The production order already counted this ship.
    if (GU_Clan_gueltig(o.Besitzer())) --Spieler[static_cast<std::size_t>(o.Besitzer())].Flugschiffe();
    Schiff s;
    s.Feld = s.Vorher = o.Feld();
    s.Besitzer = o.Besitzer();
    Schiff_hinzufuegen(s);
}

void Schiff_Liste_leeren() {
    Schiffe.clear();
    Schiff_Anzahl = 0;
}

void Schiff_Tick() {
    int i = 0;
    while (i < Schiff_Anzahl) {
        if (schiff(i).Auftrag < 0) {
            Schiff_Leerlauf(i);
        } else if (Schiff_aktiv(i)) {
            schiff(i) = schiff(Schiff_Anzahl - 1);
            schiff(Schiff_Anzahl - 1) = Schiff{};
            --Schiff_Anzahl;
            continue;
        }
        ++i;
    }
}

bool Schiff_Warten(int i) {
    Schiff& s = schiff(i);
    if (--s.Warten >= 0) return true;
    s.Warten = 0;
    return false;
}

void Schiff_Leerlauf(int i) {
    if (Schiff_Warten(i)) return;
    if (JU_Schiff_beladen(i) || JU_Schiffsauftrag(i) || JU_Hafenjob_vergeben(i)) return;
    schiff(i).Warten = Warten_Leerlauf;
}

bool Schiff_aktiv(int i) {
    if (Schiff_Warten(i)) return false;
    Schiff& s = schiff(i);
    if (!MG_Feld_gueltig(s.Feld) || !MG_Feld_gueltig(s.Ziel)) {
        // An order without a reachable target would fly off the map.
        Fehler_melden("Schiff_aktiv > Ziel ausserhalb der Karte: " + std::to_string(s.Feld) + " -> " +
                      std::to_string(s.Ziel));
        ladung_aufgeben(s);
        frei_machen(s, Warten_Leerlauf);
        return false;
    }
    if (s.Feld == s.Ziel) return Hafen_Schiff_Bewegungsmanager(i);
    Schiff_Bewegungsschritt(i);
    schiff(i).Warten = Warten_Flug;
    return false;
}

void Schiff_Bewegungsschritt(int i) {
    Schiff& s = schiff(i);
    const int n = MG_Kartengroesse;
    s.Vorher = s.Feld;
    const int x = FFU_X_von_Feld(s.Feld);
    const int dx = x - FFU_X_von_Feld(s.Ziel);
    const int dy = FFU_Y_von_Feld(s.Feld) - FFU_Y_von_Feld(s.Ziel);
    const int ax = std::abs(dx), ay = std::abs(dy);
    int schritt = 0;
    if (ay < ax) {
        schritt = dx > 0 ? -1 : 1;
    } else if (ax < ay) {
        if (dy > 0)
            schritt = dx < 0 ? -n : -1;
        else
            schritt = dx > 0 ? n : 1;
        // The sideways step of a target straight above or below would leave the row
        // at the map's edge; there the ship flies straight.
        if (dx == 0 && ((schritt == -1 && x == 0) || (schritt == 1 && x == n - 1))) schritt = dy > 0 ? -n : n;
    } else if (dx > 0 && dy > 0) {
        schritt = -1;
    } else if (dx < 0 && dy < 0) {
        schritt = 1;
    } else if (dx > 0 && dy < 0) {
        schritt = n - 1;
    } else if (dx < 0 && dy > 0) {
        schritt = 1 - n;
    }
    s.Feld += schritt;
}

bool Hafen_Schiff_Bewegungsmanager(int i) {
    Schiff& s = schiff(i);
    switch (s.Auftrag) {
        case Schiff_Auftrag_Waren:
            Schiff_Warenankunft(i);
            return false;
        case Schiff_Auftrag_Gebaeude: {
            if (person_auf_bauplatz(s.Ziel, s.Naechstes_Ziel)) return false;
            const int besitzer = s.Besitzer;
            BPU_Baustelle_komplett_planieren(s.Ziel, s.Naechstes_Ziel, besitzer);
            if (GU_Clan_gueltig(besitzer)) --Spieler[static_cast<std::size_t>(besitzer)].Flugschiffe();
            return true;
        }
        case Schiff_Auftrag_Passagier:
            Schiff_Passagierankunft(i);
            return false;
        default:
            Fehler_melden("Hafen_Schiff_Bewegungsmanager kennt die AuftragsID nicht: " +
                          std::to_string(s.Auftrag));
            // Idle again, or it would ask the same at every step.
            frei_machen(s, Warten_Leerlauf);
            return false;
    }
}

void Schiff_Warenankunft(int i) {
    Schiff& s = schiff(i);
    if (s.Naechstes_Ziel >= 0) {
        const int quelle = objekt_auf(s.Ziel);
        const int ziel = objekt_auf(s.Naechstes_Ziel);
        if (quelle < 0 || ziel < 0) {
            // Either harbour is gone: nothing is loaded, a remaining source takes its
            // promises back and a remaining target stops waiting for the units.
            Fehler_melden("Schiff_Warenankunft > kein Objekt am " +
                          std::string(quelle < 0 ? "Ladeplatz " + std::to_string(s.Ziel)
                                                 : "Ziel " + std::to_string(s.Naechstes_Ziel)));
            ladung_aufgeben(s);
            frei_machen(s, Warten_Leerlauf);
            return;
        }
        // First stop: load what the source holds of the promised units; the source takes
        // back the promises of the units that are not there, and the target stops waiting for them.
        int geladen = 0;
        for (int k = 0; k < s.Ladungsmenge; ++k) {
            if (!OM_Ware_vorhanden(s.Ladung, quelle)) continue;
            OM_Ware_auslagern(s.Ladung, quelle);
            ++geladen;
        }
        for (int k = geladen; k < s.Ladungsmenge; ++k) {
            OM_Reservierung_aufheben(s.Ladung, quelle);
            WarenAnschaffungsauftragentfernen(s.Ladung, ziel);
        }
        s.Ladungsmenge = geladen;
        s.Ziel = s.Naechstes_Ziel;
        s.Naechstes_Ziel = -1;
        return;
    }
    const int ziel = objekt_auf(s.Ziel);
    if (ziel < 0) {
        if (s.Ladungsmenge < 1) {
            Fehler_melden("Schiff_Warenankunft > kein Objekt am Ziel " + std::to_string(s.Ziel));
        } else if (umleiten(s, "Schiff_Warenankunft")) {
            // The new harbour expects the load like any delivery.
            const int neu = objekt_auf(s.Ziel);
            for (int k = 0; k < s.Ladungsmenge; ++k) OM_Ware_wird_nun_besorgt(s.Ladung, neu);
            return;
        } else {
            Fehler_melden("Schiff_Warenankunft > Ladung verloren: " + std::to_string(s.Ladungsmenge) +
                          " x Ware " + std::to_string(s.Ladung));
        }
        frei_machen(s, Warten_Leerlauf);
        return;
    }
    for (int k = 0; k < s.Ladungsmenge; ++k) OM_Ware_einlagern(s.Ladung, ziel);
    frei_machen(s, Warten_Ankunft);
}

void Schiff_Passagierankunft(int i) {
    Schiff& s = schiff(i);
    if (s.Naechstes_Ziel >= 0) {
        const int o = objekt_auf(s.Ziel);
        if (o < 0) {
            // The departure harbour is gone: nobody boards.
            Fehler_melden("Schiff_Passagierankunft > kein Objekt am Abfahrtsort " + std::to_string(s.Ziel));
            frei_machen(s, Warten_Leerlauf);
            return;
        }
        const int h = Objekte[static_cast<std::size_t>(o)].Hafen();
        if (h >= 0 && h <= Hafen_Ende && static_cast<std::size_t>(h) < Haefen.size()) {
            const Hafen_inhalte& hafen = Haefen[static_cast<std::size_t>(h)];
            for (int k = 0; k < hafen.Anzahl && static_cast<std::size_t>(k) < hafen.Passagiere.size(); ++k) {
                if (hafen.Passagiere[static_cast<std::size_t>(k)] != s.Ladung) continue;
                Hafen_Passagier_entfernen(h, k);
                break;
            }
        }
        s.Ziel = s.Naechstes_Ziel;
        s.Naechstes_Ziel = -1;
        return;
    }
    // A destination that is gone sends the passenger on to the owner's nearest harbour;
    // with none left he goes ashore where the ship is.
    if (objekt_auf(s.Ziel) < 0 && umleiten(s, "Schiff_Passagierankunft")) return;
    Schiff_Passagier_absetzen(i);
    frei_machen(s, Warten_Ankunft);
}

void Schiff_Passagier_absetzen(int i) {
    Schiff& s = schiff(i);
    // Only a passenger still on its way lands; the row of one who died meanwhile may
    // already belong to somebody else.
    if (!PM_Person_lebt(s.Ladung) ||
        Personen[static_cast<std::size_t>(s.Ladung)].AuftragID() != JU_Auftrag_im_Hafen) {
        Fehler_melden("Schiff_Passagier_absetzen > Passagier nicht an Bord: " + std::to_string(s.Ladung));
        return;
    }
    // The harbour counts the settler it asked for only when one arrives.
    const int o = objekt_auf(s.Feld);
    if (o >= 0 && Objekte[static_cast<std::size_t>(o)].Zaehler() > 0)
        --Objekte[static_cast<std::size_t>(o)].Zaehler();
    Personenzeile& p = Personen[static_cast<std::size_t>(s.Ladung)];
    p.AuftragID() = JU_Auftrag_gelandet;
    PM_Ziel_setzen(s.Ladung, s.Feld);
    p.Feld() = s.Feld;
    p.Hunger() = Hunger_nach_Reise;
}

int Schiff_Richtung_von_Versatz(int versatz) {
    const int n = MG_Kartengroesse;
    if (versatz == -n) return 0;
    if (versatz == -1) return 1;
    if (versatz == n - 1) return 2;
    if (versatz == n) return 3;
    if (versatz == 1) return 4;
    if (versatz == 1 - n) return 5;
    return 0;
}

bool Schiff_File_Save(const std::string& datei) {
    std::vector<std::string> zeilen;
    zeilen.reserve(static_cast<std::size_t>(Schiff_Anzahl));
    for (int i = 0; i < Schiff_Anzahl; ++i) {
        const Schiff& s = schiff(i);
        zeilen.push_back(FFU_Zeile_bauen({s.Feld, s.Ziel, s.Naechstes_Ziel, s.Vorher, s.Warten, s.Ladung,
                                          s.Ladungsmenge, s.Auftrag, s.Besitzer}));
    }
    if (Textdatei_schreiben(datei, zeilen)) return true;
    Fehler_melden("Schiff_File_Save > Datei konnte nicht geschrieben werden: " + datei);
    return false;
}

void Schiff_File_Load(const std::string& datei) {
    // A missing file reads as nothing.
    const auto zeilen = Textdatei_lesen(datei);
    if (!zeilen) return;
    for (std::size_t z = 0; z < zeilen->size(); ++z) {
        const std::string& zeile = (*zeilen)[z];
        if (zeile.empty()) continue;
        int w[9];
        if (!Zahlenzeile_lesen(zeile, 9, w) || w[7] < -1 || w[7] > 3 || !MG_Feld_gueltig(w[0]) || w[8] < 0) {
            Fehler_melden("Schiff_File_Load > Zeile " + std::to_string(z + 1) + " unlesbar: " + zeile);
            continue;
        }
        Schiff s{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8]};
        if (!MG_Feld_gueltig(s.Vorher)) s.Vorher = s.Feld;
        // The clan rows already carry their ship counts, and the first ship was
        // celebrated when it was built: a loaded ship is only appended.
        anhaengen(s);
    }
}
