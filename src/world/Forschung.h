#pragma once
// Research: the per-clan research table.
void FU_Forschung_loeschen();
