#pragma once
// The build window (a paged 6 x 4 grid of the building types the viewed clan
// may build, with a hover box over the cell under the mouse), the statistics
// menu (category tabs, goods groups, the goods of the chosen group, the chart)
// and the info window of the selected map object.
#include <array>
#include <string>
#include <vector>

// The goods templates shown in the statistics menu (at most 27).
extern std::vector<int> IFU_Statmenu_Liste;
inline constexpr std::size_t IFU_Statmenu_Liste_Max = 27;

// The goods templates of the group, in template order.
void IFU_Statmenu_Liste_fuellen(const std::string& Gruppe);

// The build window's page: 6 columns by 4 rows of building types, row by row; -1 for an
// empty cell (every cell after the last type the viewed clan may build).
inline constexpr int IFU_Bau_Spalten = 6, IFU_Bau_Zeilen = 4;
using IFU_Bauseite = std::array<int, IFU_Bau_Spalten * IFU_Bau_Zeilen>;
IFU_Bauseite IFU_Bauseite_lesen();

// The hover box of the build window: it shows the type of the cell under the mouse and
// covers 5 x 3 cells. It starts at that cell but is moved left and up as far as needed to
// stay inside the grid, so that it never hangs outside the window.
struct IFU_Hoverbox {
    bool aktiv = false;
    int c = IFU_Bau_Spalten, r = IFU_Bau_Zeilen;    // the hovered cell
    int bc = IFU_Bau_Spalten, br = IFU_Bau_Zeilen;  // the cell at the box's top left
    // True for the cells the box hides (the hovered cell's own place among them).
    bool deckt(int spalte, int zeile) const {
        return aktiv && spalte >= bc && spalte < bc + 5 && zeile >= br && zeile < br + 3;
    }
};
// The box while the mouse is over a cell of the page (hover function 26), else inactive.
IFU_Hoverbox IFU_Hoverbox_finden(const IFU_Bauseite& seite);
void IFU_Baufenster_Panel();
void IFU_Statmenu();
void IFU_Objektinfo_Panel();
// The missing construction materials of the selected object, around (X, Y).
void IFU_Baumaterial_zeichnen(int X, int Y);

// The object info window around the window centre: a frame wide enough for the twelve worker
// or resident slots in one row, its texts from the left edge, and at the top right the
// demolition button of the viewer's own objects (an image of the interface atlas with a label).
inline constexpr int IFU_Objektinfo_Halbbreite = 290;
inline constexpr int IFU_Objektinfo_Rand = -236;                                      // x of the texts
inline constexpr int IFU_Objektinfo_Slot_X = -236, IFU_Objektinfo_Slot_Abstand = 40;  // slot s
inline constexpr int IFU_Objektinfo_Material_X = -236, IFU_Objektinfo_Material_Y = -62,
                     IFU_Objektinfo_Material_Abstand = 64;  // missing material k
struct IFU_Knopf {
    int x, y, breite, hoehe;  // window-centred pixels
};
inline constexpr IFU_Knopf IFU_Abrissknopf{76, -130, 160, 32};
inline constexpr const char* IFU_Abrissknopf_Bild = "Knopf schmal";
