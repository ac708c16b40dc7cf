#pragma once
// Growth orders: crops, traps, ruins and graves that change by themselves.
void WU_Wachstum_Tick();
void WU_Init();
