#pragma once
// The action executor: every button, check box, slider, hot zone and some keys
// end in one call of MOAktion with an action number. Unknown numbers are
// reported; the executor keeps no state of its own.
#include <functional>
#include <string>

// info matters only for the goods-slot actions 551..556 (slot = info - 78),
// parameter only for the sliders 615..619 (step 0..10).
void MOAktion(int info, int aktion, int parameter);

// Switches the six exclusive display filters off.
void MO_Filter_loeschen();

// Has the program start anew once it has shut down (full-screen switch); true when it can be.
// Replaceable so that tests see the request.
extern std::function<bool(const std::string& programm)> MO_Programm_starten;
