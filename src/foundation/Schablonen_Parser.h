#pragma once
// The script files of the templates ("Script.srt") and one parser per kind.
//
// A script file is Windows-1252 text, one entry per line: the key is the text
// before the first "/", the value everything after it (a line without "/" is a
// key with an empty value). Keys are compared byte for byte and case-sensitively;
// nothing is trimmed, and there are no comments. A key that matches nothing is
// ignored; a repeated key sets its field again (the last wins) and registers
// again. A number that does not convert, or a slot or step out of its range,
// ends the file at once: what earlier lines set stays, the rest is not read and
// "SBU > Script konnte nicht geladen werden: " + path is reported.
//
// Names of other templates resolve against the tables as they stand, so the
// kinds load in the order skills, goods, buildings, ambient.
#include <string>

// Each parser fills the record with the given number (the table must already
// hold it) and leaves the template's log line. False when the file could not
// be read to its end (already reported).
bool SBU_Skillscript_laden(const std::string& pfad, int id, std::string& logzeile);
bool SBU_Warenscript_laden(const std::string& pfad, int id, std::string& logzeile);
bool SBU_Objektscript_laden(const std::string& pfad, int id, std::string& logzeile);
bool SBU_Ambientescript_laden(const std::string& pfad, int id, std::string& logzeile);

// Lookups by Titel over numbers 1, 2, ... (0 never matches); a hit marks the
// template used. -1 when not found.
int SBU_WarenID_von_Warennamen(const std::string& name);
int SBU_SkillID_von_Skillnamen(const std::string& name);

// Value parsers of one key. Those that return bool give false for a conversion
// or range error, which ends the file.
void SBU_Rohstoffe_erfassen(const std::string& wert, int waren_id);
void SBU_Skill_erfassen(const std::string& wert, int waren_id);
void SBU_Baukosten_erfassen(const std::string& wert, int objekt_id);
void SBU_Slot_erfassen(const std::string& wert, int objekt_id);
bool SBU_Warenanzeige_erfassen(int objekt_id, const std::string& wert);
bool SBU_Prozessanzeige_erfassen(int objekt_id, const std::string& wert);

// Registration in the side tables (also used when a saved game's templates are
// read back). Numbers that cannot be a template or a land type are reported
// and not registered.
void SBU_Warengruppe_eintragen(const std::string& name, int waren_id);
void SBU_Food_eintragen(int waren_id);
void SBU_Luxury_eintragen(int waren_id);
void SBU_Stone_eintragen(int typ);
void SBU_Trash_eintragen(int typ);
void SBU_Flower_eintragen(int typ);
// Appends the type to the land type's list; its position there, -1 when refused.
int SBU_OnMap_eintragen(int landtype, int typ);
// The keyword of the ambient template with this AmbienteID sets its keyword type
// or joins its list; other words are only kept in the record.
void SBU_Spezial_erfassen(const std::string& schluesselwort, int ambiente_id);
// Marks the type animated; its position in SBU_Animationen, -1 when refused.
int SBU_Animation_eintragen(int typ);
// Appends a marker point to the picture of this map object type.
void SBU_Markerpunkt_eintragen(int nummer, int x, int y);
