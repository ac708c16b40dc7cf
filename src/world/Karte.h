#pragma once
// The map: a square of MG_Kartengroesse x MG_Kartengroesse hexagonal cells,
// stored row by row (cell index = x + y x side), and the world reset that
// empties every table of the world before a new world or a loaded game.
#include <vector>

#include "foundation/Datenzeile.h"
#include "foundation/Geometrie.h"
#include "foundation/Tabelleneintrag.h"

inline constexpr int Kartenfeld_Anzahl = 9;

struct Kartenfeld : Datenzeile<Kartenfeld_Anzahl> {
    BHM_FELD(Textur1, 0)   // terrain tile of the first triangle (c, c+1, c+N)
    BHM_FELD(Textur2, 1)   // terrain tile of the second triangle (c+1, c+N, c+N+1)
    BHM_FELD(LandType, 2)  // level 0..20: 0 water, 1-2 beach, 3-5 building land, 6-15 mountain, 16-20 snow
    BHM_FELD(Ambiente, 3)  // map object type of the ambient object, -1 none
    // Person standing on the cell, -1 none. A write on a cell of Karte also keeps the
    // map of occupied cells (MG_Person_im_Umkreis) up to date.
    static constexpr int Nr_Person = 4;
    class Personenfeld {
    public:
        explicit Personenfeld(Kartenfeld& z) : z_(z) {}
        operator int() const { return z_.f[Nr_Person]; }
        Personenfeld& operator=(int p);
        Personenfeld& operator=(const Personenfeld& p) { return *this = static_cast<int>(p); }

    private:
        Kartenfeld& z_;
    };
    Personenfeld Person() { return Personenfeld(*this); }
    int Person() const { return f[Nr_Person]; }
    BHM_FELD(Objekt, 5)        // object anchored here, -1 none; below -1000 a planned site
    BHM_FELD(Block, 6)         // -1 free, 1 reserved or occupied, 2 blocked
    BHM_FELD(Insel, 7)         // island number, -1 on water
    BHM_FELD(Bauplatzwert, 8)  // cached building-site test, -1 not computed
};
static_assert(sizeof(Kartenfeld) == Kartenfeld_Anzahl * sizeof(int));

// True when a person stands (Karte.Person 0 or more) on one of the cells c0 + dx + dy x side
// within `radius` hexagonal rings of c0 (c0 itself excluded; offsets wrap across row ends
// as index arithmetic does; cells below 2 or from the last cell on do not count). Answered
// from one bit per cell kept beside the map, which is read afresh from Karte when the map
// was made anew or replaced; every write of Karte.Person through its accessor keeps it.
bool MG_Person_im_Umkreis(int c0, int radius);
// True when cell c is on the map and its Karte.Person is -1, answered from a bit per cell
// kept the same way (a question that needs no map row).
bool MG_Feld_ohne_Person(int c);
// Forgets the bits, so that the next question reads them from Karte again (after the map
// rows were written other than through Kartenfeld::Person).
void MG_Personenbits_verwerfen();

// The side of the map in cells, MG_Kartengroesse, is declared with the cell geometry.
extern std::vector<Kartenfeld> Karte;

// The largest side a map may have.
inline constexpr int MG_Kartengroesse_max = 832;

// True when c is a cell of Karte.
inline bool MG_Feld_gueltig(int c) { return c >= 0 && static_cast<std::size_t>(c) < Karte.size(); }
// Cell c; nullptr (reported with the routine's name) for a cell off the map.
inline Kartenfeld* MG_Zeile(int c, const char* routine) {
    return Tabelleneintrag(Karte, c, routine, "unbekanntes Feld");
}

// Side for the size choice 0..9 (256 + 64 x choice); any other choice gives 512 and a report.
int MG_Groesse_aus_Wahl(int wahl);
// Resizes the map to N x N cells with every field -1 (N from 1 to MG_Kartengroesse_max).
void MG_Karte_anlegen(int n, std::vector<Kartenfeld>& karte);
// A random cell on the grid of pitch side/20, between 2 and 18 pitches in x and y (x drawn first).
int MG_Zufallsrasterfeld();
// Sets the level of every cell to 0.
void MG_Hoehen_loeschen();
// Empties every table of the world; Karte itself is left for the next map to replace.
void MG_Welt_zuruecksetzen();
