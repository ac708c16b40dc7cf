#pragma once
// Letters to the clans.
void BrU_Zuruecksetzen();
