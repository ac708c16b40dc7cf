#pragma once
// The game-logic step: calendar, simulation pass, autosave counter.
void Logik_Zeitschritt();
void Logik_Simulationsschritt();
// Once per frame, before the steps.
void Logik_Autosave();
