#include "foundation/Schablonen_Parser.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"

namespace {

std::string feld(std::string& rest) {
    std::string f;
    FFU_Slashteil_entnehmen(rest, f);
    return f;
}

bool zahl_feld(std::string& rest, int& wert) { return FFU_Zahl_lesen(feld(rest), wert); }

// Empty value: the default; otherwise the number.
bool zahl_oder(const std::string& text, int vorgabe, int& wert) {
    if (text.empty()) {
        wert = vorgabe;
        return true;
    }
    return FFU_Zahl_lesen(text, wert);
}

// The keys each kind knows.
const std::vector<std::string> kSkill_Schluessel = {"Titel", "Berufname", W("Tätikkeit")};
const std::vector<std::string> kWaren_Schluessel = {"Titel",  "Transport", "Group", "Need", "Spez",
                                                    "Chance", "Skill",     "Grow",  "Make", "Text"};
const std::vector<std::string> kObjekt_Schluessel = {
    "Titel", "Kurz",     "Text",         "Baukosten",      "Platz",
    "Modus", "AI_Level", "Warenanzeige", "Prozessanzeige", "Updatelink"};
const std::vector<std::string> kAmbiente_Schluessel = {"Titel", "spezial",   "onMap",
                                                       "block", "animation", "link"};

// Reads the file line by line and hands every key and value to the kind's
// action; an action that answers false ends the file. A file read to its end whose
// lines name keys the kind does not know, or whose last line has no line end (a file cut
// off), is reported once; its known lines are used as they are.
bool script_lesen(const std::string& pfad, const std::vector<std::string>& schluessel,
                  const std::function<bool(const std::string&, const std::string&)>& aktion) {
    auto text = Datei_lesen(pfad);
    bool gut = text.has_value();
    std::size_t fremde = 0, erste_fremde = 0;
    if (gut) {
        const std::vector<std::string> zeilen = Zeilen_teilen(*text);
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            const std::string& zeile = zeilen[i];
            std::size_t p = zeile.find('/');
            std::string key = zeile.substr(0, p);
            std::string wert = p == std::string::npos ? std::string() : zeile.substr(p + 1);
            if (!zeile.empty() && std::find(schluessel.begin(), schluessel.end(), key) == schluessel.end() &&
                fremde++ == 0)
                erste_fremde = i + 1;
            if (!aktion(key, wert)) {
                gut = false;
                break;
            }
        }
    }
    if (!gut) {
        Fehler_melden("SBU > Script konnte nicht geladen werden: " + pfad);
        return false;
    }
    std::string fehler;
    if (fremde > 0)
        fehler = std::to_string(fremde) + " Zeile(n) mit unbekanntem Schluessel (erste: Zeile " +
                 std::to_string(erste_fremde) + ")";
    if (!text->empty() && text->back() != '\n' && text->back() != '\r')
        fehler +=
            std::string(fehler.empty() ? "" : ", ") + "die letzte Zeile hat kein Zeilenende (abgeschnitten?)";
    if (!fehler.empty()) Fehler_melden("SBU > Script fehlerhaft: " + pfad + ": " + fehler);
    return true;
}

bool nummer_gueltig(std::size_t laenge, int id, const char* routine) {
    if (id >= 0 && static_cast<std::size_t>(id) < laenge) return true;
    Fehler_melden(std::string(routine) + " > Nummer ausserhalb der Tabelle: " + std::to_string(id));
    return false;
}

bool typ_gueltig(int typ, const char* routine) {
    if (typ >= 0 && typ <= SBU_Typ_max) return true;
    Fehler_melden(std::string(routine) + " > Typ ungueltig: " + std::to_string(typ));
    return false;
}

template <class T>
void wachsen_bis(std::vector<T>& liste, int nummer) {
    if (liste.size() < static_cast<std::size_t>(nummer) + 1)
        liste.resize(static_cast<std::size_t>(nummer) + 1);
}

int benutzung_von_wort(const std::string& wort) {
    static const char* const woerter[] = {"Holen", "Produktion", "Anbau",   "stone", "Kaninchenabbau",
                                          "Lager", "lumberjack", "fishing", "ore",   "recycle",
                                          "sand"};
    for (int i = 0; i < 11; ++i)
        if (wort == woerter[i]) return i + 1;
    return 0;
}

std::string skill_logzeile(int id) {
    const Skill_Item& s = SBU_Skills[id];
    return "ID:" + std::to_string(id) + " = " + s.Titel + " = " + s.Berufname + " = " + s.Taetigkeit;
}

std::string waren_logzeile(int id) {
    const Waren_Item& w = SBU_Waren[id];
    return "ID:" + std::to_string(id) + "=" + w.Titel + "=" + (w.Transport ? std::string("JA") : W("NÖ"));
}

std::string titel_logzeile(int id, const std::string& titel) {
    return "ID:" + std::to_string(id) + "=" + titel;
}

}  // namespace

// --- Lookups -----------------------------------------------------------------

namespace {

// The first template from number 1 on whose Titel is the name, marked used; -1 when none.
template <class T>
int titel_suchen(std::vector<T>& tabelle, const std::string& name) {
    for (std::size_t i = 1; i < tabelle.size(); ++i)
        if (tabelle[i].Titel == name) {
            tabelle[i].benutzt = 1;
            return static_cast<int>(i);
        }
    return -1;
}

}  // namespace

int SBU_WarenID_von_Warennamen(const std::string& name) {
    if (SBU_Waren.empty()) {
        Fehler_melden("SBU_WarenID_von_Warennamen > Keine WarenID vorhanden.");
        return -1;
    }
    return titel_suchen(SBU_Waren, name);
}

int SBU_SkillID_von_Skillnamen(const std::string& name) {
    if (SBU_Skills.empty()) {
        Fehler_melden("SBU_SkillID_von_Skillnamen > Keine ID vorhanden.");
        return -1;
    }
    int id = titel_suchen(SBU_Skills, name);
    if (id == -1) Fehler_melden("SBU_SkillID_von_Skillnamen > ID nicht gefunden: " + name);
    return id;
}

// --- Registration ------------------------------------------------------------

void SBU_Warengruppe_eintragen(const std::string& name, int waren_id) {
    for (const Dia_Gruppe& g : SBU_Warengruppen)
        if (g.Name == name) return;
    SBU_Warengruppen.push_back({name, waren_id});
}

void SBU_Food_eintragen(int waren_id) { SBU_Food_Waren.push_back(waren_id); }
void SBU_Luxury_eintragen(int waren_id) { SBU_Luxury_Waren.push_back(waren_id); }
void SBU_Stone_eintragen(int typ) { SBU_Stone_IDs.push_back(typ); }
void SBU_Trash_eintragen(int typ) { SBU_Trash_IDs.push_back(typ); }
void SBU_Flower_eintragen(int typ) { SBU_Flower_IDs.push_back(typ); }

int SBU_OnMap_eintragen(int landtype, int typ) {
    if (landtype < 0 || landtype > SBU_LandType_max) {
        Fehler_melden("SBU_OnMap_eintragen > LandType ungueltig: " + std::to_string(landtype));
        return -1;
    }
    wachsen_bis(SBU_OnMap, landtype);
    SBU_OnMap[landtype].push_back(typ);
    return static_cast<int>(SBU_OnMap[landtype].size()) - 1;
}

void SBU_Spezial_erfassen(const std::string& schluesselwort, int ambiente_id) {
    static const std::pair<const char*, int*> typen[] = {
        {"hole", &SBU_ID_hole},           {"mark", &SBU_ID_mark},
        {"place", &SBU_ID_place},         {"rabitcatch", &SBU_ID_rabitcatch},
        {"cage", &SBU_ID_cage},           {"dead", &SBU_ID_dead},
        {"lackof", &SBU_ID_lackof},       {"prostop", &SBU_ID_prostop},
        {"flag", &SBU_ID_flag},           {"flagsmall", &SBU_ID_flagsmall},
        {"rauch", &SBU_ID_rauch},         {"feuer", &SBU_ID_feuer},
        {"airshipLO", &SBU_ID_airshipLO}, {"airshipRO", &SBU_ID_airshipRO},
        {"airshipR", &SBU_ID_airshipR},   {"airshipLU", &SBU_ID_airshipLU},
        {"airshipRU", &SBU_ID_airshipRU}, {"airshipL", &SBU_ID_airshipL}};
    const int typ = SBU_Ambiente_Basis() + ambiente_id;
    for (const auto& [wort, ziel] : typen)
        if (schluesselwort == wort) {
            *ziel = typ;
            return;
        }
    if (schluesselwort == "way")
        SBU_Way_IDs.push_back(typ);
    else if (schluesselwort == "stone")
        SBU_Stone_eintragen(typ);
    else if (schluesselwort == "flower")
        SBU_Flower_eintragen(typ);
    else if (schluesselwort == "trash")
        SBU_Trash_eintragen(typ);
}

int SBU_Animation_eintragen(int typ) {
    if (!typ_gueltig(typ, "SBU_Animation_eintragen")) return -1;
    wachsen_bis(SBU_Animation_Tabelle, typ);
    SBU_Animation_Tabelle[typ] = typ;
    SBU_Animationen.push_back(typ);
    return static_cast<int>(SBU_Animationen.size()) - 1;
}

void SBU_Markerpunkt_eintragen(int nummer, int x, int y) {
    if (!typ_gueltig(nummer, "SBU_Markerpunkt_eintragen")) return;
    wachsen_bis(SBU_Markerpunkte, nummer);
    SBU_Markerpunkte[nummer].push_back({x, y});
}

// --- Skills ------------------------------------------------------------------

bool SBU_Skillscript_laden(const std::string& pfad, int id, std::string& logzeile) {
    if (!nummer_gueltig(SBU_Skills.size(), id, "SBU_Skillscript_laden")) return false;
    logzeile = skill_logzeile(id);
    return script_lesen(pfad, kSkill_Schluessel, [&](const std::string& k, const std::string& v) {
        Skill_Item& s = SBU_Skills[id];
        if (k == "Titel") s.Titel = v;
        if (k == "Berufname") s.Berufname = v;
        if (k == W("Tätikkeit")) s.Taetigkeit = v;
        logzeile = skill_logzeile(id);
        return true;
    });
}

// --- Goods -------------------------------------------------------------------

void SBU_Rohstoffe_erfassen(const std::string& wert, int waren_id) {
    if (!nummer_gueltig(SBU_Waren.size(), waren_id, "SBU_Rohstoffe_erfassen")) return;
    std::string rest = wert;
    const std::string nr = std::to_string(waren_id);
    for (int i = 0; i < 5; ++i) {
        std::string name = feld(rest);
        std::string menge = feld(rest);
        Waren_Menge& slot = SBU_Waren[waren_id].Need[i];
        if (name.empty()) {
            slot = {-1, -1};
            continue;
        }
        int ware = SBU_WarenID_von_Warennamen(name);
        slot.WarenID = ware;
        if (ware == -1) {
            Fehler_melden("WarenID: " + nr + " konnte den Rohstoff(" + name + ") nicht erfassen.");
            if (SBU_Fehlwaren.empty() || SBU_Fehlwaren.back() != waren_id) SBU_Fehlwaren.push_back(waren_id);
            SBU_Fehlrohstoffe.push_back({waren_id, name});
            continue;
        }
        int m = 0;
        if (!FFU_Zahl_lesen(menge, m)) {
            Fehler_melden("WarenID: " + nr + " mit dem Namen:(" + name +
                          ") konnte die Menge nicht erfassen.");
            m = 1;
        } else if (m < 1) {
            Fehler_melden("WarenID: " + nr + " die Rohstoffmenge(" + menge + ") sollte nie unter 1 sein.");
        }
        slot.Menge = m;
    }
}

void SBU_Skill_erfassen(const std::string& wert, int waren_id) {
    if (!nummer_gueltig(SBU_Waren.size(), waren_id, "SBU_Skill_erfassen")) return;
    std::string name = FFU_Slashteil(wert);
    int skill = -1;
    if (!name.empty()) {
        skill = SBU_SkillID_von_Skillnamen(name);
        if (skill == -1)
            Fehler_melden("Ware: " + std::to_string(waren_id) + " konnte den Skill nicht erfassen.");
    }
    SBU_Waren[waren_id].SkillID = skill;
}

bool SBU_Warenscript_laden(const std::string& pfad, int id, std::string& logzeile) {
    if (!nummer_gueltig(SBU_Waren.size(), id, "SBU_Warenscript_laden")) return false;
    {
        Waren_Item neu;
        neu.benutzt = SBU_Waren[id].benutzt;
        SBU_Waren[id] = std::move(neu);
    }
    logzeile = waren_logzeile(id);
    return script_lesen(pfad, kWaren_Schluessel, [&](const std::string& k, const std::string& v) {
        bool gut = true;
        Waren_Item& w = SBU_Waren[id];
        if (k == "Titel") w.Titel = v;
        if (k == "Transport") w.Transport = v == "True" ? 1 : 0;
        if (k == "Group") {
            w.Group = v;
            SBU_Warengruppe_eintragen(v, id);
        }
        if (k == "Need") SBU_Rohstoffe_erfassen(v, id);
        if (k == "Spez") {
            w.Spez = v;
            if (v == "food") SBU_Food_eintragen(id);
            if (v == "luxury") SBU_Luxury_eintragen(id);
        }
        if (k == "Chance") gut = zahl_oder(v, 100, w.Chance);
        if (k == "Skill") SBU_Skill_erfassen(v, id);
        if (k == "Grow") gut = zahl_oder(v, 0, w.Grow);
        if (k == "Make") gut = zahl_oder(v, 1, w.Make);
        if (k == "Text") w.Text = v;
        if (gut) logzeile = waren_logzeile(id);
        return gut;
    });
}

// --- Buildings ---------------------------------------------------------------

void SBU_Baukosten_erfassen(const std::string& wert, int objekt_id) {
    if (!nummer_gueltig(SBU_Objekte.size(), objekt_id, "SBU_Baukosten_erfassen")) return;
    Objekt_Item& o = SBU_Objekte[objekt_id];
    std::string rest = wert;
    for (int i = 0; i < 4; ++i) {
        std::string name = feld(rest);
        std::string menge = feld(rest);
        Waren_Menge& slot = o.Baukosten[i];
        if (name.empty()) {
            slot = {-1, -1};
            continue;
        }
        const std::string anfang = "Objekt: " + std::to_string(objekt_id) + " " + o.Titel +
                                   " mit dem Baukosten[Slot]: " + std::to_string(i);
        slot.WarenID = SBU_WarenID_von_Warennamen(name);
        if (slot.WarenID == -1) {
            Fehler_melden(anfang + " " + name +
                          " konnte die Ware nicht erfassen. (Text nicht ANSI konvertiert?)");
            continue;
        }
        int m = 0;
        if (!FFU_Zahl_lesen(menge, m)) {
            Fehler_melden(anfang + " konnte die Menge nicht erfassen. Set to 3");
            m = 3;
        } else if (m < 3) {
            Fehler_melden(anfang + " die Menge darf nie unter 3 sein. Set to 3");
            m = 3;
        }
        slot.Menge = m;
    }
}

void SBU_Slot_erfassen(const std::string& wert, int objekt_id) {
    if (!nummer_gueltig(SBU_Objekte.size(), objekt_id, "SBU_Slot_erfassen")) return;
    std::string rest = wert;
    for (int k = 0; k < 6; ++k) {
        std::string name = feld(rest);
        std::string wort = feld(rest);
        Warenslot& slot = SBU_Objekte[objekt_id].Slots[k];
        if (name.empty()) {
            slot.WarenID = -1;
        } else {
            slot.WarenID = SBU_WarenID_von_Warennamen(name);
            if (slot.WarenID == -1)
                Fehler_melden("Objekt: " + std::to_string(objekt_id) + " mit dem Slot: " + std::to_string(k) +
                              " konnte die Ware nicht erfassen.");
        }
        if (wort.empty()) continue;
        int code = benutzung_von_wort(wort);
        if (code != 0)
            slot.Benutzung = code;
        else if (slot.Benutzung == 0)
            Fehler_melden("SBU_Slot_erfassen > Benutzung :(" + wort +
                          ") konnte nicht erfasst werden. Bauplan:" + std::to_string(objekt_id));
        if (code == Benutzung_Kaninchenabbau) SBU_Kaninchenware = slot.WarenID;
    }
}

bool SBU_Warenanzeige_erfassen(int objekt_id, const std::string& wert) {
    if (!typ_gueltig(objekt_id, "SBU_Warenanzeige_erfassen")) return false;
    wachsen_bis(SBU_Warenanzeige, objekt_id);
    std::string rest = wert;
    int slot = 0;
    if (!zahl_feld(rest, slot) || slot < 0 || slot > 5) return false;
    Waren_vor_Objekt anzeige;
    for (int s = 0; s < 9; ++s) {
        std::string name = feld(rest);
        if (name.empty()) {
            if (s == 0) return false;
            name = anzeige.Modellname[s - 1];
        }
        anzeige.Modellname[s] = name;
        if (!zahl_feld(rest, anzeige.a[s]) || !zahl_feld(rest, anzeige.b[s])) return false;
    }
    SBU_Warenanzeige[objekt_id].Slot[slot] = std::move(anzeige);
    return true;
}

bool SBU_Prozessanzeige_erfassen(int objekt_id, const std::string& wert) {
    if (!typ_gueltig(objekt_id, "SBU_Prozessanzeige_erfassen")) return false;
    wachsen_bis(SBU_Prozessanzeige, objekt_id);
    Prozess_Ani_vor_Objekt& p = SBU_Prozessanzeige[objekt_id];
    std::string rest = wert;
    p.Standmodell = feld(rest);
    p.Bewegtmodell = feld(rest);
    if (p.Bewegtmodell.empty()) p.Bewegtmodell = p.Standmodell;
    return zahl_feld(rest, p.a) && zahl_feld(rest, p.b);
}

namespace {

// The value of a "Modus" line after its first word.
bool modus_erfassen(const std::string& pfad, int id, const std::string& modus, std::string rest) {
    Objekt_Item& o = SBU_Objekte[id];
    if (modus == "Home") {
        if (feld(rest) != "Neid") {
            Fehler_melden("SBU > Script > Modus > Home > Neid konnte nicht geladen werden: " + pfad);
            return true;
        }
        return FFU_Zahl_lesen(rest, o.Neid);
    }
    if (modus == "Produktion") SBU_Slot_erfassen(rest, id);
    if (modus == "Hafen") SBU_Hafen_ID = id;
    if (modus == "Hafen2") SBU_Hafen2_ID = id;
    if (modus == "Hafen" || modus == "Hafen2" || modus == "Lager") {
        int n = 0;
        if (!zahl_feld(rest, n)) return false;
        for (int k = 0; k < 6; ++k) o.Slots[k] = {k <= n ? 0 : -1, Benutzung_Lager};
    }
    if (modus == "Start") SBU_Start_ID = id;
    return true;
}

}  // namespace

bool SBU_Objektscript_laden(const std::string& pfad, int id, std::string& logzeile) {
    if (!nummer_gueltig(SBU_Objekte.size(), id, "SBU_Objektscript_laden")) return false;
    logzeile = titel_logzeile(id, SBU_Objekte[id].Titel);
    return script_lesen(pfad, kObjekt_Schluessel, [&](const std::string& k, const std::string& v) {
        bool gut = true;
        Objekt_Item& o = SBU_Objekte[id];
        if (k == "Titel") o.Titel = v;
        if (k == "Kurz") o.Kurz = v;
        if (k == "Text") o.Text = v;
        if (k == "Baukosten") SBU_Baukosten_erfassen(v, id);
        if (k == "Platz") gut = FFU_Zahl_lesen(v, o.Platz);
        if (k == "Modus") {
            std::string rest = v;
            o.Modus = feld(rest);
            gut = modus_erfassen(pfad, id, o.Modus, rest);
        }
        if (k == "AI_Level") gut = zahl_oder(v, 1, o.AI_Level);
        if (k == "Warenanzeige") gut = SBU_Warenanzeige_erfassen(id, v);
        if (k == "Prozessanzeige") gut = SBU_Prozessanzeige_erfassen(id, v);
        if (k == "Updatelink") {
            if (v.empty())
                Fehler_melden("SBU > Script > Wohnlink > konnte nicht geladen werden: " + pfad);
            else
                gut = FFU_Zahl_lesen(v, o.Updatelink);
        }
        if (gut) logzeile = titel_logzeile(id, SBU_Objekte[id].Titel);
        return gut;
    });
}

// --- Ambient -----------------------------------------------------------------

bool SBU_Ambientescript_laden(const std::string& pfad, int id, std::string& logzeile) {
    if (!nummer_gueltig(SBU_Ambiente.size(), id, "SBU_Ambientescript_laden")) return false;
    const int basis = SBU_Ambiente_Basis();
    const int typ = basis + id;
    logzeile = titel_logzeile(id, SBU_Ambiente[id].Titel);
    return script_lesen(pfad, kAmbiente_Schluessel, [&](const std::string& k, const std::string& v) {
        Ambiente_Item& a = SBU_Ambiente[id];
        if (k == "Titel") {
            a.Titel = v;
            logzeile = titel_logzeile(id, v);
        }
        if (k == "spezial") {
            a.spezial = v;
            SBU_Spezial_erfassen(v, id);
        }
        if (k == "onMap") {
            a.onMap = v;
            std::string rest = v;
            if (feld(rest) == "true") {
                int von = 0, bis = 0;
                if (!zahl_feld(rest, von) || !zahl_feld(rest, bis)) return false;
                if (von < 0 || bis > SBU_LandType_max) {
                    Fehler_melden("SBU_Ambientescript_laden > onMap ausserhalb 0.." +
                                  std::to_string(SBU_LandType_max) + " begrenzt: " + pfad);
                    von = std::max(von, 0);
                    bis = std::min(bis, SBU_LandType_max);
                }
                for (int c = von; c <= bis; ++c) SBU_OnMap_eintragen(c, typ);
            }
        }
        if (k == "block") a.block = v == "true" ? 1 : 0;
        if (k == "animation") {
            if (!FFU_Zahl_lesen(v, a.animation)) return false;
            SBU_Animation_eintragen(typ);
        }
        if (k == "link") {
            int n = 0;
            if (!FFU_Zahl_lesen(v, n)) return false;
            // A link far out of range stays out of range instead of wrapping.
            a.link = static_cast<int>(std::clamp<long long>(static_cast<long long>(n) + basis,
                                                            std::numeric_limits<int>::min(),
                                                            std::numeric_limits<int>::max()));
        }
        return true;
    });
}
