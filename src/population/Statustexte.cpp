#include "population/Statustexte.h"

#include <set>
#include <string_view>

#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Datenzeile.h"
#include "foundation/Schablonen.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"

namespace {

enum class Art {
    Text,          // the text alone
    Distanz,       // the text, the distance, ")"
    Beruf_Distanz  // the job name, the text, the distance, ")"
};

struct Status {
    int code;
    std::string_view text;
    Art art;
};

constexpr Status kStatus[] = {
    {0, "Kann gerade nicht Arbeiten", Art::Text},
    {2, "Geht weiter (", Art::Distanz},
    {3, "Organisation (", Art::Distanz},
    {100, " T1/4 (", Art::Beruf_Distanz},
    {101, " T2/4 (", Art::Beruf_Distanz},
    {102, " T3/4 (", Art::Beruf_Distanz},
    {103, " T4/4 (", Art::Beruf_Distanz},
    {140, "Resourcen anbau T1/3 (", Art::Distanz},
    {141, "Resourcen anbau T2/3 (", Art::Distanz},
    {142, "Resourcen anbau T3/3 (", Art::Distanz},
    {150, "Resourcen einfahren T1/4 (", Art::Distanz},
    {151, "Resourcen einfahren T2/4 (", Art::Distanz},
    {152, "Resourcen einfahren T3/4 (", Art::Distanz},
    {153, "Resourcen einfahren T4/4 (", Art::Distanz},
    {200, "Rohstoff trans(holen) (", Art::Distanz},
    {201, "Rohstoff trans(bringen) (", Art::Distanz},
    {250, "Produktion (zum Haus) (", Art::Distanz},
    {251, "Produktion (aktiv)", Art::Text},
    {300, "Person stirbt", Art::Text},
    {350, "Kauft Baumaterial (", Art::Distanz},
    {351, "Trägt Baumaterial ("_w, Art::Distanz},
    {450, "Sich Essen holen (", Art::Distanz},
    {500, "Planieren(läuft) ("_w, Art::Distanz},
    {501, "Planieren(schaufelt)", Art::Text},
    {502, "Planieren(kontro.)", Art::Text},
    {600, "Geht(Falle aufstellen)(", Art::Distanz},
    {601, "Stellt Tierfalle", Art::Text},
    {650, "Geht(Falle leeren) (", Art::Distanz},
    {651, "Leert Tierfalle", Art::Text},
    {700, "Kauft sich Etwas(", Art::Distanz},
    {850, "Geht zum Hafen (", Art::Distanz},
    {851, "Reist zu neuen Insel", Art::Text},
    {852, "Geht an Land (", Art::Distanz},
    {900, "Gehe(Recycling suchen)", Art::Text},
};

std::set<int> gemeldet;

// The job name of the skill that makes the person's current good; empty when
// the person has no good or the good or its skill does not exist.
std::string berufname(int person) {
    const Personenzeile* p = Tabellenzeile(Personen, person);
    const Waren_Item* ware = p ? Tabellenzeile(SBU_Waren, p->WarenID()) : nullptr;
    const Skill_Item* skill = ware ? Tabellenzeile(SBU_Skills, ware->SkillID) : nullptr;
    return skill ? skill->Berufname : std::string();
}

}  // namespace

void FFU_Statustexte_zuruecksetzen() { gemeldet.clear(); }

void FFU_JobInteger_zu_Berufname(int code, int person, std::string& text) {
    text = "unbekannt";
    for (const Status& s : kStatus) {
        if (s.code != code) continue;
        if (s.art == Art::Text) {
            text = std::string(s.text);
            return;
        }
        const Personenzeile* p = Tabellenzeile(Personen, person);
        const int d = p ? FFU_Distanz(p->Zielfeld(), p->Feld()) : FFU_Distanz(-1, -1);
        text = (s.art == Art::Beruf_Distanz ? berufname(person) : std::string()) + std::string(s.text) +
               std::to_string(d) + ")";
        return;
    }
    text = std::to_string(code) + " Lorem Ipsum";
    if (gemeldet.insert(code).second)
        Fehler_melden(W("FFU_JobInteger_zu_Berufname -> kann Job nicht aufschlüsseln: ") +
                      std::to_string(code));
}
