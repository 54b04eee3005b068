// The Charts tab of the log editor's output area: QSOs per hour stacked by band, the
// QSOs and multipliers so far, and a map of the bands by hour, drawn from the time
// series of the compiled log (report/series.h); printed and saved as PNG or SVG.
#pragma once

#include <QWidget>

#include "report/series.h"

class QChart;
class QChartView;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QStackedLayout;

namespace qz::gui {

class TChartsView : public QWidget {
    Q_OBJECT
public:
    explicit TChartsView(QWidget* parent = nullptr);

    // Shows `series` in every chart.
    void SetSeries(TLogSeries series);
    const TLogSeries& Series() const { return FSeries; }
    // The charts on the screen: rate, cumulative, band map.
    QChart* RateChart() const;
    QChart* CumulativeChart() const;
    QChart* BandMapChart() const;
    void Retranslate();

    // The three charts, one below the other, painted into `target` of `painter`.
    void Paint(QPainter& painter, const QRectF& target) const;
    void PrintTo(QPrinter& printer) const;
    // Saves the charts as a PNG or SVG picture (by the extension, PNG for others);
    // false with `error` set when the file could not be written.
    bool SavePicture(const QString& fileName, QString* error = nullptr) const;
    // Asks for a file name (proposing `proposed`, a path without extension) and saves;
    // `svg` chooses the format offered first.
    void SaveWithDialog(const QString& proposed, bool svg);

signals:
    void PrintRequested();
    void SaveRequested(bool svg);

private:
    void Rebuild();

    TLogSeries FSeries;
    QLabel* FSummary;
    QPushButton* FPrint;
    QPushButton* FSavePNG;
    QPushButton* FSaveSVG;
    QStackedLayout* FStack;
    QLabel* FNothing;
    QChartView* FRate;
    QChartView* FCumulative;
    QChartView* FBandMap;
};

// The charts as TChartsView draws them, made anew (the caller owns them).
QChart* MakeRateChart(const TLogSeries& series);
QChart* MakeCumulativeChart(const TLogSeries& series);
QChart* MakeBandMapChart(const TLogSeries& series);

}  // namespace qz::gui
