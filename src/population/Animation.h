#pragma once
// Person animation: the global animation clock.
void AU_Animation_Frame();
