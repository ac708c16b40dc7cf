#include "population/Jobarchiv.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Spielstatus.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Personen_Geburt.h"
#include "population/Personen_Leben.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Gelaende.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

int JA_Suchring = 0;
bool JA_Schnellwege = true;

namespace {

// Building spots farther than this from the origin are passed over unless unlimited.
constexpr int Bauplatz_Reichweite = 120;

Kartenfeld& feld_von(int c) { return Karte[static_cast<std::size_t>(c)]; }

// The cell lies inside the part of the map the tests examine.
bool pruefbar(int c) { return c >= 2 && static_cast<std::size_t>(c) + 1 < Karte.size(); }

// Land type of a neighbour; a cell outside the map counts as neither water nor high ground.
int nachbar_land(int c, int versatz) {
    const int n = c + versatz;
    return MG_Feld_gueltig(n) ? feld_von(n).LandType() : 1;
}

bool gleiche_insel(int c, int c0) {
    return MG_Feld_gueltig(c0) && feld_von(c).Insel() == feld_von(c0).Insel();
}

bool nachbar_hat(int c, bool (*test)(int land)) {
    for (int r = 1; r <= 6; ++r)
        if (test(nachbar_land(c, FFU_Nachbarfeld(r)))) return true;
    return false;
}

// The work-radius modes resume at the ring kept in the workplace on c0.
bool arbeitsradius_modus(int modus) {
    return modus == 29 || modus == 31 || modus == 34 || modus == 35 || modus == 38 || modus == 41;
}

void overlay_markieren(int c, int wert) {
    if (static_cast<std::size_t>(c) < BPU_PFU_Indexliste.size())
        BPU_PFU_Indexliste[static_cast<std::size_t>(c)] = wert;
}

// The ring walk around c0 from ring `start` + 1 up to ring radius; the first cell that passes.
template <typename Test>
int ringe_ablaufen(int c0, int start, int radius, Test test) {
    const int n_seite = MG_Kartengroesse;
    const int richtungen[5] = {n_seite - 1, -1, -n_seite, 1 - n_seite, 1};
    if (start >= radius) return -1;
    // On wide rings the index walk wraps round the map rows and may come back to the origin.
    auto treffer = [&](int c) { return c != c0 && test(c); };
    int c = c0 + start * (1 - n_seite);
    for (int n = start + 1; n <= radius; ++n) {
        c += 1;
        if (treffer(c)) return JA_Suchring = n, c;
        for (int i = 1; i < n; ++i) {
            c += n_seite;
            if (treffer(c)) return JA_Suchring = n, c;
        }
        for (int d : richtungen)
            for (int i = 0; i < n; ++i) {
                c += d;
                if (treffer(c)) return JA_Suchring = n, c;
            }
    }
    return -1;
}

// Whether some cell of rings 1..radius around c0 passes the test, the cells read row by
// row as they lie in memory (each row of the hexagon is one run of cells) instead of in
// ring order, which jumps between rows. The cells are the walk's own: offsets
// dx + dy x side, wrapping across row ends as the walk does.
template <typename Test>
bool sechseck_hat(int c0, int radius, Test test) {
    const int n_seite = MG_Kartengroesse;
    for (int dy = -radius; dy <= radius; ++dy) {
        const int zeile = c0 + dy * n_seite;
        const int bis = zeile + std::min(radius, radius - dy);
        for (int c = zeile + std::max(-radius, -radius - dy); c <= bis; ++c)
            if (c != c0 && test(c)) return true;
    }
    return false;
}

// Rings walked before the whole hexagon is read, for the modes whose test has no side
// effect and whose search may find nothing: no free cell for a boxed-in person (mode
// 30). A search that finds nothing then costs one reading in memory order instead of a
// walk that jumps between rows; one that finds its cell in the nearer rings costs what
// it did. -1: the plain walk.
int nahe_ringe(int modus) { return modus == 30 ? 8 : -1; }

}  // namespace

int Schneckenroutine(int c0, int modus, int clan) {
    if (!MG_Feld_gueltig(c0)) {
        Fehler_melden("Jobarchive > Schneckenroutine > Feld ausserhalb der Karte: " + std::to_string(c0));
        return -1;
    }
    const int n_seite = MG_Kartengroesse;
    int radius = 15;
    if (arbeitsradius_modus(modus)) {
        if (!GU_Clan_gueltig(clan)) {
            Fehler_melden("Jobarchive > Schneckenroutine > unbekannter Clan: " + std::to_string(clan));
            return -1;
        }
        radius = Spieler[static_cast<std::size_t>(clan)].Arbeitsradius();
    } else if (modus == 28 || modus == 32 || modus == 39) {
        radius = n_seite;
    } else if (modus == 30) {
        radius = 25;
    } else if (modus == 33) {
        radius = 2 * n_seite;
    } else if (modus == 37) {
        radius = 3;
    } else if (modus == 40) {
        radius = 50;
    } else if (modus != 0 && (modus < 28 || modus > 41)) {
        Fehler_melden("Jobarchive > Schneckenroutine > Modus unbekannt: " + std::to_string(modus));
    }
    int start = 0;
    if (arbeitsradius_modus(modus)) {
        const int o = feld_von(c0).Objekt();
        if (OM_Objekt_gueltig(o)) start = Objekte[static_cast<std::size_t>(o)].Zaehler() - 1;
        if (start < 0) start = 0;
    }
    // Whether anybody stands near is answered from the bits of occupied cells; only
    // when somebody does is the walk made, for the cell and ring it finds first.
    if (modus == 37 && JA_Schnellwege && !MG_Person_im_Umkreis(c0, radius)) return -1;
    auto test = [&](int c) { return Feldkontrolle(c, c0, modus, radius); };
    if (JA_Schnellwege && nahe_ringe(modus) >= 0) {
        const int nah = std::min(start + nahe_ringe(modus), radius);
        const int f = nah > start ? ringe_ablaufen(c0, start, nah, test) : -1;
        if (f != -1 || nah >= radius || !sechseck_hat(c0, radius, test)) return f;
        start = nah;
    }
    return ringe_ablaufen(c0, start, radius, test);
}

bool Feldkontrolle(int feld, int c0, int modus, int radius) {
    if (!pruefbar(feld)) return false;
    Kartenfeld& k = feld_von(feld);
    switch (modus) {
        case 0:
            // The planter walks to the place, so it lies on the farm's island: a coast within
            // the radius may face another island, where no path leads.
            return FFU_Umgebung_frei(feld) && gleiche_insel(feld, c0);
        case 28:
        case 29:
        case 31:
        case 32:
            return false;
        case 30:
            return k.Block() == -1 && k.Person() == -1 && gleiche_insel(feld, c0);
        case 33:
            return k.Insel() == KI_Insel;
        case 34:
            return k.LandType() >= 6 && gleiche_insel(feld, c0) && FFU_Distanz(feld, c0) < radius;
        case 35: {
            if (Bau_Testmodus == 5) overlay_markieren(feld, 1);
            const int n_seite = MG_Kartengroesse;
            const bool wasser = nachbar_land(feld, -1) == 0 || nachbar_land(feld, n_seite) == 0 ||
                                nachbar_land(feld, 1 - n_seite) == 0;
            const bool ok = k.LandType() == 1 && k.Ambiente() == -1 && k.Block() == -1 &&
                            gleiche_insel(feld, c0) && FFU_Distanz(feld, c0) < radius && wasser;
            if (ok && Bau_Testmodus == 5) overlay_markieren(feld, 2);
            return ok;
        }
        case 37:
            return k.Person() >= 0;
        case 39:
            return k.LandType() >= 6;
        case 40:
            return k.LandType() == 1 && nachbar_hat(feld, [](int land) { return land == 0; });
        case 41:
            return k.LandType() == 2 && gleiche_insel(feld, c0) && k.Block() < 1 &&
                   FFU_Distanz(feld, c0) < radius && !nachbar_hat(feld, [](int land) { return land >= 3; });
        default:
            Fehler_melden("Jobarchive/Feldkontrolle/Modus " + std::to_string(modus) + " nicht abgefangen");
            return false;
    }
}

int JA_Bauplatz_suchen(int c0, int typ, bool unbegrenzt) {
    if (!MG_Feld_gueltig(c0)) {
        Fehler_melden("JA_Bauplatz_suchen > Feld ausserhalb der Karte: " + std::to_string(c0));
        return -1;
    }
    // Within the limit, the walk may stop after the last ring whose cells can lie nearer
    // than the limit: a cell of a farther ring lies at least as far from c0 (its row and
    // column differences add up to at least the ring number), except where the walk wraps
    // round a row end onto a cell it has already tested in a nearer ring.
    const int radius = unbegrenzt || !JA_Schnellwege ? MG_Kartengroesse
                                                     : std::min(MG_Kartengroesse, Bauplatz_Reichweite - 1);
    return ringe_ablaufen(c0, 0, radius,
                          [&](int c) { return JA_Bauplatz_Feld_pruefen(c, c0, typ, unbegrenzt); });
}

bool JA_Bauplatz_Feld_pruefen(int feld, int c0, int typ, bool unbegrenzt) {
    if (!pruefbar(feld)) return false;
    Kartenfeld& k = feld_von(feld);
    if (k.LandType() < 3 || k.LandType() > 5) return false;
    if (!unbegrenzt && FFU_Distanz(feld, c0) >= Bauplatz_Reichweite) return false;
    const int wert = BPU_Bauplatz_pruefen(feld, typ);
    k.Bauplatzwert() = wert;
    return wert >= 1;
}
