#pragma once
// Goal actions that move goods between persons and buildings: delivering into a
// building's stock (orders 103, 152, 201), fetching from a building (200, 350),
// construction material for a site (351), eating (450), luxury (700) and
// entering a harbour to wait for a ship (850). The building is always the one
// anchored on the cell the person stands on.

void WarezueinemObjektbringen(int ware, int person);
void WareauseinemObjketholen(int ware, int person, int code);
void ZAU_Baumaterial_zu_Objekt_bringen(int ware, int person);
void ZAU_Nahrung_essen(int person, int ware);
void ZAU_Luxusgut_verbrauchen(int person, int ware);
void ZAU_Hafen_Auftrag(int person);
