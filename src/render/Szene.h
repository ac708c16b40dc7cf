#pragma once
// The scene of one frame: the interface, then the world in layers (persons,
// rabbits, buildings and ambient objects, ships, the placement preview, terrain).
//
// Screen geometry of every world layer: cell (x, y) lies at world position
// (20x + 10y, -10y - 7 x level); screen = (Zoomstufe / 20) x (world + (SX, SY)).
// Depth decides overlap (a larger z is nearer): terrain 0, figures and buildings
// 0.2, overlays 0.6, preview 0.9, ships 1.0.

// The visible cell window: columns x_von..x_bis (outer), rows y_von..y_bis.
struct Sichtfenster {
    int x_von = 0, x_bis = 0, y_von = 0, y_bis = 0;
    bool operator==(const Sichtfenster&) const = default;
};

// The window for view offset (sx, sy), client size w x h and map side n, clamped to
// the map; it is the window of zoom step 20 (a larger zoom shows less).
Sichtfenster Sichtbereich_berechnen(int sx, int sy, int w, int h, int n);

// The fixed state of the rendering context, set once when it is made: the depth test with the
// world's strictly-less rule (the interface pass sets its own rules and leaves this one set),
// back faces culled, a black clear colour.
void Draw_Grundzustand();

// Draws one frame into the current projection; with nur_interface only the interface.
void Draw_Szene(bool nur_interface);
