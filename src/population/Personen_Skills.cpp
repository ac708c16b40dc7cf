#include "population/Personen_Skills.h"

#include <utility>

#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "population/Personen.h"

void PM_Skill_trainieren(int ware, int person) {
    if (ware < 0 || static_cast<std::size_t>(ware) >= SBU_Waren.size()) {
        Fehler_melden("PM_Skill_trainieren > unbekannte Ware: " + std::to_string(ware));
        return;
    }
    const int skill = SBU_Waren[static_cast<std::size_t>(ware)].SkillID;
    if (skill > 0) PM_Skill_steigern(person, skill);
}

void PM_Skill_steigern(int person, int skill) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PM_Skill_steigern > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    if (p.Skill_Level(0) + p.Skill_Level(1) + p.Skill_Level(2) >= PM_Skillsumme_max) return;

    bool im_slot = false;
    for (int k = 0; k < 3; ++k) {
        if (p.Skill_ID(k) != skill) continue;
        p.Skill_Level(k) += 1;
        p.Aktiver_SkillID() = skill;
        p.Aktiver_Skilllevel() = p.Skill_Level(k);
        im_slot = true;
    }
    if (!im_slot) {
        if (p.Aktiver_SkillID() == skill) {
            p.Aktiver_Skilllevel() += 1;
        } else {
            p.Aktiver_SkillID() = skill;
            p.Aktiver_Skilllevel() = 1;
        }
        if (p.Aktiver_Skilllevel() > p.Skill_Level(2)) {
            p.Skill_ID(2) = skill;
            p.Skill_Level(2) = p.Aktiver_Skilllevel();
        }
    }

    // Highest level first; equal levels keep their order.
    for (int runde = 0; runde < 2; ++runde) {
        for (int k = 0; k < 2; ++k) {
            if (p.Skill_Level(k) < p.Skill_Level(k + 1)) {
                std::swap(p.Skill_ID(k), p.Skill_ID(k + 1));
                std::swap(p.Skill_Level(k), p.Skill_Level(k + 1));
            }
        }
    }
    for (int k = 0; k < 3; ++k) {
        if (p.Skill_ID(k) == skill) {
            p.Aktiver_Skilllevel() = p.Skill_Level(k);
            break;
        }
    }
}
