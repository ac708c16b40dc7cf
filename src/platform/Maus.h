#pragma once
// Where the mouse is.
namespace plattform {

// The cursor in client pixels of the main window (0, 0 without a window).
void Mausposition(int& x, int& y);

}  // namespace plattform
