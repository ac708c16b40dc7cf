#pragma once
// What the switches of the three windows of standing edicts do: a short label under each
// switch and a tooltip with its effect, both by the switch's entry in Schalterfenster_Optionen
// (entry 3k + w - 1 is switch k of window w).
#include <array>
#include <string>

struct TPU_Schalter_Beschreibung {
    std::string Kurz;                   // the label under the switch
    std::string Titel;                  // the tooltip's heading
    std::array<std::string, 5> Zeilen;  // the tooltip's lines (empty ones are not printed)
};

inline constexpr int TPU_Schalter_Anzahl = 27;

// The description of entry e; an entry outside 0..26 is reported and gives an empty one.
const TPU_Schalter_Beschreibung& TPU_Schalter_Text(int eintrag);
// The tooltip number of entry e (28..52 for the first 25, then 53 and 54); -1 outside 0..26.
int TPU_Schalter_Tooltip(int eintrag);
// The entry a tooltip number belongs to; -1 for any other number.
int TPU_Schalter_von_Tooltip(int nummer);
// The labels of the open window of standing edicts, with the outline pass's offsets.
void TPU_Schaltertexte(int ox, int oy);
// The tooltip of a switch at the anchor (X, Y).
void TPU_Schalter_Tooltip_zeigen(int X, int Y, int eintrag);
