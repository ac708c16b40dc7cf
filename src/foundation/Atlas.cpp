#include "foundation/Atlas.h"

// The atlas pack comes with the template image work.
void SBA_Atlasraster_leeren() {}
