#pragma once
// Repair of the goods order on disk: a good whose raw material is defined
// after it (listed in SBU_Fehlwaren by the template load) moves to the end of
// the goods folders Daten\Waren\<n>, every later good one number down, so the
// next load finds its materials first. Only the files "Frame.bmp", "Icon.bmp"
// and "Script.srt" of a folder move; the scratch folder Daten\Waren\Rep holds
// the moving good meanwhile.

// Moves every listed good to the end, in list order. Nothing moves (reported,
// false) unless every material a listed good misses (SBU_Fehlrohstoffe) is a
// good defined after it. False (reported) when a number is not a good or a
// file cannot be copied; the move stops there.
bool MG_Auto_repair();
