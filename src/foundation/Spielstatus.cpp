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

bool Baufenster_offen;
bool Platzierungsmodus;
int Bau_Typ;
int Bau_Testmodus;
int Bauplatz_Vorlage;

bool Spiel_laeuft() { return KSL || SSL || MSL || ISL; }

void Anzeige_zuruecksetzen() {
    Rangliste_anzeigen = false;
    Fil_Gps = true;
    Fil_Gst = false;
    Fil_Rms = true;
    Fil_Rfi = Fil_Maf = Fil_Mhf = Fil_Zuf = Fil_Wgf = false;
    Sichtbereich_1_von = Sichtbereich_1_bis = Sichtbereich_2_von = Sichtbereich_2_bis = 0;
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
}

namespace {
struct Grundwerte {
    Grundwerte() { Spielstatus_zuruecksetzen(); }
} grundwerte;
}  // namespace
