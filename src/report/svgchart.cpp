// Drawing of the report's charts; see svgchart.h.
#include "report/svgchart.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"

namespace qz {

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 260;
constexpr int kLeft = 60;
constexpr int kRight = 130;  // room for the legend
constexpr int kTop = 28;
constexpr int kBottom = 36;
constexpr int kPlotWidth = kWidth - kLeft - kRight;
constexpr int kPlotHeight = kHeight - kTop - kBottom;
constexpr int kMostLabels = 16;
// Text styles as attributes, so that a chart copied out of the page looks the same.
constexpr const char* kSmallText = " font-size=\"10\" fill=\"#4b5563\"";
constexpr const char* kValueText = " font-size=\"10\" fill=\"#4b5563\" text-anchor=\"end\"";

std::string Num(long long v) { return std::to_string(v); }
std::string Px(double v) { return std::to_string(std::lround(v)); }

// The top of the value axis and its step: 1, 2 or 5 times a power of ten, about four
// steps in all.
std::pair<double, double> NiceScale(double largest) {
    if (!(largest > 0)) return {1, 1};
    const double rough = largest / 4;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    step = std::max(step, 1.0);
    return {std::ceil(largest / step) * step, step};
}

std::string Open(const TChartFrame& frame) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" data-series=\"" + XmlEscaped(frame.id) +
           "\" width=\"" + Num(kWidth) + "\" height=\"" + Num(kHeight) + "\" viewBox=\"0 0 " + Num(kWidth) + " " +
           Num(kHeight) + "\" role=\"img\" font-family=\"sans-serif\">\n<title>" + XmlEscaped(frame.title) +
           "</title>\n<text x=\"" + Num(kLeft) + "\" y=\"18\" font-size=\"14\" font-weight=\"bold\">" +
           XmlEscaped(frame.title) + "</text>\n";
}

double BinWidth(std::size_t bins) {
    return static_cast<double>(kPlotWidth) / static_cast<double>(std::max<std::size_t>(bins, 1));
}

// The bin labels below the plot, every n-th so that at most kMostLabels show.
std::string XLabels(const TChartFrame& frame) {
    const std::size_t bins = frame.labels.size();
    const std::size_t every = std::max<std::size_t>(1, (bins + kMostLabels - 1) / kMostLabels);
    const double w = BinWidth(bins);
    std::string out;
    for (std::size_t b = 0; b < bins; b += every) {
        const std::string& label = frame.labels[b];
        if (label.empty()) continue;
        // "DATE TIME": the time on the first row, the date below it.
        const std::size_t blank = label.rfind(' ');
        const std::string x = Px(kLeft + w * static_cast<double>(b));
        out += "<text x=\"" + x + "\" y=\"" + Num(kHeight - kBottom + 14) + "\"" + kSmallText + ">" +
               XmlEscaped(blank == std::string::npos ? label : label.substr(blank + 1)) + "</text>\n";
        if (blank != std::string::npos)
            out += "<text x=\"" + x + "\" y=\"" + Num(kHeight - kBottom + 27) + "\"" + kSmallText + ">" +
                   XmlEscaped(label.substr(0, blank)) + "</text>\n";
    }
    return out;
}

// The value axis with its grid lines; returns the top value.
double YAxis(double largest, std::string& out) {
    const auto [top, step] = NiceScale(largest);
    for (double v = 0; v <= top + step / 2; v += step) {
        const double y = kTop + kPlotHeight - v / top * kPlotHeight;
        out += "<line x1=\"" + Num(kLeft) + "\" y1=\"" + Px(y) + "\" x2=\"" + Num(kLeft + kPlotWidth) + "\" y2=\"" +
               Px(y) + "\" stroke=\"#e5e7eb\"/>\n<text x=\"" + Num(kLeft - 4) + "\" y=\"" + Px(y + 4) + "\"" +
               kValueText + ">" + Num(std::llround(v)) + "</text>\n";
    }
    return top;
}

std::string Legend(const std::vector<TChartSeries>& series) {
    std::string out;
    int y = kTop;
    for (const TChartSeries& s : series) {
        out += "<rect x=\"" + Num(kWidth - kRight + 12) + "\" y=\"" + Num(y) + "\" width=\"10\" height=\"10\" fill=\"" +
               XmlEscaped(s.color) + "\"/><text x=\"" + Num(kWidth - kRight + 26) + "\" y=\"" + Num(y + 9) +
               "\" font-size=\"11\">" + XmlEscaped(s.name) + "</text>\n";
        y += 15;
    }
    return out;
}

// The value of a series in a bin, 0 beyond its values.
double At(const TChartSeries& s, std::size_t bin) { return bin < s.values.size() ? s.values[bin] : 0; }

std::string ValueText(double v) { return Num(std::llround(v)); }

}  // namespace

std::string XmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string StackedBarChart(const TChartFrame& frame, const std::vector<TChartSeries>& stacks,
                            const std::vector<std::pair<int, int>>& shaded) {
    const std::size_t bins = frame.labels.size();
    double largest = 0;
    for (std::size_t b = 0; b < bins; ++b) {
        double sum = 0;
        for (const TChartSeries& s : stacks) sum += std::max(0.0, At(s, b));
        largest = std::max(largest, sum);
    }
    std::string out = Open(frame);
    const double w = BinWidth(bins);
    for (const auto& [first, last] : shaded)
        out += "<rect x=\"" + Px(kLeft + w * first) + "\" y=\"" + Num(kTop) + "\" width=\"" +
               Px(w * (last - first + 1)) + "\" height=\"" + Num(kPlotHeight) + "\" fill=\"#e5e7eb\"/>\n";
    const double top = YAxis(largest, out);
    for (std::size_t b = 0; b < bins; ++b) {
        double base = 0;
        for (const TChartSeries& s : stacks) {
            const double v = std::max(0.0, At(s, b));
            if (v <= 0) continue;
            const double y0 = kTop + kPlotHeight - base / top * kPlotHeight;
            const double y1 = kTop + kPlotHeight - (base + v) / top * kPlotHeight;
            out += "<rect x=\"" + Px(kLeft + w * static_cast<double>(b) + (w > 3 ? 1 : 0)) + "\" y=\"" + Px(y1) +
                   "\" width=\"" + Px(std::max(1.0, w > 3 ? w - 2 : w)) + "\" height=\"" + Px(std::max(1.0, y0 - y1)) +
                   "\" fill=\"" + XmlEscaped(s.color) + "\"><title>" + XmlEscaped(frame.labels[b]) + " " +
                   XmlEscaped(s.name) + ": " + ValueText(v) + "</title></rect>\n";
            base += v;
        }
    }
    return out + XLabels(frame) + Legend(stacks) + "</svg>\n";
}

std::string LineChart(const TChartFrame& frame, const std::vector<TChartSeries>& lines) {
    const std::size_t bins = frame.labels.size();
    double largest = 0;
    for (const TChartSeries& s : lines)
        for (std::size_t b = 0; b < bins; ++b) largest = std::max(largest, At(s, b));
    std::string out = Open(frame);
    const double top = YAxis(largest, out);
    const double w = BinWidth(bins);
    for (const TChartSeries& s : lines) {
        std::string points;
        for (std::size_t b = 0; b < bins; ++b) {
            const double x = kLeft + w * (static_cast<double>(b) + 1);
            const double y = kTop + kPlotHeight - std::max(0.0, At(s, b)) / top * kPlotHeight;
            points += (b ? " " : "") + Px(x) + "," + Px(y);
        }
        out += "<polyline fill=\"none\" stroke=\"" + XmlEscaped(s.color) + "\" stroke-width=\"2\" points=\"" + points +
               "\"><title>" + XmlEscaped(s.name) + ": " + ValueText(bins ? At(s, bins - 1) : 0) +
               "</title></polyline>\n";
    }
    return out + XLabels(frame) + Legend(lines) + "</svg>\n";
}

std::string HeatMap(const TChartFrame& frame, const std::vector<TChartSeries>& rows) {
    const std::size_t bins = frame.labels.size();
    double largest = 0;
    for (const TChartSeries& s : rows)
        for (std::size_t b = 0; b < bins; ++b) largest = std::max(largest, At(s, b));
    std::string out = Open(frame);
    const double w = BinWidth(bins);
    const double h = static_cast<double>(kPlotHeight) / static_cast<double>(std::max<std::size_t>(rows.size(), 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const TChartSeries& s = rows[r];
        const double y = kTop + h * static_cast<double>(r);
        out += "<text x=\"" + Num(kLeft - 4) + "\" y=\"" + Px(y + h / 2 + 4) + "\"" + kValueText + ">" +
               XmlEscaped(s.name) + "</text>\n";
        for (std::size_t b = 0; b < bins; ++b) {
            const double v = At(s, b);
            if (v <= 0) continue;
            const double shade = 0.15 + 0.85 * v / std::max(largest, 1.0);
            out += "<rect x=\"" + Px(kLeft + w * static_cast<double>(b)) + "\" y=\"" + Px(y + 1) + "\" width=\"" +
                   Px(std::max(1.0, w - 1)) + "\" height=\"" + Px(std::max(1.0, h - 2)) + "\" fill=\"" +
                   XmlEscaped(s.color) + "\" fill-opacity=\"0." +
                   ZeroPadded(std::min(99L, std::lround(shade * 100)), 2) + "\"><title>" + XmlEscaped(frame.labels[b]) +
                   " " + XmlEscaped(s.name) + ": " + ValueText(v) + "</title></rect>\n";
        }
    }
    return out + XLabels(frame) + "</svg>\n";
}

}  // namespace qz
