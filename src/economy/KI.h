#pragma once
// The computer players' scheduler.

// The clan row whose turn comes next.
extern int KI_aktueller_Spieler;

// One turn per step for at most one clan.
void KIU_KI_Manager();
