#include "gui/manualwindow.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "base/installfiles.h"
#include "gui/commandstrings.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"

namespace qz::gui {

std::string ManualIndexPath(TLanguage language) {
    return ManualFolder() + (language == lGerman ? "/de/index.html" : "/en/index.html");
}

TManualWindow::TManualWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      FBrowser(new QTextBrowser),
      FBack(new QAction(this)),
      FForward(new QAction(this)),
      FContents(new QAction(this)) {
    setObjectName("manualWindow");
    resize(900, 700);
    FBrowser->setOpenLinks(true);
    FBrowser->setOpenExternalLinks(true);
    auto* bar = new QToolBar;
    FBack->setIcon(QIcon::fromTheme("go-previous"));
    FForward->setIcon(QIcon::fromTheme("go-next"));
    FContents->setIcon(QIcon::fromTheme("go-home"));
    FBack->setShortcut(QKeySequence::Back);
    FForward->setShortcut(QKeySequence::Forward);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (QAction* a : {FBack, FForward, FContents}) bar->addAction(a);
    FBack->setEnabled(false);
    FForward->setEnabled(false);
    connect(FBack, &QAction::triggered, FBrowser, &QTextBrowser::backward);
    connect(FForward, &QAction::triggered, FBrowser, &QTextBrowser::forward);
    connect(FContents, &QAction::triggered, this, [this] { ShowContents(FLanguage); });
    connect(FBrowser, &QTextBrowser::backwardAvailable, FBack, &QAction::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, FForward, &QAction::setEnabled);
    connect(FBrowser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(LSCaption(cmd::lsManual).remove('&') + " - " + FBrowser->documentTitle()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(FBrowser, 1);
    Retranslate();
}

void TManualWindow::Retranslate() {
    FBack->setText(LSCaption(cmd::lsBack));
    FForward->setText(LSCaption(cmd::lsForward));
    FContents->setText(LSCaption(cmd::lsContents));
}

bool TManualWindow::ShowContents(TLanguage language) {
    FLanguage = language;
    const std::string index = ManualIndexPath(language);
    if (!FileExists(index)) {
        ShowErrorMessage(LS(cmd::lsManualMissing) + " " + index);
        return false;
    }
    FBrowser->setSource(QUrl::fromLocalFile(FromPath(index)));
    return true;
}

void ShowManual(TMainForm& window, TLanguage language) {
    auto* manual = window.findChild<TManualWindow*>();
    if (manual == nullptr) manual = new TManualWindow(&window);
    manual->Retranslate();
    if (!manual->ShowContents(language)) return;
    manual->show();
    manual->raise();
    manual->activateWindow();
}

}  // namespace qz::gui
