#pragma once
// The interface images of a frame: the shown panel's elements and the open
// in-game windows.
void Draw_Interface();
