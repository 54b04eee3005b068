// A small contest class for engine tests: its counts, bands and modes are chosen by
// the test; received number 0 holds a line's points and received number 1 (and 2) its
// multiplier candidates (kind 0 log-wise, kind 1 band-wise, kind 2 per band and mode).
#pragma once

#include <memory>
#include <string>

#include "base/text.h"
#include "domain/cty.h"
#include "engine/contestlog.h"

namespace qz::test {

inline constexpr const char* kTinyCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\r\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\r\n"
    "    AA,K,N,W;\r\n"
    "England:                  14:  27:  EU:   52.77:     1.47:     0.0:  G:\r\n"
    "    G,M,2E;\r\n"
    "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\r\n"
    "    JA,JE,JF,JG,JH,JI,JJ,JK,JL,JM,JN,JO,JP,JQ,JR,JS;\r\n";

inline std::shared_ptr<const TCtyStuff> TinyCty() {
    static std::shared_ptr<const TCtyStuff> cty = TCtyStuff::FromText(kTinyCty, "tiny.dat");
    return cty;
}

class TTestLog : public TContestLog {
public:
    TTestLog(int sent, int rcvd, int multis, SBand bands, SMode modes = {}) {
        FNoOfSentNumbers = sent;
        FNoOfRcvdNumbers = rcvd;
        FNoOfMulties = multis;
        FBands = bands;
        FModes = modes;
    }
    void SetSides(std::initializer_list<const char*> home, TLogicalOperator op, TContest alternative) {
        for (const char* h : home) AddObligatoryCty(h);
        FLogicalOperator = op;
        FAlternativeContest = alternative;
    }
    std::string GetMulti(int index, int multiIndex) override {
        const TQSO* q = QSOs(index);
        if (!q->IsGood()) return {};
        static constexpr TMultiScope kScopes[] = {TMultiScope::Log, TMultiScope::Band, TMultiScope::BandMode};
        return NewMulti(index, multiIndex, q->RcvdNumbers(multiIndex + 1), kScopes[multiIndex % 3]);
    }
    std::int32_t GetPoints(int index) override {
        const TQSO* q = QSOs(index);
        return q->IsGood() ? StrToIntDef(q->RcvdNumbers(0), 0) : 0;
    }
    void SetDupeScope(TDupeScope scope) { FDupeScope = scope; }
    using TContestLog::NewMulti;
};

// A log with `contest`, own call `ownCall`, on the tiny country data.
inline std::unique_ptr<TTestLog> MakeLog(int sent, int rcvd, int multis, SBand bands, SMode modes = {},
                                         const std::string& ownCall = "DL1ABC", TContest contest = cWWDXcw) {
    auto log = std::make_unique<TTestLog>(sent, rcvd, multis, bands, modes);
    TFileHeader h;
    h.fhUser_OwnCall = ownCall;
    h.fhContest_Contest = contest;
    log->Init(h, TinyCty());
    return log;
}

// Appends a line: call, band, mode, minutes after 2013-01-05 00:00, received numbers.
void AddLine(TContestLog& log, const std::string& call, TBand band, TMode mode, int minute,
             std::initializer_list<const char*> rcvd = {});

}  // namespace qz::test
