#pragma once
// Points Programmpfad at a fresh temporary folder for one test and puts the
// settings, the error state and the game switches back to their defaults.
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"

namespace bhmtest {

class ProgrammOrdner {
public:
    ProgrammOrdner() : alt_(Programmpfad) {
        Programmpfad = dir_.folder();
        Config_zuruecksetzen();
        Fehler_zuruecksetzen();
        Spielstatus_zuruecksetzen();
    }
    ~ProgrammOrdner() {
        Programmpfad = alt_;
        Config_zuruecksetzen();
        Fehler_zuruecksetzen();
        Spielstatus_zuruecksetzen();
    }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    std::string alt_;
};

}  // namespace bhmtest
