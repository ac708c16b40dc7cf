#pragma once
// The goods-flow diagram of a building type for the build window: per goods slot the
// inputs on the left (x 0), a connector in the middle (x 40) and the output on the
// right (x 80), in rows 40 pixels apart. The layout is kept until another type is asked for.
#include <vector>

// Codes of the entries: >= 0 a good, below 0 a fixed symbol.
inline constexpr int WFU_Verbinder = -1;
inline constexpr int WFU_Sammler = -2;
inline constexpr int WFU_Anbau = -3;
inline constexpr int WFU_Steinbruch = -4;
inline constexpr int WFU_Jagd = -5;
inline constexpr int WFU_Holzfaellen = -7;
inline constexpr int WFU_Fischen = -8;
inline constexpr int WFU_Bergbau = -9;
inline constexpr int WFU_ohne_Eingang = -10;
inline constexpr int WFU_Wiederverwertung = -12;

struct WFU_Eintrag {
    int y = 0;
    int x = 0;
    int code = 0;
    int extra = -1;
    bool operator==(const WFU_Eintrag&) const = default;
};

struct TWFU_Dia {
    // The building type whose layout is held; 0 at start.
    int WFU_Typ = 0;
    // The y of the last row: the diagram's height in pixels.
    int WFU_Hoehe = 0;
    std::vector<WFU_Eintrag> WFU_Eintraege;
    // False until the first layout: type 0 is a building like any other.
    bool gebaut = false;
};

extern TWFU_Dia WFU_Dia;

// Rebuilds the layout for the building type unless it is already held.
void WFU_Warenfluss_aufbauen(int typ);
// Appends one entry.
void WFU_Eintrag_hinzufuegen(int y, int x, int code, int extra);
// Back to the start state; the world reset calls it since the templates change with the world.
void WFU_Zuruecksetzen();
