#include "foundation/Namen.h"

// The name lists come with the foundation work.
void NGU_Listen_erzeugen() {}
void NGU_Listen_freigeben() {}
