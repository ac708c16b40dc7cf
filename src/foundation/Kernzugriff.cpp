#include "foundation/Kernzugriff.h"

namespace {
KernzugriffSeam leer;
KernzugriffSeam* aktuell = &leer;
}  // namespace

KernzugriffSeam& Kern() { return *aktuell; }
void Kern_setzen(KernzugriffSeam* seam) { aktuell = seam ? seam : &leer; }
