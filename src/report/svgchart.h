// Charts as inline SVG: stacked bars, lines and a heat map over time bins, drawn with
// whole-pixel coordinates and no script, font or picture fetched from anywhere. Texts
// are UTF-8; every text is escaped here.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qz {

// One coloured series: a value per time bin.
struct TChartSeries {
    std::string name;
    std::string color;  // "#rrggbb"
    std::vector<double> values;
};

// What every chart has: the `data-series` name that identifies it, its title, and the
// label of each time bin ("" for none; the chart thins labels out where they crowd).
struct TChartFrame {
    std::string id;
    std::string title;
    std::vector<std::string> labels;
};

// `text` with &, <, > and " escaped for XML.
std::string XmlEscaped(std::string_view text);

// The series stacked bin by bin. `shaded` bins (first, last, inclusive) are underlaid in
// grey: the off-times.
std::string StackedBarChart(const TChartFrame& frame, const std::vector<TChartSeries>& stacks,
                            const std::vector<std::pair<int, int>>& shaded = {});
// Each series as a line over the bins, on one scale.
std::string LineChart(const TChartFrame& frame, const std::vector<TChartSeries>& lines);
// A row per series, a cell per bin, darker the higher the value against the largest.
std::string HeatMap(const TChartFrame& frame, const std::vector<TChartSeries>& rows);

}  // namespace qz
