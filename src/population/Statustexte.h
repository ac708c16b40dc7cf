#pragma once
// The status text of a person's order code, as the person window shows it.
#include <string>

// text := what the person does, most texts ending with the distance to its walk
// target in parentheses. An unknown code gives the code followed by
// " Lorem Ipsum"; each unknown code is reported once.
void FFU_JobInteger_zu_Berufname(int code, int person, std::string& text);
// Forgets which unknown codes were reported (tests, a new run).
void FFU_Statustexte_zuruecksetzen();
