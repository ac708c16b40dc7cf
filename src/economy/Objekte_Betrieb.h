#pragma once
// Putting objects into service, housing and demolition.

// The highest envy value of any house finished so far.
extern int Hausneid;

// One demolition step; 1 when the object became a ruin in this call.
int OM_Abriss(int objekt);
