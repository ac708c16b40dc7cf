#pragma once
// The real interface behind the simulation's UiSeam. The game installs one after
// its window exists; the services not listed here keep the seam's defaults.
#include "foundation/Seams.h"

struct Oberflaechendienste : UiSeam {
    void TPU_2D_Modus() override;
    void TPU_Ladestatus_add(const std::string& text) override;
    void TPU_Ladestatus_leeren() override;
};
