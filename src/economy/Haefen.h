#pragma once
// Harbours and their waiting passengers.
void Hafen_Liste_leeren();
// Removes the harbour record of the object.
void Hafen_entfernen(int objekt);
