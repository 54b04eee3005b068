// The result overview and the comment summary of a compiled log.
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "engine/contestlog.h"

namespace qz {

std::string FormatThousands(std::int64_t value) {
    std::string s = std::to_string(value);
    if (s.size() > 3) s.insert(s.size() - 3, ".");
    if (s.size() > 7) s.insert(s.size() - 7, ".");
    return s;
}

void TContestLog::WriteResults(std::vector<std::string>& d) const {
    d.push_back(GetLongContestName());
    d.push_back(LS(lsResultOverviewOf) + " " + FOwnCall.Call());
    d.push_back("");
    d.push_back("        " + LS(lsResultColumnTitles));
    std::string head = " Band   QSOs   QSOs   QSOs   QSOs ";
    if (FNoOfMulties == 1) head += "  Mul  ";
    else
        for (int k = 0; k < FNoOfMulties; ++k) head += " Mul" + std::to_string(k + 1) + "  ";
    d.push_back(head + "    " + LS(lsResultPointsHeading));
    d.push_back("");
    auto multiPart = [&](auto countOf) {
        std::string s;
        for (int k = 0; k < FNoOfMulties; ++k) s += Format("%5d  ", countOf(k));
        return s;
    };
    for (int b = b160m; b <= bSAT; ++b) {
        auto band = static_cast<TBand>(b);
        if (!BandIsAllowed(band)) continue;
        d.push_back(Format("%5s  %5d  %5d   %4d   %4d ", std::string(BandNames[b]).c_str(),
                           Result().NoOfBandGoodQSOs(band), Result().NoOfBandInvalidQSOs(band),
                           Result().NoOfBandDupes(band), Result().NoOfBandUserDeletedQSOs(band)) +
                    multiPart([&](int k) { return Result().NoOfBandMulties(k, band); }) +
                    Format(" %6d", Result().BandPoints(band)));
    }
    d.push_back("");
    d.push_back(Format("%5s  %5d  %5d   %4d   %4d ", LS(lsResultAllBands).c_str(), Result().NoOfAllGoodQSOs(),
                       Result().NoOfAllInvalidQSOs(), Result().NoOfAllDupes(), Result().NoOfAllUserDeletedQSOs()) +
                multiPart([&](int k) { return Result().NoOfAllMulties(k); }) + Format(" %6d", Result().AllPoints()));
    d.push_back("");
    std::string p = std::to_string(Result().AllPoints());
    std::string r = FormatThousands(GetFinalResult());
    std::string line = LS(lsFinalResult) + " ";
    switch (FNoOfMulties) {
        case 0: line += r; break;
        case 1: line += p + " * " + std::to_string(Result().NoOfAllMulties(0)) + " = " + r; break;
        default: {
            line += p + " * (";
            for (int k = 0; k < FNoOfMulties; ++k)
                line += (k ? " + " : "") + std::to_string(Result().NoOfAllMulties(k));
            line += ") = " + r;
        }
    }
    d.push_back(line);
}

void TContestLog::WriteAllComments(std::vector<std::string>& d) const {
    d.push_back(GetLongContestName());
    d.push_back(LS(lsCommentSummaryOf) + " " + FOwnCall.Call());
    d.push_back("");
    bool any = false;
    for (int i = 0; i < NoOfQSOs(); ++i) {
        const TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        if (q.Comment().empty()) continue;
        any = true;
        d.push_back("QSO #" + std::to_string(i + 1));
        for (const auto& c : q.Comment()) d.push_back(c);
        d.push_back("");
    }
    if (!any) d.push_back(LS(lsNoComments));
}

}  // namespace qz
