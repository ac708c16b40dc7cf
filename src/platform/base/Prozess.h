#pragma once
// Starting another program, and starting this one anew.
#include <string>

// Starts the program file (a game path) without arguments and does not wait for it;
// false when it could not be started.
bool Programm_starten(const std::string& pfad);

// Marks the program file (a game path) to take this process's place once the program has
// shut down; false, and nothing marked, when it is not a file that can be run. Starting
// anew in the same process leaves one program running, never two.
bool Neustart_vormerken(const std::string& pfad);
bool Neustart_vorgemerkt();
void Neustart_vergessen();
// Replaces this process by the marked program with the arguments it was started with
// (argv[0] becomes the program file). Returns only when that failed, with the reason.
std::string Neustart_ausfuehren(char** argv);
