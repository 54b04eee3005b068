// The statistics dialog: per multiplier kind a table of its multipliers with, per band
// and over all bands, the QSOs that carried each and the calls that did.
#pragma once

#include <QDialog>
#include <vector>

#include "engine/statistics.h"

class QTabWidget;
class QTableWidget;

namespace qz::gui {

class TStatisticsForm : public QDialog {
    Q_OBJECT
public:
    // `log` must be compiled; the dialog keeps what it shows, not the log.
    explicit TStatisticsForm(const TContestLog& log, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return FTabs; }
    QTableWidget* Table(int tab) const;

private:
    void ShowCalls(int tab, int row, int column);
    // Widens the dialog so that all columns show without scrolling, as far as the
    // screen allows.
    void FitToTables();

    std::vector<TStatisticsTable> FTables;
    QTabWidget* FTabs;
};

}  // namespace qz::gui
