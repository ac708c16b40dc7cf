#include "platform/Maus.h"

#include <SDL.h>

namespace plattform {

void Mausposition(int& x, int& y) {
    x = 0;
    y = 0;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
    SDL_GetMouseState(&x, &y);
}

}  // namespace plattform
