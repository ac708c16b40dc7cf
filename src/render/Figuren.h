#pragma once
// Persons and rabbits of the world view. Both are sprites of the person frame
// lists, placed on their cell and slid back towards the cell they come from while
// a step is under way, so that walking looks continuous although positions change
// cell by cell. The ships use the same placement.

// One pass over the persons: false the clan-tinted bodies, true the overlay and
// the carried goods.
void Draw_Personen(bool overlay);
// The rabbits outside their holes.
void Draw_Hasen();

// World position (px, py) of a figure on the cell: false when the cell lies outside
// the map, on the window's border columns and rows or outside the client area.
bool Figur_Position(int zelle, int& px, int& py);
// The offset of a figure k steps before it reaches `zelle` from `herkunft`; (0, 0)
// for an origin outside the map.
void Figur_Versatz(int zelle, int herkunft, int k, float& dx, float& dy);
