#include "foundation/AudioModul.h"

namespace {
AudioModul stumm;
AudioModul* modul = &stumm;
}  // namespace

AudioModul& Audio() { return *modul; }
void Audio_setzen(AudioModul* m) { modul = m ? m : &stumm; }
