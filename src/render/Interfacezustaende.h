#pragma once
// The states the panel pictures show, looked up by the element's "$" name: a
// check box shows image 0 or 1, a slider a knob position, a window icon its
// second image only at state 1, a goods icon the goods of a slot of the selected
// building. A name that is not in the table of its kind gives state 0. Names
// are compared exactly (case and umlauts as written, in Windows-1252).
#include <string>

// Check box and achievement coin: 0 or 1; names not beginning with "$" give 0.
int Draw_Checkbox_Zustand(const std::string& name);
// Slider: the knob position; n receives the last position (10 for "$" names
// unless the row says otherwise, 0 for other names).
int Draw_Slider_Wert(const std::string& name, int& n);
// Window icon: the state (a player field read unchanged may give other values than 0 and 1).
int Draw_Fenstericon_Zustand(const std::string& name);
// Goods icon: the goods number of the named goods slot of the selected building, 0 when none.
int Draw_Warenicon_Nummer(const std::string& name);
