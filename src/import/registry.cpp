// The table of converters. Detection tries the rows from the top.
#include "import/registry.h"

#include "import/adifimport.h"
#include "import/asciiimport.h"
#include "import/cabrilloimport.h"
#include "import/ctimport.h"
#include "import/naimport.h"
#include "import/qwimport.h"
#include "import/stfimport.h"

namespace qz {

namespace {

// clang-format off
const TConverterRow kConverters[] = {
    // types               extension  format test   maker
    {ftSTF,      ftSTF,      "",    CheckFormatWith<TSTFConvert>, MakeConverterOf<TSTFConvert>},
    {ftCabrillo, ftCabrillo, "",    CheckFormatWith<TCabrilloImport>, MakeConverterOf<TCabrilloImport>},
    {ftADIF,     ftADIF,     "",    CheckFormatWith<TADIFImport>, MakeConverterOf<TADIFImport>},
    {ftCT8,      ftCT10,     "",    CheckFormatWith<TCTConvert>, MakeConverterOf<TCTConvert>},
    {ftQW4,      ftQW4,      "bin", CheckFormatWith<TQWConvert>, MakeConverterOf<TQWConvert>},
    {ftNA9,      ftNA10,     "qdf", CheckFormatWith<TNAConvert>, MakeConverterOf<TNAConvert>},
    {ftASCII,    ftASCII,    "",    NotThisType, MakeConverterOf<TASCIIConvert>, true},  // takes what nothing else recognises
};
// clang-format on

}  // namespace

std::span<const TConverterRow> ConverterRegistry() { return kConverters; }

}  // namespace qz
