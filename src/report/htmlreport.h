// The report of one or more compiled logs as one self-contained HTML file: each log's
// result report and its charts (inline SVG), and for two to four logs of one contest
// their rates and scores side by side. The file is also well-formed XML (XHTML
// syntax), in UTF-8, and fetches nothing.
#pragma once

#include <string>
#include <vector>

#include "domain/defs.h"
#include "report/series.h"

namespace qz {

class TContestLog;

// What the report shows of one log; texts in Windows-1252 as the core keeps them.
struct TReportLog {
    std::string name;  // the file, as the user named it
    std::string call;
    std::string contestName;
    TContest contest = cNoContest;
    std::vector<std::string> resultLines;  // the result report of the log
    TLogSeries series;
};

// The report data of a compiled log.
TReportLog ReportLogOf(const TContestLog& log, const std::string& name, const TSeriesSettings& settings = {});

// The `data-series` names of the charts that the report draws for `series`, in order.
std::vector<std::string> ChartNames(const TLogSeries& series);

// Whether the report compares `logs`: two to four logs of one contest.
bool ComparesLogs(const std::vector<TReportLog>& logs);

// The whole HTML document.
std::string HtmlReport(const std::vector<TReportLog>& logs);

}  // namespace qz
