#pragma once
// Achievements of the human player, kept across games in Config.ini.
void ESU_Errungenschaften_laden();
// Milestone checks of the viewed clan.
void ESU_Gold_pruefen(int clan);
void ESU_Waren_pruefen(int clan);
void ESU_Luxus_pruefen(int clan);
