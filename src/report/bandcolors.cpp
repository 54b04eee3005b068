// The band palette; see bandcolors.h.
#include "report/bandcolors.h"

namespace qz {

const char* BandColor(TBand band) {
    static constexpr const char* kColors[kNoOfBands] = {
        "#7f1d1d", "#dc2626", "#f97316", "#ca8a04", "#16a34a", "#0d9488", "#2563eb", "#4f46e5", "#9333ea",
        "#db2777", "#a16207", "#0891b2", "#65a30d", "#be123c", "#7c3aed", "#0369a1", "#b45309", "#15803d",
        "#9f1239", "#1d4ed8", "#6d28d9", "#047857", "#c2410c", "#4338ca", "#a21caf", "#0e7490", "#525252"};
    return band < kNoOfBands ? kColors[band] : "#525252";
}

}  // namespace qz
