#pragma once
// Footpaths and the slow change of the landscape.
// One slice of landscape change per simulation step.
void SLB_Landschaft_Tick();
