#include "domain/defs.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

// Ordinals are stored in files; these spot checks catch a reordered enumeration.
TEST(Defs, OrdinalsThatFilesDependOn) {
    EXPECT_EQ(cWWDXcw, 1);
    EXPECT_EQ(cWAEcw, 5);
    EXPECT_EQ(cWWDXssb, 48);
    EXPECT_EQ(cVHF, 63);
    EXPECT_EQ(cWNA, 85);
    EXPECT_EQ(cEndOfContestlist, 86);
    EXPECT_EQ(bSAT, 26);
    EXPECT_EQ(b2m, 11);
    EXPECT_EQ(mATV, 18);
    EXPECT_EQ(qfInvalid, 8);
    EXPECT_EQ(owDBase, 15);
    EXPECT_EQ(cpFlags, 19);
    EXPECT_EQ(ftCabrillo, 12);
}

TEST(Defs, TextsThatFilesAndReportsDependOn) {
    EXPECT_EQ(ContestNames[cWAEcw], "WAE DX Contest CW");
    EXPECT_EQ(ContestNames[cBucuresti], "International HF \"Bucuresti\" Contest");
    EXPECT_EQ(ContestNames[cWNA], "Westfalen Nord Aktivit\xE4tstag");
    EXPECT_EQ(CabrilloContestNames[cFDhb_ssb], "IARU-FD-R1-DARC-SSB");
    EXPECT_EQ(CabrilloContestNames[cFDhb_cw], "IARU-FD-R1-USKA-CW");
    EXPECT_EQ(CabrilloContestNames[cWWDXrtty], "CQ-WW-RTTY");
    EXPECT_EQ(ContestModeKinds[cXMAShb_psk], 3);
    EXPECT_EQ(ContestModeKinds[cDTC], 0);
    EXPECT_EQ(ContestModeKinds[cWAErtty], 2);
    EXPECT_EQ(BandNames[b1_25m], "1.25m");
    EXPECT_EQ(CabrilloBandFrequencies[b23cm], "  1.2");
    EXPECT_EQ(STFBandNames[b6cm], "5");
    EXPECT_EQ(BandShortNames[b1_25m], "1.3");
    EXPECT_EQ(CabrilloModeNames[mSSB], "PH");
    EXPECT_EQ(ADIFModeNames[mCLOVER], "CLO");
    EXPECT_EQ(ModeShortNames[mTHROB], "THRO");
    EXPECT_EQ(MonthNames[5], "May ");
    EXPECT_EQ(MonthNames[0], "????");
    EXPECT_EQ(QSOFlagTags[qfTooManyQTCs], "[>10QTC]");
    EXPECT_EQ(OutputWindowExtensions[owDBase], "dbf");
    EXPECT_EQ(CabrilloParticipationNames[catScoolClub], "SCHOOL-CLUB");
    EXPECT_EQ(FileTypeExtensions[ftNA10], "qdf");
    for (int m = mCW; m < mEndOfList; ++m) {
        // The RST length of a mode is the length of its default and minimum RST texts.
        EXPECT_EQ(RSTText(DefaultRST[m]).size(), static_cast<std::size_t>(RSTLength[m]));
        EXPECT_EQ(RSTText(MinimumRST[m]).size(), static_cast<std::size_t>(RSTLength[m]));
    }
}

TEST(Defs, SetsAndModeKinds) {
    EXPECT_EQ(AllModes().Count(), 19);
    EXPECT_FALSE(AllModes().Contains(mEndOfList));
    EXPECT_EQ(ModeKindModes(1), SMode{mSSB});
    EXPECT_EQ(ModeKindModes(3), SMode{mPSK});
    EXPECT_EQ(ModeKindModes(4), AllModes());
    SQSOFlags f{qfDupe, qfInvalid};
    EXPECT_EQ(f.bits(), 0x0101);
    f.Exclude(qfDupe);
    EXPECT_FALSE(f.Contains(qfDupe));
    EXPECT_EQ(sizeof(SBand::Storage), 4u);
    EXPECT_EQ(sizeof(SQSOFlags::Storage), 2u);
}

}  // namespace
}  // namespace qz
