#include "foundation/Spielstatus.h"

bool KSL, SSL, MSL, ISL;
bool Pause;
int Spielgeschwindigkeit;
bool Eingabesperre;
bool Speichervorgang;
bool Ladevorgang;

int SX, SY;
int Zoomstufe;
bool Neuzeichnen;
bool Kamera_ziehen;
int Mausstatus;
int Maus_letztes_X, Maus_letztes_Y;

int Anzeigestufe_F2;
std::string Texteingabe;
bool Texteingabe_aktiv;
std::string Cursorzeichen;
int IFU_Fenstermitte_X, IFU_Fenstermitte_Y;
int IFU_Anzeigezaehler;
bool Rangliste_anzeigen;
bool Fil_Gps, Fil_Gst, Fil_Rms, Fil_Rfi, Fil_Maf, Fil_Mhf, Fil_Zuf, Fil_Wgf;
int Sichtbereich_1_von, Sichtbereich_1_bis, Sichtbereich_2_von, Sichtbereich_2_bis;
int Sichtbereich_alt_1_von, Sichtbereich_alt_1_bis, Sichtbereich_alt_2_von, Sichtbereich_alt_2_bis;

bool Baufenster_offen;
bool Platzierungsmodus;
int Bau_Typ;
int Bau_Testmodus;
int Bauplatz_Vorlage;
int Bau_Felderzahl;
int Bau_Platzwert_max;

bool Objektinfo_offen;
bool Schalterfenster1_offen, Schalterfenster2_offen, Schalterfenster3_offen;
bool Minimap_offen;
int Minimap_Art;
bool Schalterfenster_Optionen[27];
bool Warenraster_offen;
bool Fenster30_offen, Fenster36_offen, Fenster40_offen, Fenster41_offen, Fenster42_offen;
bool Ediktfenster_offen;

int MoPosEcht_X, MoPosEcht_Y;
int MoPosFenstermitte_X, MoPosFenstermitte_Y;
int Mouseoverfunktion_Nummer, Mouseoverfunktion_Wert;
int Sichtliste_Art_unter_Maus, Sichtliste_Index_unter_Maus;
int Gewaehltes_Objekt;
int Gewaehlter_Warenslot;

bool Spiel_laeuft() { return KSL || SSL || MSL || ISL; }

void Anzeige_zuruecksetzen() {
    Rangliste_anzeigen = false;
    Fil_Gps = true;
    Fil_Gst = false;
    Fil_Rms = true;
    Fil_Rfi = Fil_Maf = Fil_Mhf = Fil_Zuf = Fil_Wgf = false;
    Sichtbereich_1_von = Sichtbereich_1_bis = Sichtbereich_2_von = Sichtbereich_2_bis = 0;
    Sichtbereich_alt_1_von = Sichtbereich_alt_1_bis = Sichtbereich_alt_2_von = Sichtbereich_alt_2_bis = 0;
}

void Spielstatus_zuruecksetzen() {
    KSL = SSL = MSL = ISL = false;
    Pause = false;
    Spielgeschwindigkeit = 0;
    Eingabesperre = false;
    Speichervorgang = false;
    Ladevorgang = false;
    SX = SY = 0;
    Zoomstufe = 20;
    Neuzeichnen = true;
    Kamera_ziehen = false;
    Mausstatus = 0;
    Maus_letztes_X = Maus_letztes_Y = 0;
    Anzeigestufe_F2 = 4;
    Texteingabe.clear();
    Texteingabe_aktiv = false;
    Cursorzeichen.clear();
    IFU_Fenstermitte_X = IFU_Fenstermitte_Y = 0;
    IFU_Anzeigezaehler = 0;
    Anzeige_zuruecksetzen();
    Baufenster_offen = false;
    Platzierungsmodus = false;
    Bau_Typ = -1;
    Bau_Testmodus = 0;
    Bauplatz_Vorlage = 4;
    Bau_Felderzahl = 0;
    Bau_Platzwert_max = 0;
    Objektinfo_offen = false;
    Schalterfenster1_offen = Schalterfenster2_offen = Schalterfenster3_offen = false;
    Minimap_offen = false;
    Minimap_Art = 0;
    for (bool& b : Schalterfenster_Optionen) b = false;
    Warenraster_offen = false;
    Fenster30_offen = Fenster36_offen = Fenster40_offen = Fenster41_offen = Fenster42_offen = false;
    Ediktfenster_offen = false;
    MoPosEcht_X = MoPosEcht_Y = 0;
    MoPosFenstermitte_X = MoPosFenstermitte_Y = 0;
    Mouseoverfunktion_Nummer = Mouseoverfunktion_Wert = 0;
    Sichtliste_Art_unter_Maus = Sichtliste_Index_unter_Maus = 0;
    Gewaehltes_Objekt = -1;
    Gewaehlter_Warenslot = 0;
}

namespace {
struct Grundwerte {
    Grundwerte() { Spielstatus_zuruecksetzen(); }
} grundwerte;
}  // namespace
