#pragma once
// A new world generated on the game's own content (the templates, name lists and
// packs of the built game folder) from a fixed seed and the standard single-game
// set-up, for tests that run the whole simulation.
#include <filesystem>
#include <string>

#include "common/Kernwelt.h"
#include "common/Spielordner.h"
#include "economy/Logik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Zufall.h"
#include "world/Kartengenerator.h"

namespace bhmtest {

// Generates the world on the copied content (size choice 0: side 256); false when the
// game folder has no content. Whether the game started is in SSL.
inline bool Inhaltswelt_starten(Kernwelt& welt, std::uint32_t seed, int kartentyp, int groesse = 0) {
    if (!Spielordner_kopieren(welt.ordner().dir().path())) return false;
    RandSeed = seed;
    SingelGameTYPWahl = kartentyp;
    SingelGameGroessenWahl = groesse;
    SingelGamerohstoffWahl = SingelGamerohstoffWahl_Standard;
    SingelGameKIanzahl = SingelGameKIanzahl_Standard;
    SingelGameKILevel = SingelGameKILevel_Standard;
    MG_Spiel_starten();
    return true;
}

// One simulation step as the frame loop runs it.
inline void Simulationsschritt() {
    Logik_Zeitschritt();
    Logik_Simulationsschritt();
}

// Steps in one game year.
inline constexpr int Schritte_je_Jahr = 12 * Monatsticks + 1;

}  // namespace bhmtest
