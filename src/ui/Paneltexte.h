#pragma once
// The texts of the shown script panel. A text that begins with "$" is a
// placeholder key: it is replaced every frame by a live value, or picks the
// element's second text while a condition holds.
#include <array>
#include <string>

#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"

// The status lines of the update client.
extern std::array<std::string, 10> TPU_Updatestatus;

// Prints the text elements of the shown panel (once a frame, overlay projection).
void TPU_Paneltexte();
// The same for panel Panel.
void TPU_Paneltexte_von(int Panel);
// The text an element shows now; a placeholder element may get a new colour code.
std::string TPU_Elementtext(ITP_Text_Item& Element);

// The origin of a text element's anchor.
int TPU_Anker_X(int Panel, int Element);
int TPU_Anker_Y(int Panel, int Element);
// Origin of anchor code Align.
int TPU_Ankerursprung_X(int Align);
int TPU_Ankerursprung_Y(int Align);

// Day of the year 1..361.
int TPU_Jahrestag();
// Day, month name and year.
std::string TPU_Kalenderdatum();

// 0 no goal, 1 a members, gold or luxury goal, 2 only the last-clan goal.
int TPU_Ranglistenart();
void TPU_Ranglistenname(int Platz, std::string& Ergebnis);
void TPU_Ranglistenwert(int Platz, std::string& Ergebnis);

void TPU_Paneltexte_zuruecksetzen();
