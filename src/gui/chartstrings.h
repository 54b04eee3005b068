// Language strings of the Charts tab.
#pragma once

namespace qz::gui::ui {
inline constexpr int lsChartsTab = 1260;
inline constexpr int lsChartRate = 1261;
inline constexpr int lsChartCumulative = 1262;
inline constexpr int lsChartBandMap = 1263;
inline constexpr int lsChartQSOs = 1264;
inline constexpr int lsChartMultipliers = 1265;
inline constexpr int lsChartTimeUTC = 1266;
inline constexpr int lsChartPrint = 1267;
inline constexpr int lsChartSavePNG = 1268;
inline constexpr int lsChartSaveSVG = 1269;
inline constexpr int lsChartNothing = 1270;
inline constexpr int lsChartFilterPNG = 1271;
inline constexpr int lsChartFilterSVG = 1272;
inline constexpr int lsChartOffTimes = 1273;
inline constexpr int lsChartBandChanges = 1274;
inline constexpr int lsChartNotSaved = 1275;
inline constexpr int lsChartMinutesOrMore = 1276;
}  // namespace qz::gui::ui
