// The Charts tab; see chartsview.h.
#include "gui/chartsview.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QStackedLayout>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

#include "base/frontend.h"
#include "base/text.h"
#include "gui/chartstrings.h"
#include "gui/qtext.h"
#include "report/bandcolors.h"

namespace qz::gui {

namespace {

// The size of one chart in a saved picture, in pixels.
constexpr int kPictureWidth = 1200;
constexpr int kPictureChartHeight = 360;
// TDateTime of 1970-01-01.
constexpr double kUnixEpochDays = 25569.0;

QDateTime Utc(TDateTime time) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::llround((time - kUnixEpochDays) * 86400000.0)),
                                          Qt::UTC);
}

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QValueAxis* CountAxis(const QString& title, double largest) {
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(1.0, largest));
    axis->setLabelFormat("%d");
    axis->applyNiceNumbers();
    axis->setTitleText(title);
    return axis;
}

// "Time (UTC) from 2024-11-23 00:00": the ticks show the time of day only.
QString TimeTitle(const TTimeSeries& h) {
    return LSCaption(ui::lsChartTimeUTC) + " " + QString::fromStdString(SeriesTimeText(h.start));
}

QDateTimeAxis* TimeAxis(const TTimeSeries& h) {
    auto* axis = new QDateTimeAxis;
    axis->setFormat("hh:mm");
    axis->setRange(Utc(h.start), Utc(h.BinStart(h.bins)));
    axis->setTickCount(std::clamp(h.bins + 1, 2, 5));
    axis->setTitleText(TimeTitle(h));
    return axis;
}

// The hours of the rate chart: a bar per hour at 0, 1, ...; a label every few hours.
QCategoryAxis* HourAxis(const TTimeSeries& h) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, std::max(0.5, h.bins - 0.5));
    const int every = h.bins <= 12 ? 1 : h.bins <= 24 ? 3 : 6;
    for (int i = 0; i < h.bins; ++i) {
        const QDateTime t = Utc(h.BinStart(i));
        if (t.time().hour() % every != 0) continue;
        // The axis keeps one category per label: the same hour of a later day gets
        // invisible zero-width spaces to stay apart; midnight shows the date.
        const QString label = t.time().hour() == 0 ? t.toString("dd.MM.") : t.toString("hh:mm");
        axis->append(label + QString(i / 24, QChar(0x200B)), i);
    }
    axis->setTitleText(TimeTitle(h));
    return axis;
}

QString BandName(TBand b) { return FromCore(Trim(BandNames[b])); }

void RenderChart(QChart* chart, QPainter& painter, const QRectF& target) {
    QGraphicsScene scene;
    scene.addItem(chart);  // the scene owns and deletes it
    chart->setGeometry(QRectF(QPointF(0, 0), target.size()));
    scene.setSceneRect(QRectF(QPointF(0, 0), target.size()));
    scene.render(&painter, target, scene.sceneRect());
}

}  // namespace

QChart* MakeRateChart(const TLogSeries& series) {
    const TTimeSeries& h = series.hourly;
    QChart* chart = NewChart(LSCaption(ui::lsChartRate));
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.9);
    for (TBand b : series.bands) {
        auto* set = new QBarSet(BandName(b));
        set->setColor(QColor(BandColor(b)));
        set->setBorderColor(QColor(BandColor(b)));
        for (int i = 0; i < h.bins; ++i) set->append(h.qsos.Of(b, i));
        bars->append(set);
    }
    chart->addSeries(bars);
    QCategoryAxis* x = HourAxis(h);
    const auto most = std::max_element(h.qsos.all.begin(), h.qsos.all.end());
    QValueAxis* y = CountAxis(LSCaption(ui::lsChartQSOs), most == h.qsos.all.end() ? 0 : *most);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
    return chart;
}

QChart* MakeCumulativeChart(const TLogSeries& series) {
    const TTimeSeries& h = series.hourly;
    QChart* chart = NewChart(LSCaption(ui::lsChartCumulative));
    QDateTimeAxis* x = TimeAxis(h);
    chart->addAxis(x, Qt::AlignBottom);
    auto cumulative = [&](const std::vector<std::int32_t>& counts, const QString& name, const QColor& color) {
        auto* line = new QLineSeries;
        line->setName(name);
        line->setColor(color);
        double sum = 0;
        line->append(static_cast<qreal>(Utc(h.start).toMSecsSinceEpoch()), 0);
        for (int i = 0; i < h.bins; ++i) {
            sum += counts[static_cast<std::size_t>(i)];
            line->append(static_cast<qreal>(Utc(h.BinStart(i + 1)).toMSecsSinceEpoch()), sum);
        }
        chart->addSeries(line);
        line->attachAxis(x);
        return std::pair{line, sum};
    };
    const auto [qsos, allQSOs] = cumulative(h.qsos.all, LSCaption(ui::lsChartQSOs), QColor("#2563eb"));
    QValueAxis* left = CountAxis(LSCaption(ui::lsChartQSOs), allQSOs);
    chart->addAxis(left, Qt::AlignLeft);
    qsos->attachAxis(left);
    if (series.multiKinds == 0) return chart;
    static const char* const kKindColors[] = {"#dc2626", "#16a34a", "#9333ea"};
    std::vector<QLineSeries*> lines;
    double most = 0;
    for (int k = 0; k < series.multiKinds; ++k) {
        const auto [line, all] = cumulative(h.newMulties[static_cast<std::size_t>(k)].all,
                                            FromCore(series.multiNames[static_cast<std::size_t>(k)]),
                                            QColor(kKindColors[static_cast<std::size_t>(k) % std::size(kKindColors)]));
        lines.push_back(line);
        most = std::max(most, all);
    }
    QValueAxis* right = CountAxis(LSCaption(ui::lsChartMultipliers), most);
    chart->addAxis(right, Qt::AlignRight);
    for (QLineSeries* line : lines) line->attachAxis(right);
    chart->legend()->setAlignment(Qt::AlignTop);
    return chart;
}

QChart* MakeBandMapChart(const TLogSeries& series) {
    const TTimeSeries& h = series.hourly;
    QChart* chart = NewChart(LSCaption(ui::lsChartBandMap));
    chart->legend()->hide();
    QDateTimeAxis* x = TimeAxis(h);
    chart->addAxis(x, Qt::AlignBottom);
    auto* y = new QCategoryAxis;
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    y->setRange(-0.5, std::max<double>(0.5, static_cast<double>(series.bands.size()) - 0.5));
    chart->addAxis(y, Qt::AlignLeft);
    double largest = 1;
    for (TBand b : series.bands)
        for (int i = 0; i < h.bins; ++i) largest = std::max(largest, static_cast<double>(h.qsos.Of(b, i)));
    for (std::size_t row = 0; row < series.bands.size(); ++row) {
        const TBand b = series.bands[row];
        y->append(BandName(b), static_cast<double>(row));
        auto* cells = new QScatterSeries;
        cells->setName(BandName(b));
        cells->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        cells->setMarkerSize(12);
        cells->setBorderColor(Qt::transparent);
        const QColor color(BandColor(b));
        cells->setColor(color);
        for (int i = 0; i < h.bins; ++i) {
            const int n = h.qsos.Of(b, i);
            if (n <= 0) continue;
            const qint64 middle =
                (Utc(h.BinStart(i)).toMSecsSinceEpoch() + Utc(h.BinStart(i + 1)).toMSecsSinceEpoch()) / 2;
            cells->append(static_cast<qreal>(middle), static_cast<qreal>(row));
            QColor shade = color;
            shade.setAlphaF(static_cast<float>(0.2 + 0.8 * n / largest));
            cells->setPointConfiguration(cells->count() - 1, QXYSeries::PointConfiguration::Color, shade);
        }
        chart->addSeries(cells);
        cells->attachAxis(x);
        cells->attachAxis(y);
    }
    return chart;
}

TChartsView::TChartsView(QWidget* parent) : QWidget(parent) {
    setObjectName("chartsView");
    FSummary = new QLabel;
    FPrint = new QPushButton;
    FSavePNG = new QPushButton;
    FSaveSVG = new QPushButton;
    FPrint->setObjectName("btChartsPrint");
    FSavePNG->setObjectName("btChartsSavePNG");
    FSaveSVG->setObjectName("btChartsSaveSVG");
    connect(FPrint, &QPushButton::clicked, this, [this] { emit PrintRequested(); });
    connect(FSavePNG, &QPushButton::clicked, this, [this] { emit SaveRequested(false); });
    connect(FSaveSVG, &QPushButton::clicked, this, [this] { emit SaveRequested(true); });
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 0);
    bar->addWidget(FSummary, 1);
    bar->addWidget(FPrint);
    bar->addWidget(FSavePNG);
    bar->addWidget(FSaveSVG);

    auto makeView = [] {
        auto* view = new QChartView(new QChart);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(240, 160);
        return view;
    };
    FRate = makeView();
    FCumulative = makeView();
    FBandMap = makeView();
    auto* charts = new QWidget;
    auto* row = new QHBoxLayout(charts);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(FRate, 3);
    row->addWidget(FCumulative, 2);
    row->addWidget(FBandMap, 2);
    FNothing = new QLabel;
    FNothing->setAlignment(Qt::AlignCenter);
    FStack = new QStackedLayout;
    FStack->addWidget(FNothing);
    FStack->addWidget(charts);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addLayout(FStack, 1);
    Retranslate();
}

QChart* TChartsView::RateChart() const { return FRate->chart(); }
QChart* TChartsView::CumulativeChart() const { return FCumulative->chart(); }
QChart* TChartsView::BandMapChart() const { return FBandMap->chart(); }

void TChartsView::SetSeries(TLogSeries series) {
    FSeries = std::move(series);
    Rebuild();
}

void TChartsView::Retranslate() {
    FPrint->setText(LSCaption(ui::lsChartPrint));
    FPrint->setToolTip(LSHint(ui::lsChartPrint));
    FSavePNG->setText(LSCaption(ui::lsChartSavePNG));
    FSavePNG->setToolTip(LSHint(ui::lsChartSavePNG));
    FSaveSVG->setText(LSCaption(ui::lsChartSaveSVG));
    FSaveSVG->setToolTip(LSHint(ui::lsChartSaveSVG));
    FNothing->setText(LSCaption(ui::lsChartNothing));
    Rebuild();
}

void TChartsView::Rebuild() {
    const bool empty = FSeries.Empty();
    FStack->setCurrentIndex(empty ? 0 : 1);
    FPrint->setEnabled(!empty);
    FSavePNG->setEnabled(!empty);
    FSaveSVG->setEnabled(!empty);
    int off = 0;
    for (const TOffTime& t : FSeries.offTimes) off += t.minutes;
    FSummary->setText(empty ? QString()
                            : QString("%1 (%2 %3): %4, %5:%6   %7: %8")
                                  .arg(LSCaption(ui::lsChartOffTimes))
                                  .arg(FSeries.minimumRestMinutes)
                                  .arg(LSCaption(ui::lsChartMinutesOrMore))
                                  .arg(FSeries.offTimes.size())
                                  .arg(off / 60)
                                  .arg(off % 60, 2, 10, QChar('0'))
                                  .arg(LSCaption(ui::lsChartBandChanges))
                                  .arg(FSeries.bandChanges.size()));
    // The views delete the charts they showed.
    FRate->setChart(MakeRateChart(FSeries));
    FCumulative->setChart(MakeCumulativeChart(FSeries));
    FBandMap->setChart(MakeBandMapChart(FSeries));
}

void TChartsView::Paint(QPainter& painter, const QRectF& target) const {
    const double h = target.height() / 3;
    QChart* (*const makers[])(const TLogSeries&) = {MakeRateChart, MakeCumulativeChart, MakeBandMapChart};
    for (int i = 0; i < 3; ++i)
        RenderChart(makers[i](FSeries), painter, QRectF(target.left(), target.top() + i * h, target.width(), h));
}

void TChartsView::PrintTo(QPrinter& printer) const {
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    // The charts keep the proportions of a saved picture, as wide as the page allows.
    const QRectF page = painter.viewport();
    const double scale = std::min(page.width() / kPictureWidth, page.height() / (3.0 * kPictureChartHeight));
    painter.scale(scale, scale);
    Paint(painter, QRectF(0, 0, kPictureWidth, 3.0 * kPictureChartHeight));
}

bool TChartsView::SavePicture(const QString& fileName, QString* error) const {
    const QSize size(kPictureWidth, 3 * kPictureChartHeight);
    if (fileName.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(LSCaption(ui::lsChartsTab));
        QPainter painter;
        if (!painter.begin(&svg)) {
            if (error) *error = fileName;
            return false;
        }
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        Paint(painter, QRectF(QPointF(0, 0), size));
        return painter.end();
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        Paint(painter, QRectF(QPointF(0, 0), size));
    }
    if (image.save(fileName, "PNG")) return true;
    if (error) *error = fileName;
    return false;
}

void TChartsView::SaveWithDialog(const QString& proposed, bool svg) {
    const QString png = LSCaption(ui::lsChartFilterPNG);
    const QString svgFilter = LSCaption(ui::lsChartFilterSVG);
    QString chosenFilter = svg ? svgFilter : png;
    QString name = proposed + (svg ? ".svg" : ".png");
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString(), name, svg ? svgFilter + ";;" + png : png + ";;" + svgFilter, &chosenFilter);
    if (chosen.isEmpty()) return;
    QString file = chosen;
    if (!file.endsWith(".png", Qt::CaseInsensitive) && !file.endsWith(".svg", Qt::CaseInsensitive))
        file += chosenFilter == svgFilter ? ".svg" : ".png";
    QString error;
    if (!SavePicture(file, &error)) ShowErrorMessage(ToCore(LSCaption(ui::lsChartNotSaved) + "\n" + error));
}

}  // namespace qz::gui
