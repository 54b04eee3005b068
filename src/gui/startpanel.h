// What the main window shows while no log is open: how to begin, with buttons for a new
// log, opening one, and the logs used lately.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace qz::gui {

class TStartPanel : public QWidget {
    Q_OBJECT
public:
    // Shown centred over `area` (its parent); `newLog` and `open` are the main window's
    // commands, `openFile` opens a recent file.
    TStartPanel(QWidget* area, QAction* newLog, QAction* open, std::function<void(const std::string&)> openFile);

    // Shows the panel while `noLogOpen` with these recent files (newest first).
    void Update(bool noLogOpen, const std::vector<std::string>& recentFiles);
    // Texts in the language now loaded.
    void Retranslate();
    QPushButton* NewButton() const { return FNew; }
    QPushButton* OpenButton() const { return FOpen; }
    // The buttons of the recent files, newest first.
    std::vector<QPushButton*> RecentButtons() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Centre();
    void FillRecent();

    QAction* FNewAction;
    QAction* FOpenAction;
    std::function<void(const std::string&)> FOpenFile;
    QLabel* FTitle;
    QLabel* FText;
    QPushButton* FNew;
    QPushButton* FOpen;
    QLabel* FRecentTitle;
    QVBoxLayout* FRecentLayout;
    std::vector<std::string> FRecent;
};

}  // namespace qz::gui
