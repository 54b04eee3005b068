#include "gui/guifrontend.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "gui/qtext.h"
#include "gui/shellstrings.h"

namespace qz::gui {

namespace {

constexpr int lsErrorCaption = 348;
constexpr int lsQuestionCaption = 349;

TMsgAnswer ToAnswer(int button) {
    switch (button) {
        case QMessageBox::Yes: return TMsgAnswer::Yes;
        case QMessageBox::No: return TMsgAnswer::No;
        case QMessageBox::Ok: return TMsgAnswer::Ok;
        default: return TMsgAnswer::Cancel;
    }
}

int Ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const std::string& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
    QMessageBox box(icon, title, FromCore(text), buttons, parent);
    box.setEscapeButton(escape);
    return box.exec();
}

}  // namespace

TGuiFrontEnd::TGuiFrontEnd(QWidget* parent, QStatusBar* statusBar) : FParent(parent), FProgressBar(new QProgressBar) {
    FProgressBar->setMaximumWidth(240);
    FProgressBar->setTextVisible(false);
    FProgressBar->hide();
    statusBar->addPermanentWidget(FProgressBar);
}

TGuiFrontEnd::~TGuiFrontEnd() {
    while (FProgressDepth > 0) ProgressEnd();
}

void TGuiFrontEnd::ShowInfoMessage(const std::string& text) {
    Ask(FParent, QMessageBox::Information, "QZ", text, QMessageBox::Ok, QMessageBox::Ok);
}

void TGuiFrontEnd::ShowErrorMessage(const std::string& text) {
    Ask(FParent, QMessageBox::Critical, LSCaption(lsErrorCaption), text, QMessageBox::Ok, QMessageBox::Ok);
}

TMsgAnswer TGuiFrontEnd::AskYesNo(const std::string& text) {
    return ToAnswer(Ask(FParent, QMessageBox::Question, LSCaption(lsQuestionCaption), text,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
}

TMsgAnswer TGuiFrontEnd::AskOkCancel(const std::string& text) {
    return ToAnswer(Ask(FParent, QMessageBox::Warning, LSCaption(lsWarning), text,
                        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel));
}

TMsgAnswer TGuiFrontEnd::AskYesNoCancel(const std::string& text) {
    return ToAnswer(Ask(FParent, QMessageBox::Question, LSCaption(lsQuestionCaption), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel));
}

bool TGuiFrontEnd::QueryText(const std::string& caption, const std::string& prompt, std::string& value) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(FParent, FromCore(caption), FromCore(prompt), QLineEdit::Normal, FromCore(value), &ok);
    if (ok) value = ToCore(answer);
    return ok;
}

bool TGuiFrontEnd::ChooseFileToOpen(const std::string& filter, std::string& fileName) {
    QString qtFilter = FromCore(filter);
    if (qtFilter.contains('|')) {
        // A language-file filter: rebuild it the way DialogFilter does.
        QStringList parts = qtFilter.split('|');
        QStringList out;
        for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i];
        qtFilter = out.join(";;");
    }
    const QString chosen = QFileDialog::getOpenFileName(FParent, QString(), FromPath(fileName), qtFilter);
    if (chosen.isEmpty()) return false;
    fileName = ToPath(chosen);
    return true;
}

void TGuiFrontEnd::ProgressStart(int maximum) {
    if (FProgressDepth++ > 0) return;  // a nested operation shares the outer bar
    ++FProgressStarts;
    FProgressBar->setRange(0, std::max(1, maximum));
    FProgressBar->setValue(0);
    FProgressBar->show();
    FLastShownPercent = -1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    FProgressBar->repaint();
}

void TGuiFrontEnd::ProgressStep(int delta) {
    if (FProgressDepth == 0) return;
    const int value = std::min(FProgressBar->maximum(), FProgressBar->value() + delta);
    FProgressBar->setValue(value);
    // Repaint only when the bar visibly moves, so that a step per line stays cheap.
    const int percent = static_cast<int>(100LL * value / FProgressBar->maximum());
    if (percent != FLastShownPercent) {
        FLastShownPercent = percent;
        FProgressBar->repaint();
    }
}

void TGuiFrontEnd::ProgressEnd() {
    if (FProgressDepth == 0 || --FProgressDepth > 0) return;
    FProgressBar->hide();
    QApplication::restoreOverrideCursor();
}

void TGuiFrontEnd::Beep() { QApplication::beep(); }

void ShowLinesLeftOut(const std::string& fileName, const TDroppedLines& dropped) {
    if (dropped.count == 0) return;
    constexpr std::size_t kShown = 10;
    QString text = QString::number(dropped.count) + " " + LSText(lsLinesLeftOut) + "\n" + FromPath(fileName);
    for (std::size_t i = 0; i < dropped.listed.size() && i < kShown; ++i)
        text += "\n" + MessageWithPath(dropped.listed[i], fileName);
    if (static_cast<std::size_t>(dropped.count) > kShown) text += "\n...";
    qz::ShowErrorMessage(ToCore(text));
}

}  // namespace qz::gui
