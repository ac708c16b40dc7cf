#pragma once
// Harvest orders of the buildings.
void ERU_Init();
