#pragma once
// Skills and training: each completed work stage raises the skill of the work
// by one level. A person's three skill slots stay in order of level, highest
// first; a skill not yet in a slot is trained in the training pair until it
// outgrows the third slot.

// Skill levels of the three slots together never grow beyond this.
inline constexpr int PM_Skillsumme_max = 100;

// Trains the skill that the ware's template names (SkillID above 0); otherwise nothing.
void PM_Skill_trainieren(int ware, int person);
// One level of training in the skill.
void PM_Skill_steigern(int person, int skill);
