// VFDB contest: Z-DOKs, listed stations and locator fields.
#pragma once

#include <memory>

#include "reflists/simplelist.h"
#include "engine/contestlog.h"

namespace qz {

// DOK (0) and locator (1); "zdok.dat" lists the Z-DOKs, "vfdb_stn.dat" the stations
// that score 10 points.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_VFDB : public TContestLog {
public:
    explicit T_VFDB(const TFileHeader& header);

    void SetColumns() override;
    // The Z-DOKs ("zdok.dat"); never null after construction.
    const TSimpleList* DOKList() const { return FDOKList.get(); }

private:
    std::unique_ptr<TSimpleList> FDOKList;
};

}  // namespace qz
