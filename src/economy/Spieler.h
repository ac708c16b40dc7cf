#pragma once
// The clans: one row of 163 Integers per clan (row 0 the human at game start,
// rows 1.. computer clans), their creation, control, viewed clan and death; the
// counters other units keep in step with persons and objects; and the per-clan
// ware value table with its save file "GUSPA.sav".
#include <string>
#include <vector>

#include "foundation/Datenzeile.h"
#include "foundation/Tabelleneintrag.h"

inline constexpr int Spielerfeld_Anzahl = 163;

struct Spielerzeile : Datenzeile<Spielerfeld_Anzahl> {
    BHM_FELD(Farbe_R, 0)  // clan colour in percent 0..100 per channel
    BHM_FELD(Farbe_G, 1)
    BHM_FELD(Farbe_B, 2)
    BHM_FELD(Mitglieder, 3)
    BHM_FELD(Wohnraum, 4)
    BHM_FELD(Gold, 5)  // treasury
    BHM_FELD(Baustufe, 6)
    BHM_FELD(Arbeitslose, 7)
    BHM_FELD(Zufriedenheit, 8)  // sum of the members' happiness
    BHM_FELD(Steuerung, 9)      // 0 human, 1 computer, -1 died out, -2 wound up
    BHM_FELD(KI_Stufe, 10)
    BHM_FELD(Edikt_Umverteilung, 11)
    BHM_FELD(Gemeinschaftskasse, 12)  // edict fund in gold
    BHM_FELD(Edikt_Armenhilfe, 13)
    BHM_FELD(Edikt_Steuer, 14)
    BHM_FELD(Edikt_15, 15)
    BHM_FELD(Edikt_16, 16)
    BHM_FELD(Edikt_Abgabe, 17)
    BHM_FELD(Edikt_Arbeitsamt, 18)
    BHM_FELD(Edikt_19, 19)
    BHM_FELD(Edikt_20, 20)
    BHM_FELD(Edikt_Schulbildung, 21)
    BHM_FELD(Edikt_Rente, 22)
    BHM_FELD(Edikt_Kindergeld, 23)
    BHM_FELD(Edikt_24, 24)
    BHM_FELD(Edikt_25, 25)
    BHM_FELD(Edikt_26, 26)
    BHM_FELD(Edikt_27, 27)
    BHM_FELD(Edikt_28, 28)
    BHM_FELD(Edikt_29, 29)
    BHM_FELD(Edikt_nur_eigene, 30)
    BHM_FELD(Edikt_Exportverbot, 31)
    BHM_FELD(Abwerbeschutz, 32)  // exclusive choice 32/33/34
    BHM_FELD(Wahl_33, 33)
    BHM_FELD(Wahl_34, 34)
    BHM_FELD(Edikt_35, 35)
    BHM_FELD(Buendnis, 36)
    BHM_FELD(Edikt_37, 37)
    BHM_FELD(Edikt_38, 38)
    BHM_FELD(KI_Nahrung_im_Bau, 39)
    BHM_FELD(KI_Nahrung_Typ, 40)
    BHM_FELD(KI_Wohnung_im_Bau, 41)
    BHM_FELD(KI_Wohnung_Typ, 42)
    BHM_FELD(KI_Produktion_im_Bau, 43)
    BHM_FELD(KI_Produktion_Typ, 44)
    BHM_FELD(Flugschiffe, 45)
    BHM_FELD(Gold_gespeichert, 46)
    BHM_FELD(Arbeitsradius, 47)
    BHM_FELD(Flugschiffe_Max, 48)
    BHM_FELD(Baustellen_Max, 49)
    BHM_FELD(Vermoegen, 50)  // members' purses counted this month
    BHM_FELD(Vermoegen_Vormonat, 51)
    BHM_FELD(Reserve52, 52)
    BHM_FELD(Zufriedenheit_Vormonat, 53)
    BHM_FELD(Frauen_Paar_reich, 54)
    BHM_FELD(Frauen_untaetig, 55)
    BHM_FELD(Frauen_Kinderplatz, 56)
    BHM_FELD(Frauen_mit_Partner, 57)
    BHM_FELD(Trend_Geburten_0, 58)
    BHM_FELD(Trend_Geburten_plus, 59)
    BHM_FELD(Trend_Geburten_minus, 60)
    BHM_FELD(Trend_Handel_0, 61)
    BHM_FELD(Trend_Handel_plus, 62)
    BHM_FELD(Trend_Handel_minus, 63)
    BHM_FELD(Trend_Zufriedenheit_0, 64)
    BHM_FELD(Trend_Zufriedenheit_plus, 65)
    BHM_FELD(Trend_Zufriedenheit_minus, 66)
    BHM_FELD(Trend_Produktion_0, 67)
    BHM_FELD(Trend_Produktion_plus, 68)
    BHM_FELD(Trend_Produktion_minus, 69)
    BHM_FELD(Reserve70, 70)
    BHM_FELD(Warnstufe_1, 71)
    BHM_FELD(Warnstufe_2, 72)
    BHM_FELD(Warnstufe_3, 73)
    BHM_FELD(Probleme, 74)
    BHM_FELD(Technik_frei, 75)
    BHM_FELD(Technik, 76)
    BHM_FELD(Reserve77, 77)
    BHM_FELD(Forschung_1, 78)
    BHM_FELD(Forschung_2, 79)
    BHM_FELD(Forschung_3, 80)
    BHM_FELD(Reserve81, 81)
    BHM_FELD(Geburten_Trend, 82)
    BHM_FELD(Produktion_Trend, 83)
    BHM_FELD(Zufriedenheit_Trend, 84)
    BHM_FELD(Startphase, 85)  // 1 until the start building and the founders exist
    BHM_FELD(Arbeit_Produktion, 86)
    BHM_FELD(Arbeit_Auftrag, 87)
    BHM_FELD(Arbeit_Rohstoff, 88)
    BHM_FELD(Ohne_Arbeit, 89)
    BHM_FELD(Konto_Clan, 90)     // money flow with the clan's own members
    BHM_FELD(Konto_Spieler, 91)  // money flow with other clans
    BHM_FELD(Konto_Edikt, 92)    // money flow caused by edicts
    BHM_FELD(Zufriedene, 93)
    BHM_FELD(Mittelzufriedene, 94)
    BHM_FELD(Unzufriedene, 95)
    BHM_FELD(Reserve96, 96)
    BHM_FELD(Heimatfeld, 97)
    BHM_FELD(KI_Phase, 98)
    BHM_FELD(Startfeld, 99)
    BHM_FELD(Baustellen, 100)
    BHM_FELD(Reserve101, 101)
    BHM_FELD(Reserve102, 102)
    BHM_FELD(Arbeitslose_Fach, 103)
    // Fields 104..157 are reserved and addressed by number only.
    BHM_FELD(Frauen, 158)
    BHM_FELD(Maenner, 159)
    BHM_FELD(Alter_Summe, 160)
    BHM_FELD(Baustellen_gesamt, 161)
    BHM_FELD(Baulohn_reserviert, 162)
};
static_assert(sizeof(Spielerzeile) == Spielerfeld_Anzahl * sizeof(int));

extern std::vector<Spielerzeile> Spieler;
// The row of the clan the player views and commands.
extern int SpielerID;
// Per clan, per ware the clan's price of the ware.
extern std::vector<std::vector<int>> GU_Warenwerte;

// True when clan is a row of Spieler.
inline bool GU_Clan_gueltig(int clan) { return clan >= 0 && static_cast<std::size_t>(clan) < Spieler.size(); }
// Row of clan c; nullptr (reported with the routine's name) for a row that does not exist.
inline Spielerzeile* GU_Zeile(int c, const char* routine) {
    return Tabelleneintrag(Spieler, c, routine, "unbekannter Clan");
}

// --- The clan record ------------------------------------------------------------

// Creates the table with n + 1 rows: the human in row 0 and n computer clans.
void GU_Spieler_erstellen(int n);
// Start values of row p (the random draws happen in a fixed order).
void GU_Spieler_init(int p, bool computer);
// True when no other row has the same three colour fields.
bool GU_Farbe_einmalig(int p);
// Human <-> computer control.
void GU_KI_umschalten(int clan);
// Moves the viewed clan one row up or down, staying within the table.
void GU_Spieler_wechseln(bool aufwaerts);
// Called after a member left the clan: a clan without members dies out.
void GU_Clan_leer_pruefen(int clan);
// Marks the clan as died out.
void GU_Clan_Tod(int clan);
// Start phase of a clan (1 while it places its start building); 0 for a row that does not exist.
int Spieler_Startphase(int clan);

// --- Counters kept in step with persons and objects --------------------------

// Adds (hinzu) or removes one member with happiness wert: band and happiness sum.
void GU_Zufriedenheit_aendern(int clan, int wert, bool hinzu);
// Work kinds of a person's clan: A production and harbour, B construction and
// material, C raw materials; "Arbeitslos" counts members on an errand.
void GU_Arbeit_A_plus(int person);
void GU_Arbeit_B_plus(int person);
void GU_Arbeit_C_plus(int person);
void GU_Arbeitslos_plus(int person);
void GU_Arbeitslos_minus(int person);
void GU_Arbeit_A_zu_Arbeitslos(int person);
void GU_Arbeit_B_zu_Arbeitslos(int person);
void GU_Arbeit_C_zu_Arbeitslos(int person);
// Moves one unit of field feld from clan von to clan nach.
void GU_Zaehler_uebertragen(int von, int nach, int feld);
// Living room of a finished house enters or leaves its owner's count and the housing register.
void GU_Wohnraum_hinzu(int clan, int objekt);
void GU_Wohnraum_entfernen(int objekt);
// One open construction site of the clan less.
void GU_Baustelle_fertig(int clan);
// One unit of the ware stored in, or taken out of, a building of the clan.
void GU_Ware_hinzu(int ware, int clan);
void GU_Ware_entfernen(int ware, int clan);

// --- Ware values ------------------------------------------------------------------

// The clan's value of the ware; 0 for an entry that does not exist.
int GU_Warenwert(int clan, int ware);
// Draws the clan's row: one random number per ware, in ware order.
void GU_Warenwerte_berechnen(int clan);
// Sets one entry, growing the table by at most one row entry (the loader).
void GU_Warenwert_setzen(int clan, int ware, int wert);
// False when the file could not be written (reported).
bool GU_Warenwerte_speichern(const std::string& pfad);
void GU_Warenwerte_laden(const std::string& pfad);
