// The contest factory: one row per contest value naming the class that scores it, the
// home-side/DX-side switch and the error boxes of a log that could not be made.
#include "contests/factory.h"

#include <array>
#include <cstddef>

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
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

namespace qz {

namespace {

using TMaker = std::unique_ptr<TContestLog> (*)(const TFileHeader&);

template <typename T>
std::unique_ptr<TContestLog> Make(const TFileHeader& header) {
    return std::make_unique<T>(header);
}

// Whether a contest scores by rules of its own. A contest that has only its definition
// so far inherits the base rules, which score every log 0; front ends refuse to report
// such a result. Landing a contest's rules flips its mark here.
enum TRules : bool { NotBuilt = false, OwnRules = true };

struct TContestClass {
    TContest contest;
    TMaker make;  // nullptr for the two markers
    TRules rules;
};

// One row per TContest value, in ordinal order.
constexpr std::array<TContestClass, kNoOfContests> kContestClasses = {{
    {cNoContest, nullptr, NotBuilt},
    {cWWDXcw, Make<T_WWDX>, OwnRules},
    {cWPXcw, Make<T_WPX>, OwnRules},
    {cHSC, Make<T_HSC>, OwnRules},
    {cIARU, Make<T_IARU>, OwnRules},
    {cWAEcw, Make<T_WAE>, OwnRules},
    {cWAG, Make<T_WAGDL>, OwnRules},
    {cCQM, Make<T_CQM>, OwnRules},
    {cARRLcw, Make<T_ARRL>, OwnRules},
    {cAADXcw, Make<T_AADX>, OwnRules},
    {cTOPS, Make<T_TOPS>, OwnRules},
    {cFDcw, Make<T_FD>, OwnRules},
    {cOKDX, Make<T_OKDX_DX>, OwnRules},
    {cWWDX160cw, Make<T_WWDX160M>, OwnRules},
    {cXMAS, Make<T_XMAS>, OwnRules},
    {cHADX, Make<T_HADX_DX>, OwnRules},
    {cSPDX, Make<T_SPDX_DX>, OwnRules},
    {cPACC, Make<T_PACC_DX>, OwnRules},
    {cWWSA, Make<T_WWSA_DX>, OwnRules},
    {cYV, Make<T_YV>, OwnRules},
    {cLZDX, Make<T_LZDX_DX>, OwnRules},
    {cVKZLcw, Make<T_VKZL>, OwnRules},
    {cSACcw, Make<T_SAC>, OwnRules},
    {cYODX, Make<T_YODX_DX>, OwnRules},
    {cJIDXcw, Make<T_JA_DX>, OwnRules},
    {cAR160, Make<T_ARRL160M_DX>, OwnRules},
    {cARI, Make<T_ARI_DX>, OwnRules},
    {cUADX, Make<T_UADX_DX>, OwnRules},
    {cUBAcw, Make<T_UBA_DX>, OwnRules},
    {cHK, Make<T_HK_DX>, OwnRules},
    {cUB5, Make<T_UB5_DX>, OwnRules},
    {cHB9, Make<T_HELVET_DX>, OwnRules},
    {cHB9hb, Make<T_HELVET_HB>, OwnRules},
    {cDARC10, Make<T_DARC10M>, OwnRules},
    {cHNY, Make<T_HNY>, OwnRules},
    {cEUHF, Make<T_EUHF>, OwnRules},
    {cAR10, Make<T_ARRL10M>, OwnRules},
    {cWAGdx, Make<T_WAGDX>, OwnRules},
    {cFDhb_cw, Make<T_FD>, OwnRules},
    {cHADXha, Make<T_HADX_HA>, OwnRules},
    {cXMAShb_cw, Make<T_XMAS_HB>, OwnRules},
    {cOKDXok, Make<T_OKDX_OK>, OwnRules},
    {cHKhk, Make<T_HK_HK>, OwnRules},
    {c9Adx, Make<T_9A_DX>, OwnRules},
    {cOQRP, Make<T_OQRP>, OwnRules},
    {cSPDXsp, Make<T_SPDX_SP>, OwnRules},
    {cIOTA, Make<T_IOTA>, OwnRules},
    {cDXPDN, Make<T_DXPDN>, OwnRules},
    {cWWDXssb, Make<T_WWDX>, OwnRules},
    {cWPXssb, Make<T_WPX>, OwnRules},
    {cWAEssb, Make<T_WAE>, OwnRules},
    {cWAErtty, Make<T_WAE>, OwnRules},
    {cARRLssb, Make<T_ARRL>, OwnRules},
    {cAADXssb, Make<T_AADX>, OwnRules},
    {cFDssb, Make<T_FD>, OwnRules},
    {cWWDX160ssb, Make<T_WWDX160M>, OwnRules},
    {cVKZLssb, Make<T_VKZL>, OwnRules},
    {cSACssb, Make<T_SAC>, OwnRules},
    {cJIDXssb, Make<T_JA_DX>, OwnRules},
    {cUBAssb, Make<T_UBA_DX>, OwnRules},
    {cFDhb_ssb, Make<T_FD>, OwnRules},
    {cXMAShb_ssb, Make<T_XMAS_HB>, OwnRules},
    {cPACCpa, Make<T_PACC_PA>, OwnRules},
    {cVHF, Make<T_VHF>, OwnRules},
    {cDTC, Make<T_DTC>, OwnRules},
    {cHessen, Make<T_Hessen>, OwnRules},
    {cEAcw, Make<T_EA_DX>, OwnRules},
    {cEAssb, Make<T_EA_DX>, OwnRules},
    {cWPXrtty, Make<T_WPX>, OwnRules},
    {cWWDXrtty, Make<T_WWDX_RTTY>, OwnRules},
    {cThueringen, Make<T_Thueringen>, OwnRules},
    {cAADXas_cw, Make<T_AA_ASIA>, OwnRules},
    {cAADXas_ssb, Make<T_AA_ASIA>, OwnRules},
    {cSACsc_cw, Make<T_SAC_SC>, OwnRules},
    {cSACsc_ssb, Make<T_SAC_SC>, OwnRules},
    {cXMAShb_psk, Make<T_XMAS_HB>, OwnRules},
    {cDARCrookie, Make<T_DARC_ROOKIE>, OwnRules},
    {cVFDB, Make<T_VFDB>, OwnRules},
    {cCQMM, Make<T_CQMM>, OwnRules},
    {cBucuresti, Make<T_BUCURESTI>, OwnRules},
    {cQRPQRP, Make<T_QRP_QRP>, OwnRules},
    {cPABeker_cw, Make<T_PA_BEKER>, OwnRules},
    {cPABeker_ssb, Make<T_PA_BEKER>, OwnRules},
    {cDayOfYLs, Make<T_DAY_OF_YLs>, OwnRules},
    {cOKrtty, Make<T_OK_RTTY>, OwnRules},
    {cWNA, Make<T_WNA>, OwnRules},
    {cEndOfContestlist, nullptr, NotBuilt},
}};

constexpr bool RowsInOrdinalOrder() {
    for (std::size_t i = 0; i < kContestClasses.size(); ++i)
        if (kContestClasses[i].contest != i) return false;
    return true;
}
static_assert(RowsInOrdinalOrder(), "one row per contest value, in ordinal order");

TMaker MakerOf(TContest contest) { return contest < kNoOfContests ? kContestClasses[contest].make : nullptr; }

// The class of the header's contest after both construction phases; nullptr when the
// contest has no class.
std::unique_ptr<TContestLog> Build(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty) {
    TMaker make = MakerOf(header.fhContest_Contest);
    if (!make) return nullptr;
    std::unique_ptr<TContestLog> log = make(header);
    log->Init(header, std::move(cty));
    return log;
}

int CreateErrorString(TContestLogCreateError error) {
    switch (error) {
        case ECtyFile: return 196;
        case EInvalidCall: return 250;
        case EAllocationTable: return 251;
        case ENoError: break;
    }
    return -1;
}

}  // namespace

bool ContestHasClass(TContest contest) { return MakerOf(contest) != nullptr; }

bool ContestHasOwnRules(TContest contest) {
    return contest < kNoOfContests && kContestClasses[contest].rules == OwnRules;
}

std::string RulesNotBuiltMessage(TContest contest) {
    std::string name = contest < kNoOfContests ? Trim(std::string(ContestNames[contest])) : std::string();
    std::string keyword = contest < kNoOfContests ? Trim(std::string(CabrilloContestNames[contest])) : std::string();
    if (!keyword.empty()) name += " (" + keyword + ")";
    return name + ": rules of this contest are not built yet";
}

std::unique_ptr<TContestLog> CreateContestLog(const TFileHeader& header, std::vector<std::string>* messages,
                                              std::shared_ptr<const TCtyStuff> cty) {
    TFileHeader h = header;
    h.fhUser_OwnCall = CutTo(UpperCase(h.fhUser_OwnCall), kCallStringLen);

    std::unique_ptr<TContestLog> log = Build(h, cty);
    if (!log) {
        ShowErrorMessage(LS(lsUnknownContest));
        return nullptr;
    }
    // A two-sided contest names the other side's contest when the own call belongs there.
    // The sides name each other, so one switch settles it. A log that failed before it
    // knew its contest (country file, own call) names none and keeps its error.
    if (log->Contest() != h.fhContest_Contest && ContestHasClass(log->Contest())) {
        h.fhContest_Contest = log->Contest();
        // The country data is loaded already; the other side shares it.
        std::shared_ptr<const TCtyStuff> loaded = log->SharedCtyStuff();
        log.reset();
        log = Build(h, std::move(loaded));
    }
    if (log->ContestLogCreateError != ENoError) {
        ShowErrorMessage(LS(CreateErrorString(log->ContestLogCreateError)));
        return nullptr;
    }
    log->MessageLines = messages;
    return log;
}

}  // namespace qz
