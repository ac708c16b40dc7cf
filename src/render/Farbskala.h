#pragma once
// The colour ramp of the display filters and the placement preview.
#include <array>
#include <optional>

// Ramp step of a value between its red and its green end: floor((wert - gruen) /
// (rot - gruen) x 10); none when the two ends are equal.
std::optional<int> Farbskala_Stufe(int wert, int rot_ende, int gruen_ende);
// Colour of a step: 0 green through 8 (1.0, 0.2, 0); any other step red.
std::array<float, 3> Farbskala_Farbe(int stufe);
// Sets the current colour from the ramp; white when the ends are equal (untinted).
void Draw_Farbskala(int wert, int rot_ende, int gruen_ende);
// Colour of a preview cell: black when the clan cannot pay it, else the ramp from
// the cheapest (white) to the dearest (red) previewed price; white when the two are equal.
std::array<float, 3> Bauvorschau_Farbe(int kosten, int gold, int felderzahl, int platzwert_max);
// The placement preview: every listed cell the building fits on, coloured by its cost.
void Draw_Bauvorschau();
