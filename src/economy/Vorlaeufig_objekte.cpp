// stand-in until its unit lands
#include "economy/Vorlaeufig_objekte.h"

std::vector<JU_Befehlsliste_Eintrag> JU_Befehlsliste;
Index SingelFrau_Index;

void JU_Befehl_eintragen(int befehl, int spieler, int feld, int typ, int ware, int lohn, int menge) {
    if (spieler < 0) return;
    if (JU_Befehlsliste.size() <= static_cast<std::size_t>(spieler)) JU_Befehlsliste.resize(spieler + 1);
    JU_Befehlsliste_Eintrag& l = JU_Befehlsliste[static_cast<std::size_t>(spieler)];
    if (l.Befehle.size() <= static_cast<std::size_t>(l.Anzahl)) l.Befehle.resize(l.Anzahl + 100);
    l.Befehle[static_cast<std::size_t>(l.Anzahl)] = {befehl, feld, typ, ware, lohn, menge};
    ++l.Anzahl;
}

void JU_Materialauftraege_streichen(int) {}
void PM_Bewohner_eintragen(int, int) {}
void PM_Heirat(int, int, int, int, int) {}
void WRU_Wohnraum_austragen(int, int) {}
bool WU_Wachstumsauftrag_hinzufuegen(int, int, int, int, int, int) { return true; }
void WU_Gebaeude_entfernt(int) {}
void ERU_Gebaeude_entfernt(int) {}
void KI_Objekt_abmelden(int) {}
void Schiff_bauen(int) {}
void Hafen_registrieren(int) {}
