// stand-in until its unit lands
#include "economy/Vorlaeufig_ki.h"

std::vector<JU_Befehle> JU_Befehlsliste;

void JU_Befehl_eintragen(int befehl, int spieler, int feld, int typ, int ware, int lohn, int menge) {
    if (spieler < 0) return;
    if (static_cast<std::size_t>(spieler) >= JU_Befehlsliste.size())
        JU_Befehlsliste.resize(static_cast<std::size_t>(spieler) + 1);
    JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(spieler)];
    if (static_cast<int>(l.Befehle.size()) <= l.Anzahl)
        l.Befehle.resize(static_cast<std::size_t>(l.Anzahl) + 100);
    l.Befehle[static_cast<std::size_t>(l.Anzahl)] = {befehl, feld, typ, ware, lohn, menge};
    ++l.Anzahl;
}

void JU_Befehl_entfernen(int spieler, int index) {
    if (spieler < 0 || static_cast<std::size_t>(spieler) >= JU_Befehlsliste.size()) return;
    JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(spieler)];
    if (index < 0 || index >= l.Anzahl) return;
    l.Befehle[static_cast<std::size_t>(index)] = l.Befehle[static_cast<std::size_t>(l.Anzahl - 1)];
    l.Befehle[static_cast<std::size_t>(l.Anzahl - 1)] = Job_Befehl{};
    --l.Anzahl;
}
bool JU_Schiffsauftrag(int) { return false; }
bool JU_Schiff_beladen(int) { return false; }
bool JU_Hafenjob_vergeben(int) { return false; }
