#pragma once
// Person animation: every person's frame (Personen.AnimationID) in the person
// sprite pack, where frames come in groups of ten (x0..x9), one group per pose
// and direction, men and women in separate groups; and the per-frame clock of
// the global animation phase, the animated ambient objects, the blinking text
// cursor and the ware shown in the goods-flow display.
#include <cstdint>

// The phase advances every third frame.
extern std::uint8_t Animator_Zaehler;  // 0..2
extern std::uint8_t Animationsphase;   // 0..5
// The ten-frame clock 0..9 (saved with the game).
extern int AE;
extern bool Cursor_sichtbar;
// The ware shown by the goods-flow display.
extern int Waren_Anzeigeindex;

// Clock, phase, cursor and shown ware back to their start values.
void AU_Zuruecksetzen();
// Once per frame.
void AU_Animation_Frame();
// Once per simulation step for every living person: the next frame, or at the end of a
// group the pose that follows.
void AU_Person_animieren(int person);
// The frame after f while the animation stays in its group (walking, idle and direction
// groups loop); -1 where the step changes the pose or f is no frame.
inline int AU_Bild_in_der_Gruppe(int f) {
    if (f < 0 || f >= 380) return -1;
    if (f % 10 != 9) return f + 1;
    return f <= 139 ? f - 9 : -1;
}
// A step between cells: the walking group of the direction the person came from.
void AU_Schritt_animieren(int person);

// Poses.
void AU_Animation_gehen(int person);
void AU_Animation_stehen(int person);
void AU_Animation_Arbeit_1(int person);
void AU_Animation_Arbeit_7(int person);
void AU_Animation_Arbeit_18(int person);
void AU_Animation_Arbeit_20(int person);
void AU_Animation_Arbeit_2(int person);
// Carrying at the water: faces the last water neighbour of cell - 1, cell + N, cell + 1 - N.
void AU_Animation_tragen(int person);
