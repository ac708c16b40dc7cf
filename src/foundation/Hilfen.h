#pragma once
// Shared helpers.

// Centres the camera on the first person that is alive and older than 100 steps.
void FFU_Kamera_auf_Person();
// Whether the build menu offers the building template to the clan.
bool FFU_Objekt_baubar(int typ, int clan);
