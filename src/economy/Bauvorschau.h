#pragma once
// Placement preview of the build mode and the screen lists.

// Highest used entry of the screen list (-1 empty).
extern int BPU_Sichtliste_Ende;

void BPU_Baumodus_starten(int typ);
// Places a construction site of the building type for the clan; true when placed.
bool BPU_Baustelle_setzen(int anker, int typ, int clan);
// Developer overlays of the screen list.
void BPU_Sichtliste_Personen();
void BPU_Sichtliste_Belegung();
void BPU_Sichtliste_Tiere();
void BPU_Sichtliste_Markierung();
