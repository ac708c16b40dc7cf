#pragma once
// The goods index (per good and island the buildings that hold it) and the
// tests of a building template's kind.
void IWU_Index_leeren();
void IWU_Ware_austragen(int ware, int objekt);

// Kind of a building template (ObjektID); false for a number outside the table.
bool OM_ist_Hafen(int typ);  // "Hafen" or "Hafen2"
bool OM_ist_Hafen2(int typ);
bool OM_ist_Home(int typ);
// Kind of an object row's template; false for a row or type outside the tables.
bool OM_Objekt_ist_Home(int objekt);
bool OM_Objekt_ist_Lager(int objekt);
bool OM_Objekt_ist_Start(int objekt);  // "Start" or "Startex"
