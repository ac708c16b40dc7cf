#include "foundation/Schablonen.h"

#include <algorithm>

#include "foundation/Fehler.h"

std::vector<Skill_Item> SBU_Skills;
std::vector<Waren_Item> SBU_Waren;
std::vector<Objekt_Item> SBU_Objekte;
std::vector<Ambiente_Item> SBU_Ambiente;

std::vector<Dia_Gruppe> SBU_Warengruppen;
std::vector<int> SBU_Food_Waren, SBU_Luxury_Waren;
int SBU_Food_Zeiger = 0, SBU_Luxury_Zeiger = 0;
std::vector<int> SBU_Stone_IDs, SBU_Flower_IDs, SBU_Trash_IDs, SBU_Way_IDs;

int SBU_ID_hole, SBU_ID_mark, SBU_ID_place, SBU_ID_rabitcatch, SBU_ID_cage, SBU_ID_dead, SBU_ID_lackof,
    SBU_ID_prostop, SBU_ID_flag, SBU_ID_flagsmall, SBU_ID_rauch, SBU_ID_feuer, SBU_ID_airshipLO,
    SBU_ID_airshipRO, SBU_ID_airshipR, SBU_ID_airshipLU, SBU_ID_airshipRU, SBU_ID_airshipL;
int SBU_Hafen_ID, SBU_Hafen2_ID, SBU_Start_ID;

std::vector<std::vector<int>> SBU_OnMap;
std::vector<int> SBU_Animation_Tabelle;
std::vector<int> SBU_Animationen;
std::vector<std::vector<int>> SBU_KI_Nahrung, SBU_KI_Wohnen, SBU_KI_Rest;
std::vector<std::vector<Markerpunkt>> SBU_Markerpunkte;
std::vector<Slot_Ware_vor_objekt> SBU_Warenanzeige;
std::vector<Prozess_Ani_vor_Objekt> SBU_Prozessanzeige;
std::vector<int> SBU_Fehlwaren;
int SBU_Kaninchenware = -1;
std::vector<SBU_Fehlrohstoff> SBU_Fehlrohstoffe;
std::vector<std::vector<Bauplatzfeld>> SBU_Bauplaetze;
std::vector<Atlaseintrag> SBA_Atlastabelle;

int SBU_Naechste_Transportware(int n) {
    for (int i = n < 0 ? 0 : n; i < static_cast<int>(SBU_Waren.size()); ++i)
        if (SBU_Waren[i].Transport && SBU_Waren[i].benutzt) return i;
    return -1;
}

void SBU_Schablonen_leeren() {
    SBU_Skills.clear();
    SBU_Waren.clear();
    SBU_Objekte.clear();
    SBU_Ambiente.clear();
    SBU_Warengruppen.clear();
    SBU_Food_Waren.clear();
    SBU_Luxury_Waren.clear();
    SBU_Stone_IDs.clear();
    SBU_Flower_IDs.clear();
    SBU_Trash_IDs.clear();
    SBU_OnMap.clear();
    SBU_Animation_Tabelle.clear();
    SBU_Animationen.clear();
    SBU_KI_Nahrung.clear();
    SBU_KI_Wohnen.clear();
    SBU_KI_Rest.clear();
    SBU_Markerpunkte.clear();
    SBU_Warenanzeige.clear();
    SBU_Prozessanzeige.clear();
    SBU_Bauplaetze.clear();
    SBA_Atlastabelle.clear();
    SBU_Kaninchenware = -1;
}

void SBU_Alles_zuruecksetzen() {
    SBU_Schablonen_leeren();
    SBU_Way_IDs.clear();
    SBU_Fehlwaren.clear();
    SBU_Fehlrohstoffe.clear();
    for (int* id :
         {&SBU_ID_hole,      &SBU_ID_mark,      &SBU_ID_place,     &SBU_ID_rabitcatch, &SBU_ID_cage,
          &SBU_ID_dead,      &SBU_ID_lackof,    &SBU_ID_prostop,   &SBU_ID_flag,       &SBU_ID_flagsmall,
          &SBU_ID_rauch,     &SBU_ID_feuer,     &SBU_ID_airshipLO, &SBU_ID_airshipRO,  &SBU_ID_airshipR,
          &SBU_ID_airshipLU, &SBU_ID_airshipRU, &SBU_ID_airshipL,  &SBU_Hafen_ID,      &SBU_Hafen2_ID,
          &SBU_Start_ID})
        *id = 0;
    SBU_Food_Zeiger = SBU_Luxury_Zeiger = 0;
}

bool SBU_Modus_ist(int typ, std::initializer_list<std::string_view> arten, const char* routine) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) {
        Fehler_melden(std::string(routine) + " > Gebaeudetyp unbekannt: " + std::to_string(typ));
        return false;
    }
    const std::string& m = SBU_Objekte[static_cast<std::size_t>(typ)].Modus;
    return std::find(arten.begin(), arten.end(), m) != arten.end();
}

bool OM_ist_Hafen(int typ) { return SBU_Modus_ist(typ, {"Hafen", "Hafen2"}, "OM_ist_Hafen"); }
bool OM_ist_Hafen2(int typ) { return SBU_Modus_ist(typ, {"Hafen2"}, "OM_ist_Hafen2"); }
bool OM_ist_Home(int typ) { return SBU_Modus_ist(typ, {"Home"}, "OM_ist_Home"); }
