#pragma once
// Cell geometry of the hexagonal map.
//
// Cell index i = x + y * S with S = MG_Kartengroesse. Directions 1..6 run once
// around a cell (opposite directions differ by 3), 0 is the cell itself:
//
//   direction    1       2    3    4       5    6
//   offset       S - 1   -1   -S   1 - S   +1   +S
//   step (x, y)  (-1,+1) (-1,0) (0,-1) (+1,-1) (+1,0) (0,+1)
//
// Offsets do not wrap at the borders: callers test the border before stepping.

// Side of the map in cells (256..832 in steps of 64 for a normal world). The world sets it
// when it makes or loads a map; every conversion between cell indexes, columns, rows and
// directions, and the footprint offsets, are taken with it.
extern int MG_Kartengroesse;

// Column and row of a cell (mathematical floor, also for negative indexes).
int FFU_X_von_Feld(int feld);
int FFU_Y_von_Feld(int feld);
// Sum of the column and row differences (not the hexagonal step count).
int FFU_Distanz(int a, int b);
// Index offset of direction 0..6; any other direction is reported and gives 0.
int FFU_Nachbarfeld(int richtung);
// Any direction number into 1..6 (7 is 1, 0 is 6, -2 is 4).
int FFU_Richtung_normieren(int richtung);
// The direction that leads from cell a towards cell b; -1 when a = b.
int FFU_Richtung_zu_Feld(int a, int b);
// The same from the column and row differences dx = x(a) - x(b), dy = y(a) - y(b).
int FFU_Richtung_aus_Versatz(int dx, int dy);
// Steps of the four screen directions: 0 left, 1 right, 2 up, 3 down; (0, 0) otherwise.
int FFU_Richtung_dX(int r);
int FFU_Richtung_dY(int r);
