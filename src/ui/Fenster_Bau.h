#pragma once
// The build window (a paged 6 x 4 grid of the building types the viewed clan
// may build, with a hover box over the cell under the mouse), the statistics
// menu (category tabs, goods groups, the goods of the chosen group, the chart)
// and the info window of the selected map object.
#include <string>
#include <vector>

// The goods templates shown in the statistics menu (at most 27).
extern std::vector<int> IFU_Statmenu_Liste;
inline constexpr std::size_t IFU_Statmenu_Liste_Max = 27;

// The goods templates of the group, in template order.
void IFU_Statmenu_Liste_fuellen(const std::string& Gruppe);
void IFU_Baufenster_Panel();
void IFU_Statmenu();
void IFU_Objektinfo_Panel();
// The missing construction materials of the selected object, around (X, Y).
void IFU_Baumaterial_zeichnen(int X, int Y);
