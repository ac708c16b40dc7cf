#pragma once
// Achievements of the human player, kept across games in Config.ini (section
// "USERDATA", key "SESSION"). They are earned only in the campaign mode (KSL) and
// only by the viewed clan, each once; earning one rewrites the record and shows
// its text. The record is 79 digits: 71 that hide a flag each in their parity and
// eight check digits, so a record edited by hand is discarded.
#include <array>
#include <string>

inline constexpr int ESU_Flaggen_Anzahl = 54;
inline constexpr int ESU_Datensatz_Laenge = 79;

extern std::array<bool, ESU_Flaggen_Anzahl> ESU_Flags;

// Milestone checks of the viewed clan (for the person check: the person's clan).
// A founder (gruendung) counts towards the member milestones but is no fall to a
// handful of members.
void ESU_Mitglieder_pruefen(int clan, bool gruendung = false);
void ESU_Waren_pruefen(int clan);
void ESU_Luxus_pruefen(int clan);
void ESU_Gold_pruefen(int clan);
void ESU_Haus_pruefen(int clan, int stufe);
void ESU_Alter_pruefen(int clan);
void ESU_Personen_pruefen(int person);
void ESU_Schiff_pruefen(int clan);

// Sets the flag, rewrites the record and shows the text of the achievement as an info
// message, unless the flag is already set.
void ESU_Errungenschaft_vergeben(int flagge, int nummer);
// The text of an achievement ("<ESU_TEXT_ERROR>" and the number for one without text);
// achievement 0 draws one of its three texts.
std::string ESU_Text(int nummer);
// Reads the record at start-up; a missing or faulty one is replaced by a fresh record.
void ESU_Errungenschaften_laden();
// Writes a fresh record of the current flags.
void ESU_USERDATA_neu();
// True when the record is faulty: not 79 digits, or a check digit does not match.
bool ESU_USERDATA_pruefen(const std::string& datensatz);
// The flags from a record.
void ESU_USERDATA_lesen(const std::string& datensatz);
// All flags false (tests).
void ESU_Zuruecksetzen();
