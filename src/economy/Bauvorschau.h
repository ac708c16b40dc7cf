#pragma once
// Placement preview of the build mode.
void BPU_Baumodus_starten(int typ);
