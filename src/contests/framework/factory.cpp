// The contest factory: one row per contest value naming the class that scores it, the
// home-side/DX-side switch and the error boxes of a log that could not be made.
#include "contests/framework/factory.h"

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

struct TContestClass {
    TContest contest;
    TMaker make;  // nullptr for the two markers
};

// One row per TContest value, in ordinal order.
constexpr std::array<TContestClass, kNoOfContests> kContestClasses = {{
    {cNoContest, nullptr},
    {cWWDXcw, Make<T_WWDX>},
    {cWPXcw, Make<T_WPX>},
    {cHSC, Make<T_HSC>},
    {cIARU, Make<T_IARU>},
    {cWAEcw, Make<T_WAE>},
    {cWAG, Make<T_WAGDL>},
    {cCQM, Make<T_CQM>},
    {cARRLcw, Make<T_ARRL>},
    {cAADXcw, Make<T_AADX>},
    {cTOPS, Make<T_TOPS>},
    {cFDcw, Make<T_FD>},
    {cOKDX, Make<T_OKDX_DX>},
    {cWWDX160cw, Make<T_WWDX160M>},
    {cXMAS, Make<T_XMAS>},
    {cHADX, Make<T_HADX_DX>},
    {cSPDX, Make<T_SPDX_DX>},
    {cPACC, Make<T_PACC_DX>},
    {cWWSA, Make<T_WWSA_DX>},
    {cYV, Make<T_YV>},
    {cLZDX, Make<T_LZDX_DX>},
    {cVKZLcw, Make<T_VKZL>},
    {cSACcw, Make<T_SAC>},
    {cYODX, Make<T_YODX_DX>},
    {cJIDXcw, Make<T_JA_DX>},
    {cAR160, Make<T_ARRL160M_DX>},
    {cARI, Make<T_ARI_DX>},
    {cUADX, Make<T_UADX_DX>},
    {cUBAcw, Make<T_UBA_DX>},
    {cHK, Make<T_HK_DX>},
    {cUB5, Make<T_UB5_DX>},
    {cHB9, Make<T_HELVET_DX>},
    {cHB9hb, Make<T_HELVET_HB>},
    {cDARC10, Make<T_DARC10M>},
    {cHNY, Make<T_HNY>},
    {cEUHF, Make<T_EUHF>},
    {cAR10, Make<T_ARRL10M>},
    {cWAGdx, Make<T_WAGDX>},
    {cFDhb_cw, Make<T_FD>},
    {cHADXha, Make<T_HADX_HA>},
    {cXMAShb_cw, Make<T_XMAS_HB>},
    {cOKDXok, Make<T_OKDX_OK>},
    {cHKhk, Make<T_HK_HK>},
    {c9Adx, Make<T_9A_DX>},
    {cOQRP, Make<T_OQRP>},
    {cSPDXsp, Make<T_SPDX_SP>},
    {cIOTA, Make<T_IOTA>},
    {cDXPDN, Make<T_DXPDN>},
    {cWWDXssb, Make<T_WWDX>},
    {cWPXssb, Make<T_WPX>},
    {cWAEssb, Make<T_WAE>},
    {cWAErtty, Make<T_WAE>},
    {cARRLssb, Make<T_ARRL>},
    {cAADXssb, Make<T_AADX>},
    {cFDssb, Make<T_FD>},
    {cWWDX160ssb, Make<T_WWDX160M>},
    {cVKZLssb, Make<T_VKZL>},
    {cSACssb, Make<T_SAC>},
    {cJIDXssb, Make<T_JA_DX>},
    {cUBAssb, Make<T_UBA_DX>},
    {cFDhb_ssb, Make<T_FD>},
    {cXMAShb_ssb, Make<T_XMAS_HB>},
    {cPACCpa, Make<T_PACC_PA>},
    {cVHF, Make<T_VHF>},
    {cDTC, Make<T_DTC>},
    {cHessen, Make<T_Hessen>},
    {cEAcw, Make<T_EA_DX>},
    {cEAssb, Make<T_EA_DX>},
    {cWPXrtty, Make<T_WPX>},
    {cWWDXrtty, Make<T_WWDX_RTTY>},
    {cThueringen, Make<T_Thueringen>},
    {cAADXas_cw, Make<T_AA_ASIA>},
    {cAADXas_ssb, Make<T_AA_ASIA>},
    {cSACsc_cw, Make<T_SAC_SC>},
    {cSACsc_ssb, Make<T_SAC_SC>},
    {cXMAShb_psk, Make<T_XMAS_HB>},
    {cDARCrookie, Make<T_DARC_ROOKIE>},
    {cVFDB, Make<T_VFDB>},
    {cCQMM, Make<T_CQMM>},
    {cBucuresti, Make<T_BUCURESTI>},
    {cQRPQRP, Make<T_QRP_QRP>},
    {cPABeker_cw, Make<T_PA_BEKER>},
    {cPABeker_ssb, Make<T_PA_BEKER>},
    {cDayOfYLs, Make<T_DAY_OF_YLs>},
    {cOKrtty, Make<T_OK_RTTY>},
    {cWNA, Make<T_WNA>},
    {cEndOfContestlist, nullptr},
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
    log->SetMessageLines(messages);
    return log;
}

}  // namespace qz
