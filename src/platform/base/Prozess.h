#pragma once
// Starting another program.
#include <string>

// Starts the program file (a game path) without arguments and does not wait for it;
// false when it could not be started.
bool Programm_starten(const std::string& pfad);
