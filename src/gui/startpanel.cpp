#include "gui/startpanel.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/commands.h"
#include "gui/qtext.h"
#include "gui/shellstrings.h"

namespace qz::gui {

namespace {

// At most this many recent files are offered; the menu holds all of them.
constexpr std::size_t kMaxRecentShown = 8;
constexpr int kPanelWidth = 480;

QString PlainCaption(const QAction* action) { return action->text().remove('&').remove("..."); }

}  // namespace

TStartPanel::TStartPanel(QWidget* area, QAction* newLog, QAction* open,
                         std::function<void(const std::string&)> openFile)
    : QWidget(area),
      FNewAction(newLog),
      FOpenAction(open),
      FOpenFile(std::move(openFile)),
      FTitle(new QLabel),
      FText(new QLabel),
      FNew(new QPushButton),
      FOpen(new QPushButton),
      FRecentTitle(new QLabel),
      FRecentLayout(new QVBoxLayout) {
    setObjectName("StartPanel");
    setAutoFillBackground(true);
    QFont big = FTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    FTitle->setFont(big);
    FTitle->setMinimumHeight(QFontMetrics(big).height() * 5 / 4);
    QFont bold = FRecentTitle->font();
    bold.setBold(true);
    FRecentTitle->setFont(bold);
    for (QPushButton* b : {FNew, FOpen}) b->setMinimumHeight(b->sizeHint().height() * 3 / 2);
    connect(FNew, &QPushButton::clicked, FNewAction, &QAction::trigger);
    connect(FOpen, &QPushButton::clicked, FOpenAction, &QAction::trigger);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FNew);
    buttons->addWidget(FOpen);
    FRecentLayout->setSpacing(2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(FTitle);
    layout->addWidget(FText);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addSpacing(12);
    layout->addWidget(FRecentTitle);
    layout->addLayout(FRecentLayout);
    area->installEventFilter(this);
    Retranslate();
}

void TStartPanel::Update(bool noLogOpen, const std::vector<std::string>& recentFiles) {
    if (recentFiles != FRecent) {
        FRecent = recentFiles;
        FillRecent();
    }
    if (noLogOpen != isVisible()) {
        setVisible(noLogOpen);
        if (noLogOpen) {
            raise();
            Centre();
        }
    }
}

void TStartPanel::Retranslate() {
    FTitle->setText(LSCaption(lsNoLogOpen));
    FText->setText(LSCaption(lsHowToBegin));
    FNew->setText(PlainCaption(FNewAction));
    FNew->setIcon(FNewAction->icon());
    FNew->setToolTip(FNewAction->toolTip());
    FOpen->setText(PlainCaption(FOpenAction));
    FOpen->setIcon(FOpenAction->icon());
    FOpen->setToolTip(FOpenAction->toolTip());
    FillRecent();
}

std::vector<QPushButton*> TStartPanel::RecentButtons() const {
    std::vector<QPushButton*> buttons;
    for (int i = 0; i < FRecentLayout->count(); ++i)
        if (auto* b = qobject_cast<QPushButton*>(FRecentLayout->itemAt(i)->widget())) buttons.push_back(b);
    return buttons;
}

void TStartPanel::FillRecent() {
    while (QLayoutItem* item = FRecentLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    FRecentTitle->setText(LSCaption(ui::lsMenuRecent).remove('&') + ":");
    if (FRecent.empty()) FRecentLayout->addWidget(new QLabel(LSCaption(ui::lsNoRecentFiles)));
    for (std::size_t i = 0; i < FRecent.size() && i < kMaxRecentShown; ++i) {
        // The file name stands out, its folder is in the hint.
        const QString path = FromPath(FRecent[i]);
        auto* button = new QPushButton(QFileInfo(path).fileName());
        button->setFlat(true);
        button->setToolTip(path);
        button->setStyleSheet("text-align: left; padding: 2px 6px;");
        button->setCursor(Qt::PointingHandCursor);
        const std::string file = FRecent[i];
        connect(button, &QPushButton::clicked, this, [this, file] { FOpenFile(file); });
        FRecentLayout->addWidget(button);
    }
    Centre();
}

bool TStartPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) Centre();
    return QWidget::eventFilter(watched, event);
}

void TStartPanel::Centre() {
    const QWidget* area = parentWidget();
    if (area == nullptr) return;
    layout()->activate();
    const QSize wanted = sizeHint();
    setFixedSize(std::max(kPanelWidth, wanted.width()), wanted.height());
    move(std::max(0, (area->width() - width()) / 2), std::max(0, (area->height() - height()) / 3));
}

}  // namespace qz::gui
