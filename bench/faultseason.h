// A generated contest season with planted faults and the truth about them: CQ WW CW
// Cabrillo logs whose QSOs are drawn as events between two stations, so that a QSO with
// a station that sent a log is in both logs. Stations stay on one band for an hour,
// as real stations run a band. Faults are planted into single records (the QSO dropped
// from one log, a call or zone copied wrong, a band logged wrong, a call nobody else
// heard) and into whole logs (a clock off by a constant amount); some QSOs are with
// stations that send no log. Everything is drawn from one seed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qz {

class TCtyStuff;

struct TSeasonPlan {
    int logs = 500;
    // QSO lines of all logs together (about).
    std::int64_t qsos = 150000;
    std::uint64_t seed = 2013;
    // The share of QSOs with stations that send no log.
    double unsubmitted = 0.12;
    // Per QSO between two stations that sent a log: the share of each fault.
    double nil = 0.02;
    double bustedCall = 0.01;
    double bustedExchange = 0.01;
    double band = 0.006;
    // Per QSO with a station that sent no log: the share made a call nobody else heard.
    double unique = 0.03;
    // The share of logs (of at least 50 QSOs) whose clock is off.
    double clock = 0.01;
};

// One finding the cross-check should make: the columns of its tab-separated rows.
struct TSeasonTruth {
    std::string log;
    int line = 0;
    std::string call;
    std::string kind;
    std::string correct;
    std::string other;
};

struct TSeason {
    std::vector<std::string> files;
    std::vector<TSeasonTruth> truth;
    std::int64_t qsos = 0;
};

// Writes the logs as CALL.log into `folder` (which must exist) and truth.tsv beside
// them; zones come from `cty`.
TSeason WriteFaultSeason(const TSeasonPlan& plan, const TCtyStuff& cty, const std::string& folder);

}  // namespace qz
