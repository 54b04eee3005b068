// VFDB contest: Z-DOKs, listed stations and locator fields.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reflists/simplelist.h"
#include "contests/doklocator.h"

namespace qz {

// DOK (0) and locator (1); "zdok.dat" lists the Z-DOKs, "vfdb_stn.dat" the stations
// that score 10 points. A locator field weighs five multipliers.
class T_VFDB : public TDOKLocatorContest {
public:
    explicit T_VFDB(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    std::int64_t GetFinalResult() const override;
    void WriteResults(std::vector<std::string>& destination) const override;
    std::int32_t GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const override;
    std::int32_t GetNoOfAllCalculatedMulties(int multiIndex) const override;

    // The Z-DOKs ("zdok.dat"); never null after construction.
    const TSimpleList* DOKList() const { return FDOKList.get(); }

private:
    // The received DOK when it is the Z-DOK of a German station, else "".
    std::string ZDOK(int index, bool showMessage) const;

    std::unique_ptr<TSimpleList> FDOKList;
};

}  // namespace qz
