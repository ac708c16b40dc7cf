// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_fenster.h"

std::vector<ITP_Icon_R> ITP_Icons;
std::array<ITP_Schalter, ITP_Schalter_Anzahl> ITP_Panel_Schalter{};
int ITP_aktives_Panel_ID() {
    // Overlays first, then the in-game bar, then the start menus.
    static constexpr int reihenfolge[] = {3,  32, 27, 26, 25, 28, 30, 29, 24, 23, 22, 21, 20, 19, 17, 16,
                                          15, 18, 8,  7,  6,  5,  4,  14, 13, 12, 11, 10, 9,  2,  1,  0};
    for (int slot : reihenfolge)
        if (ITP_Panel_Schalter[static_cast<std::size_t>(slot)].Sichtbar)
            return ITP_Panel_Schalter[static_cast<std::size_t>(slot)].ID;
    return -1;
}

bool Objektinfo_offen = false, Schalterfenster1_offen = false, Schalterfenster2_offen = false,
     Schalterfenster3_offen = false;
bool Minimap_offen = false, Warenraster_offen = false, Fenster30_offen = false, Fenster36_offen = false,
     Fenster40_offen = false, Fenster41_offen = false, Fenster42_offen = false, Ediktfenster_offen = false;
bool IFU_Iconleiste_aktiv = false;
int IFU_Updateanzeige_Zaehler = 0;
std::array<bool, 27> Schalterfenster_Optionen{};
int Minimap_Art = 0;
int Mouseoverfunktion_Wert = 0;
int Gewaehltes_Objekt = -1;
bool CLT = false;

std::array<int, 8> TPU_Rangliste = {-1, -1, -1, -1, -1, -1, -1, -1};

std::vector<Edikt_Data> IAU_Edikte;
int IAU_Aktuelles_Edikt = 0, IAU_Auswahl_1 = 0, IAU_Auswahl_2 = 0;

int LSU_Spielstand_Letzter = -1;
