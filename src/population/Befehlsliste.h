#pragma once
// The clans' order lists.
void JU_Zuruecksetzen();
