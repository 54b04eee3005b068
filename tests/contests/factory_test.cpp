// The contest factory: every contest value yields its class with the definition of its
// contest, two-sided contests hand logs to the other side, and failures give no log but
// the right message.
#include "contests/framework/factory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <typeinfo>

#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "contests/9adx.h"
#include "contests/allasian.h"
#include "contests/ari.h"
#include "contests/arrl.h"
#include "contests/bucuresti.h"
#include "contests/cqm.h"
#include "contests/cqmm.h"
#include "contests/darc10m.h"
#include "contests/darcrookie.h"
#include "contests/dayofyls.h"
#include "contests/dtc.h"
#include "contests/dxpedition.h"
#include "contests/eadx.h"
#include "contests/euhf.h"
#include "contests/fieldday.h"
#include "contests/hadx.h"
#include "contests/helvetia.h"
#include "contests/hessen.h"
#include "contests/hk.h"
#include "contests/hny.h"
#include "contests/hsc.h"
#include "contests/iaru.h"
#include "contests/iota.h"
#include "contests/jidx.h"
#include "contests/lzdx.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "contests/okdx.h"
#include "contests/okrtty.h"
#include "contests/oqrp.h"
#include "contests/pabeker.h"
#include "contests/pacc.h"
#include "contests/qrpqrp.h"
#include "contests/sac.h"
#include "contests/spdx.h"
#include "contests/thueringen.h"
#include "contests/tops.h"
#include "contests/uadx.h"
#include "contests/ub5.h"
#include "contests/uba.h"
#include "contests/vfdb.h"
#include "contests/vhf.h"
#include "contests/vkzl.h"
#include "contests/wae.h"
#include "contests/wag.h"
#include "contests/wna.h"
#include "contests/wpx.h"
#include "contests/wwdx.h"
#include "contests/wwsa.h"
#include "contests/xmas.h"
#include "contests/yodx.h"
#include "contests/yv.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace qz {
namespace {

constexpr SBand kSix{b160m, b80m, b40m, b20m, b15m, b10m};
constexpr SBand kFive{b80m, b40m, b20m, b15m, b10m};

// Keeps every error text, in order.
class TRecordingFrontEnd : public TSilentFrontEnd {
public:
    void ShowErrorMessage(const std::string& text) override {
        errors.push_back(text);
        TSilentFrontEnd::ShowErrorMessage(text);
    }
    std::vector<std::string> errors;
};

TFileHeader Header(TContest contest, const std::string& ownCall) {
    TFileHeader h;
    h.fhContest_Contest = contest;
    h.fhUser_OwnCall = ownCall;
    return h;
}

const std::type_info& ClassOf(const TContestLog& log) { return typeid(log); }

class Factory : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        std::string error;
        ASSERT_TRUE(InstallMissingDataFiles(&error)) << error;
        SetFrontEnd(&frontEnd_);
    }
    void TearDown() override { SetFrontEnd(nullptr); }

    // The tests' country file, loaded once for all tests.
    static std::shared_ptr<const TCtyStuff> Cty() {
        static std::shared_ptr<const TCtyStuff> cty = std::make_shared<TCtyStuff>(test::TestCountryFile());
        return cty;
    }

    std::unique_ptr<TContestLog> Create(TContest contest, const std::string& ownCall,
                                        std::vector<std::string>* messages = nullptr) {
        return CreateContestLog(Header(contest, ownCall), messages, Cty());
    }

    TRecordingFrontEnd frontEnd_;
};

// The definition of every contest

struct TDefinition {
    TContest contest;
    const std::type_info* cls;
    const char* ownCall;  // a station of the side the contest value stands for
    SBand bands;
    SMode modes;
    int sent, rcvd, multis;
    std::string_view lists;  // A, M, L, S: the assignment tables, member and simple lists owned
    bool qtc, vhf, member;
    int sentNumeric, rcvdNumeric;
    std::string_view specialCountries;
    std::string_view category;  // shown in the category: M mode, T time, O overlay
};

const TDefinition kDefinitions[] = {
    {cWWDXcw, &typeid(T_WWDX), "DL1ABC", kSix, SMode{mCW}, 1, 1, 2, "", false, false, false, -1, -1, "", "M"},
    {cWPXcw, &typeid(T_WPX), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, 0, 0, "", "MO"},
    {cHSC, &typeid(T_HSC), "DL1ABC", kFive, SMode{mCW}, 1, 1, 0, "L", false, false, true, -1, -1, "", "M"},
    {cIARU, &typeid(T_IARU), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "", false, false, false, -1, -1, "", "M"},
    {cWAEcw, &typeid(T_WAE), "DL1ABC", kFive, SMode{mCW}, 1, 5, 1, "", true, false, false, 0, 0, "", "M"},
    {cWAG, &typeid(T_WAGDL), "DL1ABC", kFive, SMode{mCW, mSSB}, 1, 1, 1, "A", false, false, false, -1, -1, "DL", "M"},
    {cCQM, &typeid(T_CQM), "DL1ABC", SBand{b160m, b80m, b40m, b20m, b15m, b10m, bSAT}, SMode{mCW, mSSB, mSSTV}, 1, 1, 1,
     "", false, false, false, 0, 0, "", "M"},
    {cARRLcw, &typeid(T_ARRL), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "A", false, false, false, -1, -1, "", "M"},
    {cAADXcw, &typeid(T_AADX), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, -1, -1, "", "M"},
    {cTOPS, &typeid(T_TOPS), "DL1ABC", kFive, SMode{mCW}, 2, 2, 1, "L", false, false, true, 0, 0, "", "M"},
    {cFDcw, &typeid(T_FD), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cOKDX, &typeid(T_OKDX_DX), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "A", false, false, false, 0, -1, "", "M"},
    {cWWDX160cw, &typeid(T_WWDX160M), "DL1ABC", SBand{b160m}, SMode{mCW}, 1, 1, 2, "A", false, false, false, -1, -1, "",
     ""},
    {cXMAS, &typeid(T_XMAS), "DL1ABC", SBand{b80m, b40m}, SMode{mCW, mSSB}, 1, 1, 2, "A", false, false, false, -1, -1,
     "DL", "M"},
    {cHADX, &typeid(T_HADX_DX), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "LA", false, false, true, 0, -1, "HA", "M"},
    {cSPDX, &typeid(T_SPDX_DX), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "M", false, false, false, 0, -1, "", "M"},
    {cPACC, &typeid(T_PACC_DX), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "M", false, false, false, 0, -1, "", "M"},
    {cWWSA, &typeid(T_WWSA_DX), "DL1ABC", kFive, SMode{mCW}, 1, 1, 2, "", false, false, false, -1, -1, "", "M"},
    {cYV, &typeid(T_YV), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 2, "", false, false, false, 0, 0, "", "M"},
    {cLZDX, &typeid(T_LZDX_DX), "DL1ABC", kFive, SMode{mCW, mSSB}, 1, 1, 2, "M", false, false, false, -1, -1, "", "M"},
    {cVKZLcw, &typeid(T_VKZL), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cSACcw, &typeid(T_SAC), "DL1ABC", kFive, SMode{mCW}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cYODX, &typeid(T_YODX_DX), "DL1ABC", kFive, SMode{mCW, mSSB}, 1, 1, 2, "A", false, false, false, 0, -1, "YO", "M"},
    {cJIDXcw, &typeid(T_JA_DX), "DL1ABC", kFive, SMode{mCW}, 1, 1, 1, "A", false, false, false, -1, -1, "", "M"},
    {cAR160, &typeid(T_ARRL160M_DX), "DL1ABC", SBand{b160m}, SMode{mCW}, 1, 1, 1, "A", false, false, false, -1, -1, "",
     "M"},
    {cARI, &typeid(T_ARI_DX), "DL1ABC", kSix, SMode{mCW, mSSB, mRTTY}, 1, 1, 2, "M", false, false, false, 0, -1,
     "I/IS/IT9/IG9", "M"},
    {cUADX, &typeid(T_UADX_DX), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 2, "A", false, false, false, 0, -1, "Russia",
     "M"},
    {cUBAcw, &typeid(T_UBA_DX), "DL1ABC", kFive, SMode{mCW}, 1, 2, 3, "MS", false, false, false, 0, -1, "", "M"},
    {cHK, &typeid(T_HK_DX), "DL1ABC", kFive, SMode{mCW, mSSB, mRTTY}, 1, 1, 2, "", false, false, false, 0, 0, "", "M"},
    {cUB5, &typeid(T_UB5_DX), "DL1ABC", kSix, SMode{mCW, mSSB, mRTTY}, 1, 1, 2, "M", false, false, false, 0, -1, "UR",
     "M"},
    {cHB9, &typeid(T_HELVET_DX), "DL1ABC", kSix, SMode{mCW, mSSB, mRTTY, mPSK}, 1, 2, 1, "M", false, false, false, 0,
     -1, "", "M"},
    {cHB9hb, &typeid(T_HELVET_HB), "HB9ABC", kSix, SMode{mCW, mSSB, mRTTY, mPSK}, 2, 2, 2, "M", false, false, false, -1,
     -1, "", "M"},
    {cDARC10, &typeid(T_DARC10M), "DL1ABC", SBand{b10m}, SMode{mCW, mSSB}, 2, 2, 2, "A", false, false, false, 0, 0, "",
     "M"},
    {cHNY, &typeid(T_HNY), "DL1ABC", SBand{b80m, b40m, b20m}, SMode{mCW}, 2, 2, 1, "L", false, false, true, 0, 0, "",
     "M"},
    {cEUHF, &typeid(T_EUHF), "DL1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "", false, false, false, -1, -1, "", "M"},
    {cAR10, &typeid(T_ARRL10M), "DL1ABC", SBand{b10m}, SMode{mCW, mSSB}, 1, 1, 2, "A", false, false, false, -1, -1,
     "K/VE/KH6/KL", "M"},
    {cWAGdx, &typeid(T_WAGDX), "W1AW", kFive, SMode{mCW, mSSB}, 1, 1, 1, "A", false, false, false, 0, -1, "", "M"},
    {cFDhb_cw, &typeid(T_FD), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cHADXha, &typeid(T_HADX_HA), "HA1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "LA", false, false, true, -1, -1, "HA",
     "M"},
    {cXMAShb_cw, &typeid(T_XMAS_HB), "DL1ABC", SBand{b80m, b40m}, SMode{mCW}, 2, 2, 1, "M", false, false, false, 0, 0,
     "", "M"},
    {cOKDXok, &typeid(T_OKDX_OK), "OK1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, -1, 0, "", "M"},
    {cHKhk, &typeid(T_HK_HK), "HK3ABC", kFive, SMode{mCW, mSSB, mRTTY}, 1, 1, 2, "", false, false, false, 0, 0, "",
     "M"},
    {c9Adx, &typeid(T_9A_DX), "DL1ABC", kSix, AllModes(), 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cOQRP, &typeid(T_OQRP), "DL1ABC", SBand{b80m, b40m, b20m}, SMode{mCW}, 2, 2, 1, "", false, false, false, 0, 0, "",
     "M"},
    {cSPDXsp, &typeid(T_SPDX_SP), "SP1ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "", false, false, false, -1, 0, "", "M"},
    {cIOTA, &typeid(T_IOTA), "DL1ABC", kFive, SMode{mCW, mSSB}, 2, 2, 2, "", false, false, false, 0, 0, "", "MT"},
    {cDXPDN, &typeid(T_DXPDN), "DL1ABC", AllBands(), AllModes(), 0, 0, 1, "", false, false, false, -1, -1, "", "M"},
    {cWWDXssb, &typeid(T_WWDX), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 2, "", false, false, false, -1, -1, "", "M"},
    {cWPXssb, &typeid(T_WPX), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "", false, false, false, 0, 0, "", "MO"},
    {cWAEssb, &typeid(T_WAE), "DL1ABC", kFive, SMode{mSSB}, 1, 5, 1, "", true, false, false, 0, 0, "", "M"},
    {cWAErtty, &typeid(T_WAE), "DL1ABC", kFive, SMode{mRTTY}, 1, 5, 1, "", true, false, false, 0, 0, "", "M"},
    {cARRLssb, &typeid(T_ARRL), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "A", false, false, false, -1, -1, "", "M"},
    {cAADXssb, &typeid(T_AADX), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "", false, false, false, -1, -1, "", "M"},
    {cFDssb, &typeid(T_FD), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cWWDX160ssb, &typeid(T_WWDX160M), "DL1ABC", SBand{b160m}, SMode{mSSB}, 1, 1, 2, "A", false, false, false, -1, -1,
     "", ""},
    {cVKZLssb, &typeid(T_VKZL), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cSACssb, &typeid(T_SAC), "DL1ABC", kFive, SMode{mSSB}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cJIDXssb, &typeid(T_JA_DX), "DL1ABC", kFive, SMode{mSSB}, 1, 1, 1, "A", false, false, false, -1, -1, "", "M"},
    {cUBAssb, &typeid(T_UBA_DX), "DL1ABC", kFive, SMode{mSSB}, 1, 2, 3, "MS", false, false, false, 0, -1, "", "M"},
    {cFDhb_ssb, &typeid(T_FD), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cXMAShb_ssb, &typeid(T_XMAS_HB), "DL1ABC", SBand{b80m, b40m}, SMode{mSSB}, 2, 2, 1, "M", false, false, false, 0, 0,
     "", "M"},
    {cPACCpa, &typeid(T_PACC_PA), "PA3ABC", kSix, SMode{mCW, mSSB}, 1, 1, 1, "M", false, false, false, -1, 0, "PA",
     "M"},
    {cVHF, &typeid(T_VHF), "DL1ABC",
     SBand{b2m, b70cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2mm, b1mm, bSAT}, AllModes(), 2, 2, 0, "",
     false, true, false, 0, 0, "", "M"},
    {cDTC, &typeid(T_DTC), "DL1ABC", SBand{b80m, b40m}, SMode{mCW}, 1, 1, 0, "S", false, false, false, -1, -1, "DL",
     "M"},
    {cHessen, &typeid(T_Hessen), "DL1ABC",
     SBand{b80m, b40m, b2m, b1_25m, b70cm, b35cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2_5mm, b2mm,
           b1mm},
     SMode{mCW, mSSB}, 2, 2, 2, "LA", false, false, false, -1, -1, "", "M"},
    {cEAcw, &typeid(T_EA_DX), "DL1ABC", kSix, SMode{mCW}, 1, 1, 2, "A", false, false, false, 0, -1, "EA/EA6/EA8/EA9",
     "M"},
    {cEAssb, &typeid(T_EA_DX), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 2, "A", false, false, false, 0, -1, "EA/EA6/EA8/EA9",
     "M"},
    {cWPXrtty, &typeid(T_WPX), "DL1ABC", kFive, SMode{mRTTY}, 1, 1, 1, "", false, false, false, 0, 0, "", "MO"},
    {cWWDXrtty, &typeid(T_WWDX_RTTY), "DL1ABC", kFive, SMode{mRTTY}, 2, 2, 3, "A", false, false, false, -1, -1, "",
     "M"},
    {cThueringen, &typeid(T_Thueringen), "DL1ABC",
     SBand{b80m, b2m, b70cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2mm, b1mm, bSAT}, AllModes(), 1, 1, 1,
     "SA", false, false, false, -1, -1, "DL", "M"},
    {cAADXas_cw, &typeid(T_AA_ASIA), "DL1ABC", kSix, SMode{mCW}, 1, 1, 1, "", false, false, false, -1, -1, "", "M"},
    {cAADXas_ssb, &typeid(T_AA_ASIA), "DL1ABC", kSix, SMode{mSSB}, 1, 1, 1, "", false, false, false, -1, -1, "", "M"},
    {cSACsc_cw, &typeid(T_SAC_SC), "DL1ABC", kFive, SMode{mCW}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cSACsc_ssb, &typeid(T_SAC_SC), "DL1ABC", kFive, SMode{mSSB}, 1, 1, 1, "", false, false, false, 0, 0, "", "M"},
    {cXMAShb_psk, &typeid(T_XMAS_HB), "DL1ABC", SBand{b80m, b40m}, SMode{mPSK}, 2, 2, 1, "M", false, false, false, 0, 0,
     "", "M"},
    {cDARCrookie, &typeid(T_DARC_ROOKIE), "DL1ABC", SBand{b80m, b40m}, SMode{mCW, mSSB}, 2, 2, 1, "A", false, false,
     false, -1, -1, "", "M"},
    {cVFDB, &typeid(T_VFDB), "DL1ABC", SBand{b80m, b40m, b2m, b70cm}, SMode{mCW, mSSB}, 2, 2, 2, "SSA", false, false,
     false, -1, -1, "", "M"},
    {cCQMM, &typeid(T_CQMM), "DL1ABC", kFive, SMode{mCW}, 1, 1, 2, "", false, false, false, -1, -1, "", "M"},
    {cBucuresti, &typeid(T_BUCURESTI), "DL1ABC", SBand{b80m, b40m}, SMode{mCW, mSSB, mPSK}, 2, 2, 2, "AA", false, false,
     false, 0, -1, "YO", "M"},
    {cQRPQRP, &typeid(T_QRP_QRP), "DL1ABC", kFive, SMode{mCW}, 2, 2, 1, "", false, false, false, 0, 0, "", "M"},
    {cPABeker_cw, &typeid(T_PA_BEKER), "DL1ABC", SBand{b80m, b40m}, SMode{mCW}, 1, 1, 1, "M", false, false, false, -1,
     -1, "", "M"},
    {cPABeker_ssb, &typeid(T_PA_BEKER), "DL1ABC", SBand{b80m, b40m}, SMode{mSSB}, 1, 1, 1, "M", false, false, false, -1,
     -1, "", "M"},
    {cDayOfYLs, &typeid(T_DAY_OF_YLs), "DL1ABC", kFive, SMode{mCW, mSSB, mRTTY}, 2, 2, 0, "", false, false, false, -1,
     -1, "", "M"},
    {cOKrtty, &typeid(T_OK_RTTY), "DL1ABC", kFive, SMode{mRTTY}, 1, 1, 2, "", false, false, false, -1, -1, "", "M"},
    {cWNA, &typeid(T_WNA), "DL1ABC", SBand{b2m, b70cm}, SMode{mCW, mSSB, mFM}, 1, 1, 1, "SA", false, false, false, -1,
     -1, "DL", "M"},
};

TEST_F(Factory, EveryContestHasItsDefinition) {
    ASSERT_EQ(std::size(kDefinitions), 85u);
    for (std::size_t i = 0; i < std::size(kDefinitions); ++i) {
        const TDefinition& d = kDefinitions[i];
        SCOPED_TRACE(ContestNames[d.contest]);
        ASSERT_EQ(d.contest, static_cast<TContest>(i + 1));
        EXPECT_TRUE(ContestHasClass(d.contest));
        std::vector<std::string> messages;
        auto log = Create(d.contest, d.ownCall, &messages);
        ASSERT_NE(log, nullptr) << frontEnd_.lastError;
        EXPECT_TRUE(ClassOf(*log) == *d.cls) << ClassOf(*log).name();
        EXPECT_EQ(log->Contest(), d.contest);
        EXPECT_EQ(log->FileHeader().fhContest_Contest, d.contest);
        EXPECT_EQ(log->Bands(), d.bands);
        EXPECT_EQ(log->Modes(), d.modes);
        EXPECT_EQ(log->NoOfSentNumbers(), d.sent);
        EXPECT_EQ(log->NoOfRcvdNumbers(), d.rcvd);
        EXPECT_EQ(log->NoOfMulties(), d.multis);
        EXPECT_EQ(log->AmiAllocationTable() != nullptr, d.lists.find('A') != std::string_view::npos);
        EXPECT_EQ(log->MiscAllocationTable() != nullptr, d.lists.find('M') != std::string_view::npos);
        EXPECT_EQ(log->MemberList() != nullptr, d.lists.find('L') != std::string_view::npos);
        EXPECT_EQ(log->SimpleList() != nullptr, d.lists.find('S') != std::string_view::npos);
        EXPECT_EQ(log->IsAQTCContest(), d.qtc);
        EXPECT_EQ(log->IsAVHFContest(), d.vhf);
        EXPECT_EQ(log->IsAMemberNumberContest(), d.member);
        EXPECT_EQ(log->GetSentNumericNumberIndex(), d.sentNumeric);
        EXPECT_EQ(log->GetRcvdNumericNumberIndex(), d.rcvdNumeric);
        EXPECT_EQ(log->GetSpecialCountries(), d.specialCountries);
        EXPECT_EQ(log->ShowModeInCategory(), d.category.find('M') != std::string_view::npos);
        EXPECT_EQ(log->ShowTimeInCategory(), d.category.find('T') != std::string_view::npos);
        EXPECT_EQ(log->ShowOverlayInCategory(), d.category.find('O') != std::string_view::npos);
        EXPECT_EQ(log->MessageLines(), &messages);
        EXPECT_EQ(log->NoOfQSOs(), 0);
        // The assignment tables the class loaded are the shipped, non-empty ones.
        if (log->AmiAllocationTable()) {
            EXPECT_GT(log->AmiAllocationTable()->Count(), 0);
        }
        if (log->MiscAllocationTable()) {
            EXPECT_GT(log->MiscAllocationTable()->Count(), 0);
        }
        EXPECT_TRUE(frontEnd_.errors.empty()) << frontEnd_.errors.front();
    }
}

// Every class shows the base columns, then its exchange, one column per multiplier
// kind in kind order, and ends with the flags.
TEST_F(Factory, ColumnsFitTheDefinition) {
    for (const TDefinition& d : kDefinitions) {
        SCOPED_TRACE(ContestNames[d.contest]);
        auto log = Create(d.contest, d.ownCall);
        ASSERT_NE(log, nullptr);
        // The base columns come first, in their order (QTC contests add a QTC marker column
        // among them).
        std::vector<int> properties;
        for (int c = 0; c < log->NoOfColumns(); ++c)
            if (log->ColumnProperty(c) != cpIsQTC) properties.push_back(log->ColumnProperty(c));
        const std::vector<int> base = {cpNr, cpMark, cpDate, cpBand, cpMode, cpCall, cpTime, cpSentRST};
        ASSERT_GT(properties.size(), base.size());
        EXPECT_EQ(std::vector<int>(properties.begin(), properties.begin() + 8), base);
        EXPECT_EQ(properties.back(), cpFlags);
        int nextMulti = 0, points = 0, rcvdRST = 0;
        for (int c = 0; c < log->NoOfColumns(); ++c) {
            int index = log->ColumnArrayIndex(c);
            if (log->ColumnProperty(c) != cpMark) {
                EXPECT_FALSE(log->ColumnHeader(c).empty()) << "column " << c;
            }
            switch (log->ColumnProperty(c)) {
                case cpSentNumber:
                    EXPECT_TRUE(index >= 0 && index < d.sent) << "column " << c;
                    EXPECT_FALSE(log->ColumnSTFOrderKeyWord(c).empty());
                    break;
                case cpRcvdNumber:
                    EXPECT_TRUE(index >= 0 && index < d.rcvd) << "column " << c;
                    EXPECT_FALSE(log->ColumnSTFOrderKeyWord(c).empty());
                    break;
                case cpMul:
                    EXPECT_EQ(index, nextMulti++);
                    EXPECT_TRUE(log->ColumnQSO_QTC(c).Empty());
                    break;
                case cpPoints: ++points; break;
                case cpRcvdRST: ++rcvdRST; break;
                default: break;
            }
        }
        EXPECT_EQ(nextMulti, d.multis);
        EXPECT_EQ(rcvdRST, 1);
        EXPECT_EQ(points, d.contest == cDXPDN ? 0 : 1);
    }
}

struct TColumn {
    TColumnProperty property;
    int title;
    int index;
    std::string_view keyword;
};

void ExpectColumnsAfterBase(const TContestLog& log, const std::vector<TColumn>& expected) {
    ASSERT_EQ(log.NoOfColumns(), 8 + static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        int c = 8 + static_cast<int>(i);
        SCOPED_TRACE(c);
        EXPECT_EQ(log.ColumnProperty(c), expected[i].property);
        EXPECT_EQ(log.ColumnHeader(c), LS(expected[i].title));
        EXPECT_EQ(log.ColumnArrayIndex(c), expected[i].index);
        EXPECT_EQ(log.ColumnSTFOrderKeyWord(c), expected[i].keyword);
        bool qsoColumn = expected[i].property == cpSentNumber || expected[i].property == cpRcvdNumber ||
                         expected[i].property == cpRcvdRST;
        EXPECT_EQ(log.ColumnQSO_QTC(c), qsoColumn ? S_QSO_QTC{qqQSO} : S_QSO_QTC{});
    }
}

TEST_F(Factory, ColumnsOfUnusualShape) {
    // Two received numbers, three multiplier kinds.
    ExpectColumnsAfterBase(*Create(cUBAcw, "DL1ABC"), {{cpSentNumber, 109, 0, "Sent"},
                                                       {cpRcvdRST, 52, -1, "RRst"},
                                                       {cpRcvdNumber, 110, 0, "Rcvd"},
                                                       {cpRcvdNumber, 300, 1, "Rcvd2"},
                                                       {cpMul, 300, 0, ""},
                                                       {cpMul, 111, 1, ""},
                                                       {cpMul, 54, 2, ""},
                                                       {cpPoints, 56, -1, ""},
                                                       {cpFlags, 57, -1, ""}});
    // Nothing is sent besides the RST.
    ExpectColumnsAfterBase(*Create(cAR160, "DL1ABC"), {{cpRcvdRST, 52, -1, "RRst"},
                                                       {cpRcvdNumber, 316, 0, "Rcvd"},
                                                       {cpMul, 316, 0, ""},
                                                       {cpPoints, 56, -1, ""},
                                                       {cpFlags, 57, -1, ""}});
    // No exchange and no points.
    ExpectColumnsAfterBase(*Create(cDXPDN, "DL1ABC"),
                           {{cpRcvdRST, 52, -1, "RRst"}, {cpMul, 54, 0, ""}, {cpFlags, 57, -1, ""}});
    // Two sent and two received numbers, both multiplier kinds titled alike.
    ExpectColumnsAfterBase(*Create(cHessen, "DL1ABC"), {{cpSentNumber, 213, 0, "Sent"},
                                                        {cpSentNumber, 479, 1, "Sent2"},
                                                        {cpRcvdRST, 52, -1, "RRst"},
                                                        {cpRcvdNumber, 214, 0, "Rcvd"},
                                                        {cpRcvdNumber, 480, 1, "Rcvd2"},
                                                        {cpMul, 201, 0, ""},
                                                        {cpMul, 201, 1, ""},
                                                        {cpPoints, 56, -1, ""},
                                                        {cpFlags, 57, -1, ""}});
}

// Reference lists beyond the definition table

TEST_F(Factory, MemberListsKnowWhichReceivedNumberHoldsTheMemberNumber) {
    const std::pair<TContest, int> cases[] = {{cHSC, 0}, {cHADX, 0}, {cHNY, 1}, {cTOPS, 1}};
    for (auto [contest, rcvdIndex] : cases) {
        SCOPED_TRACE(ContestNames[contest]);
        auto log = Create(contest, "DL1ABC");
        ASSERT_NE(log, nullptr);
        ASSERT_NE(log->MemberList(), nullptr);
        EXPECT_EQ(log->MemberList()->RcvdIndex(), rcvdIndex);
    }
}

TEST_F(Factory, ClassesWithAListOfTheirOwn) {
    auto vfdb = Create(cVFDB, "DL1ABC");
    ASSERT_NE(vfdb, nullptr);
    const auto* dokList = dynamic_cast<const T_VFDB&>(*vfdb).DOKList();
    ASSERT_NE(dokList, nullptr);
    EXPECT_GT(dokList->Count(), 0);

    auto bucuresti = Create(cBucuresti, "DL1ABC");
    ASSERT_NE(bucuresti, nullptr);
    const auto* ccTLD = dynamic_cast<const T_BUCURESTI&>(*bucuresti).ccTLDAssignmentTable();
    ASSERT_NE(ccTLD, nullptr);
    EXPECT_GT(ccTLD->Count(), 0);
    EXPECT_NE(ccTLD->Count(), bucuresti->AmiAllocationTable()->Count());
}

// Removes a file of the data folder for one test and puts the shipped copy back.
class TRemovedDataFile {
public:
    explicit TRemovedDataFile(std::string_view name) : path_(InstalledFilePath(InstalledFile(name))) {
        std::error_code ec;
        fs::remove(path_, ec);
    }
    ~TRemovedDataFile() { InstallMissingDataFiles(); }
    TRemovedDataFile(const TRemovedDataFile&) = delete;
    TRemovedDataFile& operator=(const TRemovedDataFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST_F(Factory, MissingAssignmentTableGivesNoLog) {
    {
        TRemovedDataFile missing("dok.dat");
        EXPECT_EQ(Create(cWAG, "DL1ABC"), nullptr);
        ASSERT_EQ(frontEnd_.errors.size(), 2u);
        EXPECT_EQ(frontEnd_.errors[0], LS(198) + " " + missing.path());
        EXPECT_EQ(frontEnd_.errors[1], LS(251));
        // The other side of the contest needs the same table.
        frontEnd_.errors.clear();
        EXPECT_EQ(Create(cWAG, "W1AW"), nullptr);
        EXPECT_EQ(frontEnd_.lastError, LS(251));
    }
    // Restored, the same header makes a log again.
    frontEnd_.errors.clear();
    EXPECT_NE(Create(cWAG, "DL1ABC"), nullptr);
    EXPECT_TRUE(frontEnd_.errors.empty());
    {
        TRemovedDataFile missing("cctld.dat");  // the second table of its class
        EXPECT_EQ(Create(cBucuresti, "DL1ABC"), nullptr);
        EXPECT_EQ(frontEnd_.lastError, LS(251));
    }
    {
        TRemovedDataFile missing("pacc.dat");  // a table of the other kind
        EXPECT_EQ(Create(cPACC, "DL1ABC"), nullptr);
        EXPECT_EQ(frontEnd_.lastError, LS(251));
    }
}

// Member and simple lists are needed by a few contests only; the others work without
// them after telling the user.
TEST_F(Factory, MissingMemberOrSimpleList) {
    struct TCase {
        const char* file;
        TContest contest;
        bool logMade;
        bool memberList;
    };
    const TCase cases[] = {
        {"HSCMBR.QZ", cHSC, true, true},
        {"PROCWMbr.qz", cTOPS, true, true},
        {"HADXCMBR.QZ", cHADXha, true, true},
        {"hessencontest.dat", cHessen, false, true},
        {"dtc.dat", cDTC, true, false},
        {"eu_cty.dat", cUBAssb, true, false},
        {"thueringencontest.dat", cThueringen, false, false},
        {"wna.dat", cWNA, false, false},
        {"zdok.dat", cVFDB, false, false},
        {"vfdb_stn.dat", cVFDB, false, false},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.file);
        frontEnd_.errors.clear();
        TRemovedDataFile missing(t.file);
        auto log = Create(t.contest, t.contest == cHADXha ? "HA1ABC" : "DL1ABC");
        EXPECT_EQ(log != nullptr, t.logMade);
        ASSERT_FALSE(frontEnd_.errors.empty());
        EXPECT_EQ(frontEnd_.errors[0], t.memberList ? missing.path() + " " + LS(117) : LS(198) + " " + missing.path());
        if (t.logMade) {
            EXPECT_EQ(frontEnd_.errors.size(), 1u);
            if (t.memberList) {
                EXPECT_TRUE(log->IsAMemberNumberContest());
            }
        } else {
            EXPECT_EQ(frontEnd_.errors.back(), LS(251));
        }
    }
}

// Home side and DX side

TEST_F(Factory, TwoSidedContestsHandTheLogToTheOwnCallsSide) {
    struct TCase {
        TContest requested;
        const char* ownCall;
        TContest expected;
        const std::type_info* cls;
    };
    const TCase cases[] = {
        {cWAG, "DL1ABC", cWAG, &typeid(T_WAGDL)},         {cWAG, "W1AW", cWAGdx, &typeid(T_WAGDX)},
        {cWAGdx, "W1AW", cWAGdx, &typeid(T_WAGDX)},       {cWAGdx, "DL1ABC", cWAG, &typeid(T_WAGDL)},
        {cOKDX, "DL1ABC", cOKDX, &typeid(T_OKDX_DX)},     {cOKDX, "OM3ABC", cOKDXok, &typeid(T_OKDX_OK)},
        {cOKDX, "OK1ABC", cOKDXok, &typeid(T_OKDX_OK)},   {cOKDXok, "OK1ABC", cOKDXok, &typeid(T_OKDX_OK)},
        {cOKDXok, "DL1ABC", cOKDX, &typeid(T_OKDX_DX)},   {cHADX, "DL1ABC", cHADX, &typeid(T_HADX_DX)},
        {cHADX, "HA1ABC", cHADXha, &typeid(T_HADX_HA)},   {cHADXha, "HA1ABC", cHADXha, &typeid(T_HADX_HA)},
        {cHADXha, "DL1ABC", cHADX, &typeid(T_HADX_DX)},   {cSPDX, "DL1ABC", cSPDX, &typeid(T_SPDX_DX)},
        {cSPDX, "SP1ABC", cSPDXsp, &typeid(T_SPDX_SP)},   {cSPDXsp, "SP1ABC", cSPDXsp, &typeid(T_SPDX_SP)},
        {cSPDXsp, "DL1ABC", cSPDX, &typeid(T_SPDX_DX)},   {cPACC, "DL1ABC", cPACC, &typeid(T_PACC_DX)},
        {cPACC, "PA3ABC", cPACCpa, &typeid(T_PACC_PA)},   {cPACCpa, "PA3ABC", cPACCpa, &typeid(T_PACC_PA)},
        {cPACCpa, "DL1ABC", cPACC, &typeid(T_PACC_DX)},   {cHK, "DL1ABC", cHK, &typeid(T_HK_DX)},
        {cHK, "HK3ABC", cHKhk, &typeid(T_HK_HK)},         {cHK, "HK0NA", cHKhk, &typeid(T_HK_HK)},
        {cHK, "HK0ABC", cHKhk, &typeid(T_HK_HK)},         {cHKhk, "HK3ABC", cHKhk, &typeid(T_HK_HK)},
        {cHKhk, "HK0NA", cHKhk, &typeid(T_HK_HK)},        {cHKhk, "DL1ABC", cHK, &typeid(T_HK_DX)},
        {cHB9, "DL1ABC", cHB9, &typeid(T_HELVET_DX)},     {cHB9, "HB9ABC", cHB9hb, &typeid(T_HELVET_HB)},
        {cHB9hb, "HB9ABC", cHB9hb, &typeid(T_HELVET_HB)}, {cHB9hb, "DL1ABC", cHB9, &typeid(T_HELVET_DX)},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(std::string(ContestNames[t.requested]) + " " + t.ownCall);
        std::vector<std::string> messages;
        auto log = Create(t.requested, t.ownCall, &messages);
        ASSERT_NE(log, nullptr) << frontEnd_.lastError;
        EXPECT_TRUE(ClassOf(*log) == *t.cls) << ClassOf(*log).name();
        EXPECT_EQ(log->Contest(), t.expected);
        EXPECT_EQ(log->FileHeader().fhContest_Contest, t.expected);
        EXPECT_EQ(log->OwnCall().Call(), t.ownCall);
        EXPECT_EQ(log->MessageLines(), &messages);
        EXPECT_TRUE(frontEnd_.errors.empty());
    }
}

TEST_F(Factory, ContestsWithSidesChosenByTheUserNeverSwitch) {
    EXPECT_EQ(Create(cAADXcw, "JA1ABC")->Contest(), cAADXcw);
    EXPECT_EQ(Create(cAADXas_cw, "DL1ABC")->Contest(), cAADXas_cw);
    EXPECT_EQ(Create(cSACcw, "SM5ABC")->Contest(), cSACcw);
    EXPECT_EQ(Create(cSACsc_ssb, "DL1ABC")->Contest(), cSACsc_ssb);
}

// Header, markers and failures

TEST_F(Factory, OwnCallIsUpperCasedAndCut) {
    auto log = Create(cWWDXcw, "dl1abc");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->OwnCall().Call(), "DL1ABC");
    EXPECT_EQ(log->FileHeader().fhUser_OwnCall, "DL1ABC");

    log = Create(cWWDXcw, "dl1abcdefghijklmnopqrstuvwxyz");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->FileHeader().fhUser_OwnCall, "DL1ABCDEFGHIJKLMNOPQRSTUVW");
    // A lower-case own call decides the side like its upper-case spelling.
    EXPECT_EQ(Create(cWAG, "dl1abc")->Contest(), cWAG);
}

TEST_F(Factory, MarkersAndUnknownValuesGiveNoLog) {
    for (int value : {static_cast<int>(cNoContest), static_cast<int>(cEndOfContestlist), 87, 255}) {
        SCOPED_TRACE(value);
        frontEnd_.lastError.clear();
        EXPECT_FALSE(ContestHasClass(static_cast<TContest>(value)));
        EXPECT_EQ(CreateContestLog(Header(static_cast<TContest>(value), "DL1ABC"), nullptr, test::TinyCty()), nullptr);
        EXPECT_EQ(frontEnd_.lastError, LS(89));
    }
}

TEST_F(Factory, MissingCountryFileGivesNoLog) {
    TFileHeader h = Header(cWAG, "W1AW");  // would switch sides with country data
    h.fhContest_CtyFile = (fs::temp_directory_path() / "qz-no-such-folder" / "no-such-cty.dat").string();
    EXPECT_EQ(CreateContestLog(h, nullptr), nullptr);
    EXPECT_EQ(frontEnd_.lastError, LS(196));
}

TEST_F(Factory, CountryFileNamedInTheHeaderIsLoaded) {
    TFileHeader h = Header(cWAGdx, "DL1ABC");
    h.fhContest_CtyFile = test::TestCountryFile();
    auto log = CreateContestLog(h, nullptr);
    ASSERT_NE(log, nullptr) << frontEnd_.lastError;
    EXPECT_EQ(log->Contest(), cWAG);
    EXPECT_GT(log->CtyStuff()->CtyListCount(), 300);
}

// Edge cases of the definitions

TEST_F(Factory, FieldDayKeepsTheRequestedVariant) {
    for (TContest c : {cFDcw, cFDhb_cw, cFDssb, cFDhb_ssb}) {
        auto log = Create(c, "DL1ABC");
        ASSERT_NE(log, nullptr);
        EXPECT_TRUE(ClassOf(*log) == typeid(T_FD));
        EXPECT_EQ(log->Contest(), c);
        EXPECT_TRUE(log->IsAnExtensionRelevantContest());
    }
    EXPECT_EQ(Create(cFDhb_ssb, "DL1ABC")->Modes(), SMode{mSSB});
}

TEST_F(Factory, QSOsCountOnlyInTheContestsModesAndBands) {
    auto nineA = Create(c9Adx, "DL1ABC");
    auto wpxRtty = Create(cWPXrtty, "DL1ABC");
    auto wpxCw = Create(cWPXcw, "DL1ABC");
    ASSERT_TRUE(nineA && wpxRtty && wpxCw);
    int minute = 0;
    for (TMode m : {mCW, mSSB, mRTTY, mFM, mPSK, mSSTV}) {
        test::AddLine(*nineA, "9A" + std::to_string(minute + 1) + "A", b20m, m, minute);
        ++minute;
    }
    test::AddLine(*wpxRtty, "W1AW", b160m, mRTTY, 0);
    test::AddLine(*wpxRtty, "W1AW", b80m, mRTTY, 1);
    test::AddLine(*wpxCw, "W1AW", b160m, mCW, 0);
    for (auto* log : {nineA.get(), wpxRtty.get(), wpxCw.get()}) log->Compile();
    EXPECT_EQ(nineA->Result().NoOfAllGoodQSOs(), 6);
    EXPECT_EQ(wpxRtty->Result().NoOfAllGoodQSOs(), 1);
    EXPECT_EQ(wpxRtty->Result().NoOfAllInvalidQSOs(), 0);  // 160m is outside the totals
    EXPECT_EQ(wpxRtty->Result().NoOfBandInvalidQSOs(b160m), 1);
    EXPECT_EQ(wpxCw->Result().NoOfAllGoodQSOs(), 1);
}

TEST_F(Factory, SpecialCountriesAreTheWorkedStationsCountries) {
    auto wag = Create(cWAG, "DL1ABC");
    auto uadx = Create(cUADX, "DL1ABC");
    auto wwdx = Create(cWWDXcw, "DL1ABC");
    ASSERT_TRUE(wag && uadx && wwdx);
    for (auto* log : {wag.get(), uadx.get(), wwdx.get()}) {
        test::AddLine(*log, "DK2XY", b20m, mCW, 0);
        test::AddLine(*log, "UA9ABC", b20m, mCW, 1);
        test::AddLine(*log, "W1AW", b20m, mCW, 2);
    }
    EXPECT_TRUE(wag->IsSpecialCountry(0));
    EXPECT_FALSE(wag->IsSpecialCountry(1));
    EXPECT_FALSE(wag->IsSpecialCountry(7));
    EXPECT_FALSE(uadx->IsSpecialCountry(0));
    EXPECT_TRUE(uadx->IsSpecialCountry(1));
    EXPECT_FALSE(uadx->IsSpecialCountry(2));
    EXPECT_EQ(uadx->SpecialCountriesList().size(), 6u);
    EXPECT_FALSE(wwdx->IsSpecialCountry(0));
}

}  // namespace
}  // namespace qz
