#pragma once
// The template tables: skills, goods, buildings and ambient objects read from
// the numbered data folders, and the side tables derived while they load.
//
// A template's number is its folder number. Buildings and ambient objects
// share one number space, the map object type: building k has type k, ambient
// template a has type B + a with B = SBU_Objekte.size(). Only the template
// loader (and the template save files) write these tables; everybody reads.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct Skill_Item {
    std::string Titel;
    std::uint8_t benutzt = 0;
    std::string Berufname;
    std::string Taetigkeit;
};

struct Waren_Menge {
    int WarenID = -1;
    int Menge = -1;
    bool operator==(const Waren_Menge&) const = default;
};

struct Waren_Item {
    std::string Titel;
    std::uint8_t benutzt = 0;
    std::uint8_t Transport = 0;
    std::string Group;
    std::array<Waren_Menge, 5> Need{};
    std::string Spez;
    int Chance = 100;
    int SkillID = -1;
    int Grow = 0;
    int Make = 1;
    std::string Text;
};

// The highest folder number of any kind, and so the bound of every template
// number and map object type read from a file.
inline constexpr int SBU_Ordner_max = 99999;
inline constexpr int SBU_Typ_max = 2 * SBU_Ordner_max + 1;
// Land types run 0 (water) .. 20.
inline constexpr int SBU_LandType_max = 20;

// Goods slot usage codes of building templates.
enum Benutzung : int {
    Benutzung_Holen = 1,
    Benutzung_Produktion = 2,
    Benutzung_Anbau = 3,
    Benutzung_stone = 4,
    Benutzung_Kaninchenabbau = 5,
    Benutzung_Lager = 6,
    Benutzung_lumberjack = 7,
    Benutzung_fishing = 8,
    Benutzung_ore = 9,
    Benutzung_recycle = 10,
    Benutzung_sand = 11,
};

struct Warenslot {
    int WarenID = 0;  // -1 no slot, 0 free store slot
    int Benutzung = 0;
};

// A new building record is all zero/empty; parsing does not reset it. So a
// building whose script names no costs has four cost slots 0/0, and one
// without a Produktion, Hafen or Lager mode keeps six slots holding good 0.
struct Objekt_Item {
    std::string Titel;
    std::string Kurz;
    std::string Text;
    std::array<Waren_Menge, 4> Baukosten{{{0, 0}, {0, 0}, {0, 0}, {0, 0}}};
    int Platz = 0;
    int Neid = 0;
    std::array<Warenslot, 6> Slots{};
    std::string Modus;
    int AI_Level = 0;
    int Updatelink = 0;
};

struct Ambiente_Item {
    std::string Titel;
    std::string spezial;
    std::string onMap;
    std::uint8_t block = 0;
    int animation = 0;
    int link = 0;
};

struct Dia_Gruppe {
    std::string Name;
    int WarenID = 0;
};

struct Markerpunkt {
    int x = 0, y = 0;
};

// One goods slot's display on a building: nine steps of a model and two integers.
struct Waren_vor_Objekt {
    std::array<std::string, 9> Modellname{};
    std::array<int, 9> Modelltyp{};
    std::array<int, 9> a{};
    std::array<int, 9> b{};
};

struct Slot_Ware_vor_objekt {
    std::array<Waren_vor_Objekt, 6> Slot{};
};

// The production animation of a building: a still and a moving model.
struct Prozess_Ani_vor_Objekt {
    std::string Standmodell;
    int Standtyp = 0;
    int a = 0, b = 0;
    std::string Bewegtmodell;
    int Bewegttyp = 0;
};

// One cell of a building footprint: index offset from the anchor cell, solid 0/1.
struct Bauplatzfeld {
    int Versatz = 0;
    int belegt = 0;
};

// One picture in the building atlas; the nine fields in their stored order.
struct Atlaseintrag {
    int Anker_X = 0;  // minus the x of the red marker pixel
    int Anker_Y = 0;  // minus the y of the red marker pixel
    int Links = 0;    // cell columns [Links, Rechts), cell rows [Oben, Unten), 16 pixels a cell
    int Rechts = 0;
    int Oben = 0;
    int Unten = 0;
    std::uint8_t hat_Flagge = 0;
    int Flagge_X = 0;  // relative to the anchor
    int Flagge_Y = 0;
};

extern std::vector<Skill_Item> SBU_Skills;
extern std::vector<Waren_Item> SBU_Waren;
extern std::vector<Objekt_Item> SBU_Objekte;
extern std::vector<Ambiente_Item> SBU_Ambiente;

extern std::vector<Dia_Gruppe> SBU_Warengruppen;
extern std::vector<int> SBU_Food_Waren, SBU_Luxury_Waren;
extern int SBU_Food_Zeiger, SBU_Luxury_Zeiger;
extern std::vector<int> SBU_Stone_IDs, SBU_Flower_IDs, SBU_Trash_IDs, SBU_Way_IDs;

// Keyword types (map object types; the last template with the keyword wins; 0 when absent).
extern int SBU_ID_hole, SBU_ID_mark, SBU_ID_place, SBU_ID_rabitcatch, SBU_ID_cage, SBU_ID_dead, SBU_ID_lackof,
    SBU_ID_prostop, SBU_ID_flag, SBU_ID_flagsmall, SBU_ID_rauch, SBU_ID_feuer, SBU_ID_airshipLO,
    SBU_ID_airshipRO, SBU_ID_airshipR, SBU_ID_airshipLU, SBU_ID_airshipRU, SBU_ID_airshipL;
// ObjektID of the last building whose Modus is "Hafen", "Hafen2", "Start".
extern int SBU_Hafen_ID, SBU_Hafen2_ID, SBU_Start_ID;

// Per land type (0..20) the map object types world generation may place there.
extern std::vector<std::vector<int>> SBU_OnMap;
// Indexed by map object type: the type itself for animated ambient templates, 0 elsewhere.
extern std::vector<int> SBU_Animation_Tabelle;
extern std::vector<int> SBU_Animationen;
// Per AI_Level the computer clans' building lists.
extern std::vector<std::vector<int>> SBU_KI_Nahrung, SBU_KI_Wohnen, SBU_KI_Rest;
// Per map object type the blue marker points of its picture relative to the red anchor.
extern std::vector<std::vector<Markerpunkt>> SBU_Markerpunkte;
// Per ObjektID the goods displays and the production animation.
extern std::vector<Slot_Ware_vor_objekt> SBU_Warenanzeige;
extern std::vector<Prozess_Ani_vor_Objekt> SBU_Prozessanzeige;
// Goods whose Need names a good that is not found; stops the load after the goods.
extern std::vector<int> SBU_Fehlwaren;
// The good of the last goods slot read with the usage "Kaninchenabbau" (-1 none): the good that
// hunted rabbits give. The world hands it to the rabbit unit once the templates are loaded.
extern int SBU_Kaninchenware;
// Each good of SBU_Fehlwaren with the material name it did not find, in the order found.
struct SBU_Fehlrohstoff {
    int WarenID;
    std::string Name;
};
extern std::vector<SBU_Fehlrohstoff> SBU_Fehlrohstoffe;
// Per ObjektID the footprint cells in reading order.
extern std::vector<std::vector<Bauplatzfeld>> SBU_Bauplaetze;
// Atlas entries in placement order: entry k is the picture of map object type k.
extern std::vector<Atlaseintrag> SBA_Atlastabelle;

// B: the first ambient map object type.
inline int SBU_Ambiente_Basis() { return static_cast<int>(SBU_Objekte.size()); }

// The first WarenID >= n whose good is transportable and used; -1 when none.
int SBU_Naechste_Transportware(int n);
// Empties the template tables and side lists (not the way list, the missing goods,
// the keyword types, the three building IDs and the two cursors).
void SBU_Schablonen_leeren();
// Everything back to the start of a run, keyword types and cursors included.
void SBU_Alles_zuruecksetzen();

// Kind of a building template (its Modus is one of arten); an unknown type is
// reported under the routine's name and false.
bool SBU_Modus_ist(int typ, std::initializer_list<std::string_view> arten, const char* routine);
bool OM_ist_Hafen(int typ);  // "Hafen" or "Hafen2"
bool OM_ist_Hafen2(int typ);
bool OM_ist_Home(int typ);
