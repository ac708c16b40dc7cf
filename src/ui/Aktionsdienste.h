#pragma once
// The part of the simulation's interface seam that the action executor and the
// interactive edicts serve. The game's full interface seam derives from it.
#include "foundation/Seams.h"

struct Aktionsdienste : UiSeam {
    void MOAktion(int aktion, int info, int parameter) override;
    void IAU_Edikte_laden() override;
    bool IAU_Edikte_speichern(const std::string& pfad) override;
    void IAU_Edikte_laden_Save(const std::string& pfad) override;
    int IAU_Auswahl_2() override;
};
