#pragma once
// Achievements of the human player, kept across games in Config.ini.
void ESU_Errungenschaften_laden();
