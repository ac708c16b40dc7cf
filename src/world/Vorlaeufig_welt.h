#pragma once
// stand-in until its unit lands
//
// Routines and globals of other units that the world units call. Each keeps the
// name and parameters its own unit gives it; the bodies in Vorlaeufig_welt.cpp
// do the harmless minimum.
#include <vector>

// Goods stock of objects: cancels one procurement order of the ware at the object.
void WarenAnschaffungsauftragentfernen(int ware, int objekt);
// Site creation: frees a vanished building's footprint and strews stones and rubble.
void BPU_Truemmer_verteilen(int anker, int typ);
// Construction orders: clean-up when a plant of a growth order disappears.
void JU_Pflanze_Auftrag_beenden(int ware, int pflanzenfeld, int gebaeudefeld);

// The interface's hover function of the frame.
extern int Mouseoverfunktion_Nummer;
// The developer overlay's marks per map cell.
extern std::vector<int> BPU_PFU_Indexliste;
