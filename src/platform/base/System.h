#pragma once
// Facts about the machine the game runs on.
#include <cstdint>
#include <string>

// The logged-in user's name, Windows-1252; empty when it cannot be found.
std::string Windows_Benutzername();
// Milliseconds since an arbitrary start, monotonic (wraps like a 32-bit tick count).
std::uint32_t Tickzaehler();
// The folder of the running executable, with a trailing "/".
std::string Programmordner();
// True when a network interface other than the loopback is up and has an
// address: the machine may reach the internet.
bool InternetGetConnectedState();
