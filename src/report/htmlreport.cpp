// Writes the HTML report; see htmlreport.h.
#include "report/htmlreport.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "base/encoding.h"
#include "base/text.h"
#include "engine/contestlog.h"
#include "report/bandcolors.h"
#include "report/svgchart.h"

namespace qz {

namespace {

constexpr const char* kLogColors[] = {"#2563eb", "#dc2626", "#16a34a", "#9333ea"};
constexpr std::size_t kMostCompared = std::size(kLogColors);

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#1f2937}"
    "h2{border-bottom:1px solid #d1d5db;padding-bottom:.2em;margin-top:2em}"
    "pre.result{background:#f3f4f6;padding:.8em;overflow-x:auto}"
    "svg.chart{display:block;margin:1em 0;max-width:100%;height:auto}"
    "table{border-collapse:collapse}td,th{border:1px solid #d1d5db;padding:.2em .6em;text-align:left}";

// Core text (Windows-1252) as escaped UTF-8, control bytes made blanks.
std::string Text(std::string_view cp1252) { return XmlEscaped(Cp1252ToUtf8(PrintableText(cp1252))); }

std::string Minutes(int minutes) { return std::to_string(minutes / 60) + ":" + ZeroPadded(minutes % 60, 2); }

// "MM-DD HH:MM" on the first bin and at midnight, "HH:MM" otherwise.
std::vector<std::string> BinLabels(const TTimeSeries& s) {
    std::vector<std::string> labels;
    labels.reserve(static_cast<std::size_t>(s.bins));
    for (int b = 0; b < s.bins; ++b) {
        const std::string full = SeriesTimeText(s.BinStart(b));
        const bool withDate = b == 0 || full.compare(11, 5, "00:00") == 0;
        labels.push_back(withDate ? full.substr(5) : full.substr(11));
    }
    return labels;
}

std::vector<double> Values(const std::vector<std::int32_t>& counts) { return {counts.begin(), counts.end()}; }

std::vector<double> Cumulated(const std::vector<std::int32_t>& counts) {
    std::vector<double> out;
    double sum = 0;
    for (std::int32_t c : counts) out.push_back(sum += c);
    return out;
}

// A series per band of `counts`.
std::vector<TChartSeries> PerBand(const TLogSeries& series, const TBinCounts& counts) {
    std::vector<TChartSeries> out;
    for (TBand b : series.bands)
        if (!counts.band[b].empty()) out.push_back({Trim(BandNames[b]), BandColor(b), Values(counts.band[b])});
    return out;
}

// The bins of `s` that lie wholly inside an off-time.
std::vector<std::pair<int, int>> OffBins(const TLogSeries& series, const TTimeSeries& s) {
    std::vector<std::pair<int, int>> out;
    const double bin = s.binMinutes / 1440.0;
    for (const TOffTime& off : series.offTimes) {
        const int first = static_cast<int>(std::ceil((off.from - s.start) / bin - 1e-9));
        const int last = static_cast<int>(std::floor((off.to - s.start) / bin + 1e-9)) - 1;
        if (first <= last) out.emplace_back(first, last);
    }
    return out;
}

std::string Figure(const std::string& svg) { return "<figure>\n" + svg + "</figure>\n"; }

std::string Charts(const TLogSeries& series) {
    const TTimeSeries& h = series.hourly;
    const TTimeSeries& t = series.tenMinutes;
    const std::vector<std::string> hours = BinLabels(h);
    const std::vector<std::string> tenths = BinLabels(t);
    const std::vector<std::string> names = ChartNames(series);
    std::string out;
    std::size_t n = 0;
    auto frame = [&](const std::vector<std::string>& labels, const std::string& title) {
        return TChartFrame{names[n++], title, labels};
    };
    out += Figure(StackedBarChart(frame(hours, "QSOs per hour"), PerBand(series, h.qsos), OffBins(series, h)));
    out += Figure(StackedBarChart(frame(tenths, "QSOs per 10 minutes"), PerBand(series, t.qsos), OffBins(series, t)));
    out += Figure(StackedBarChart(frame(hours, "Points per hour"), PerBand(series, h.points), OffBins(series, h)));
    for (int k = 0; k < series.multiKinds; ++k) {
        const std::string name = Cp1252ToUtf8(PrintableText(series.multiNames[static_cast<std::size_t>(k)]));
        out += Figure(StackedBarChart(frame(hours, "New multipliers per hour: " + name),
                                      PerBand(series, h.newMulties[static_cast<std::size_t>(k)])));
    }
    out += Figure(LineChart(frame(hours, "QSOs so far"), {{"QSOs", "#2563eb", Cumulated(h.qsos.all)}}));
    if (series.multiKinds > 0) {
        std::vector<TChartSeries> lines;
        for (int k = 0; k < series.multiKinds; ++k)
            lines.push_back({Cp1252ToUtf8(PrintableText(series.multiNames[static_cast<std::size_t>(k)])),
                             kLogColors[static_cast<std::size_t>(k) % kMostCompared],
                             Cumulated(h.newMulties[static_cast<std::size_t>(k)].all)});
        out += Figure(LineChart(frame(hours, "Multipliers so far"), lines));
    }
    std::vector<double> score(h.score.begin(), h.score.end());
    out += Figure(LineChart(frame(hours, "Score so far"), {{"Score", "#16a34a", score}}));
    std::vector<TChartSeries> rows = PerBand(series, h.qsos);
    out += Figure(HeatMap(frame(hours, "QSOs by band and hour"), rows));
    out += Figure(
        StackedBarChart(frame(hours, "Band changes per hour"), {{"Band changes", "#6b7280", Values(h.bandChanges)}}));
    return out;
}

std::string OffTimeTable(const TLogSeries& series) {
    if (series.offTimes.empty())
        return "<p>No off-time of " + std::to_string(series.minimumRestMinutes) + " minutes or more.</p>\n";
    std::string out =
        "<table class=\"offtimes\">\n<tr><th>Last QSO before</th><th>First QSO after</th>"
        "<th>Off (h:mm)</th></tr>\n";
    int total = 0;
    for (const TOffTime& off : series.offTimes) {
        out += "<tr><td>" + SeriesTimeText(off.from) + "</td><td>" + SeriesTimeText(off.to) + "</td><td>" +
               Minutes(off.minutes) + "</td></tr>\n";
        total += off.minutes;
    }
    return out + "<tr><th colspan=\"2\">All off-times</th><th>" + Minutes(total) + "</th></tr>\n</table>\n";
}

std::string Summary(const TLogSeries& series) {
    std::string out = "<p>";
    if (series.Empty()) return out + "No QSO with a usable time: nothing to chart.</p>\n";
    out += "Charted from " + SeriesTimeText(series.hourly.start) + " UTC, " + std::to_string(series.hourly.bins) +
           " hours; " + std::to_string(series.bandChanges.size()) + " band changes; off-times are pauses of " +
           std::to_string(series.minimumRestMinutes) + " minutes or more (grey in the rate charts).";
    if (series.outside > 0)
        out += " " + std::to_string(series.outside) +
               " lines are not charted: their dates lie far from the rest of the log or are not dates.";
    return out + "</p>\n";
}

std::string LogSection(const TReportLog& log, std::size_t index) {
    std::string out = "<section id=\"log-" + std::to_string(index + 1) + "\" class=\"log\">\n<h2>" + Text(log.call) +
                      " – " + Text(log.contestName) + "</h2>\n<p class=\"file\">" + Text(log.name) + "</p>\n";
    out += "<pre class=\"result\">";
    for (const std::string& line : log.resultLines) out += Text(line) + "\n";
    out += "</pre>\n" + Summary(log.series);
    if (log.series.Empty()) return out + "</section>\n";
    out += Charts(log.series) + "<h3>Off-times</h3>\n" + OffTimeTable(log.series);
    return out + "</section>\n";
}

// The values of `s` placed on a common axis of hours that starts at `start`.
std::vector<double> OnAxis(const TTimeSeries& s, TDateTime start, int bins, bool cumulative,
                           const std::vector<double>& values) {
    std::vector<double> out(static_cast<std::size_t>(bins), 0);
    const int offset = static_cast<int>(std::lround((s.start - start) * 24));
    double last = 0;
    for (int b = 0; b < bins; ++b) {
        const int own = b - offset;
        if (own >= 0 && own < static_cast<int>(values.size())) last = values[static_cast<std::size_t>(own)];
        else if (!cumulative || own < 0) last = 0;
        out[static_cast<std::size_t>(b)] = last;
    }
    return out;
}

std::string Comparison(const std::vector<TReportLog>& logs) {
    TDateTime start = 0;
    TDateTime end = 0;
    bool any = false;
    for (const TReportLog& l : logs) {
        if (l.series.Empty()) continue;
        const TTimeSeries& h = l.series.hourly;
        start = any ? std::min(start, h.start) : h.start;
        end = any ? std::max(end, h.BinStart(h.bins)) : h.BinStart(h.bins);
        any = true;
    }
    std::string out = "<section id=\"comparison\">\n<h2>Comparison</h2>\n";
    if (!any) return out + "<p>No log has QSOs with a usable time.</p>\n</section>\n";
    const int bins = static_cast<int>(std::lround((end - start) * 24));
    TTimeSeries axis;
    axis.start = start;
    axis.bins = bins;
    const std::vector<std::string> labels = BinLabels(axis);
    std::vector<TChartSeries> rates;
    std::vector<TChartSeries> scores;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        const TTimeSeries& h = logs[i].series.hourly;
        const std::string name = Cp1252ToUtf8(PrintableText(logs[i].call));
        rates.push_back({name, kLogColors[i], OnAxis(h, start, bins, false, Values(h.qsos.all))});
        scores.push_back({name, kLogColors[i], OnAxis(h, start, bins, true, {h.score.begin(), h.score.end()})});
    }
    out += Figure(LineChart({"compare-rate", "QSOs per hour, compared", labels}, rates));
    out += Figure(LineChart({"compare-score", "Score so far, compared", labels}, scores));
    return out + "</section>\n";
}

}  // namespace

TReportLog ReportLogOf(const TContestLog& log, const std::string& name, const TSeriesSettings& settings) {
    TReportLog r;
    r.name = name;
    r.call = log.FileHeader().fhUser_OwnCall;
    r.contestName = log.GetLongContestName();
    r.contest = log.Contest();
    log.WriteResults(r.resultLines);
    r.series = BuildSeries(log, settings);
    return r;
}

std::vector<std::string> ChartNames(const TLogSeries& series) {
    std::vector<std::string> names = {"qsos-hour", "qsos-10min", "points-hour"};
    for (int k = 0; k < series.multiKinds; ++k) names.push_back("multies-" + std::to_string(k + 1) + "-hour");
    names.push_back("qsos-cumulative");
    if (series.multiKinds > 0) names.push_back("multies-cumulative");
    for (const char* n : {"score", "band-map", "band-changes-hour"}) names.emplace_back(n);
    return names;
}

bool ComparesLogs(const std::vector<TReportLog>& logs) {
    if (logs.size() < 2 || logs.size() > kMostCompared) return false;
    return std::all_of(logs.begin(), logs.end(), [&](const TReportLog& l) { return l.contest == logs[0].contest; });
}

std::string HtmlReport(const std::vector<TReportLog>& logs) {
    std::string title = "Contest report";
    if (logs.size() == 1) title += ": " + Text(logs[0].call) + ", " + Text(logs[0].contestName);
    std::string out =
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        "<meta charset=\"utf-8\"/>\n<title>" +
        title + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
    for (std::size_t i = 0; i < logs.size(); ++i) out += LogSection(logs[i], i);
    if (ComparesLogs(logs)) out += Comparison(logs);
    else if (logs.size() > 1)
        out += "<p class=\"nocompare\">The logs are compared when two to four logs of one contest are given.</p>\n";
    return out + "</body>\n</html>\n";
}

}  // namespace qz
