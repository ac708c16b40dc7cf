#pragma once
// Helpers over the persons' rows.

// Centres the camera on the first person that is alive and older than 100 steps.
void FFU_Kamera_auf_Person();
