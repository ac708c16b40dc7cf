#pragma once
// Footpaths and the slow change of the landscape: carriers wear paths into
// building land, paths fade when nobody walks them, flowers come up in some
// years and wither in others, and level-5 land is worn or smoothed down to 4.

// The scan position of the landscape change: where the next slice starts.
extern int SLB_Scanposition;

// The scan starts again at cell 0 (world reset), so the same world and seed
// change the same cells however many games ran before.
void SLB_Zuruecksetzen();

// A footpath stage or a flower: ground cover that no order holds, trodden down by
// carriers and given up to whatever is sown on its cell.
bool SLB_ist_Bodendecke(int typ);

// A walking person's step on its cell.
void SLB_Trampelpfad(int person);
// One slice of landscape change per simulation step.
void SLB_Landschaft_Tick();
// The next cell of the scan (stride 17761 over the map).
int SLB_naechstes_Feld();
// The landscape change of one cell.
void SLB_Feld_bearbeiten(int feld);
