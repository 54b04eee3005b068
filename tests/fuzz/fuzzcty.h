// The small country file that the log-reading fuzz targets compile against: a few
// countries of different continents, one exact-call entry.
#pragma once

#include <memory>

#include "domain/cty.h"

namespace qz::fuzz {

inline constexpr const char* kFuzzCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\r\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\r\n"
    "    AA,K,N,W,=N0J;\r\n"
    "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\r\n"
    "    JA,JE,JF,JG,JH,JI,JJ,JK,JL,JM,JN,JO,JP,JQ,JR,JS;\r\n"
    "Hungary:                  15:  28:  EU:   47.12:   -19.28:    -1.0:  HA:\r\n"
    "    HA,HG;\r\n";

// Loaded once per fuzz process.
inline std::shared_ptr<const TCtyStuff> FuzzCty() {
    static const std::shared_ptr<const TCtyStuff> cty = TCtyStuff::FromText(kFuzzCty, "fuzz-cty.dat");
    return cty;
}

}  // namespace qz::fuzz
