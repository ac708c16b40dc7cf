#pragma once
// Goods statistics: produced totals per clan, per ware and per goods group.
void LGK_Statistik_leeren();
void LGK_Produktion_verbuchen(int clan, int ware, int menge);
// The clan's produced food total.
int LGK_Nahrung_des_Spielers(int clan);
