// The colour of each band in the charts, the same in the report and on screen.
#pragma once

#include "domain/defs.h"

namespace qz {

// "#rrggbb": the short-wave bands from red (long) to violet (short), the higher bands
// in their own colours.
const char* BandColor(TBand band);

}  // namespace qz
