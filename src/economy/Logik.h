#pragma once
// The game-logic step: the calendar with the monthly clan evaluation and the
// yearly work, the simulation pass that calls every simulating unit in a fixed
// order, and the autosave counter.
#include <cstdint>

// A month is Monatsticks + 1 = 121 steps, a year 12 x Monatsticks + 1 = 1441 steps.
inline constexpr int Monatsticks = 120;

// Step within the month (0 on the step after the month turned) and within the year
// (0 on the step in which the year turned).
extern int Monatsschritt;
extern int Jahresschritt;
// Set when the month turns; cleared with the monthly edict work by the next time step.
extern bool Monatsflag;
// Years played.
extern int SZ;
// The statistics window is open, and the chart it shows.
extern bool Statistikmenue_offen;
extern int Statistik_Kategorie, Statistik_Reihe;
// Average happiness over the clans with members, after each evaluation.
extern int Spielerbewertung_Schnitt;
// Frames counted towards the next autosave.
extern int Autosave_Zaehler;

// Once per frame, before the steps.
void Logik_Autosave();
// First half of a step: the calendar.
void Logik_Zeitschritt();
// Second half of a step: every simulating unit in order.
void Logik_Simulationsschritt();
// The monthly evaluation of every clan.
void Logik_Spielerbewertung();
// The yearly decay of the trend fields towards 0.
void Logik_Jahresabbau();
// Calendar, evaluation average and autosave counter back to the start of a game.
void Logik_Zuruecksetzen();
// A checksum of the simulation state (random seed, row counts, gold in circulation,
// calendar, every field of every row) for comparing runs.
std::uint64_t Logik_Pruefsumme();
