#include "gui/searchdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/commands.h"
#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

constexpr int kMaxSearchLength = 255;

// The boxes in the order of TSearchOptions, with their texts and object names.
constexpr std::pair<const char*, int> kBoxes[] = {
    {"cbDate", dlg::lsDate},
    {"cbTime", dlg::lsTime},
    {"cbBand", dlg::lsBand},
    {"cbMode", dlg::lsMode},
    {"cbCall", dlg::lsCall},
    {"cbSentRST", dlg::lsSentRST},
    {"cbRcvdRST", dlg::lsRcvdRST},
    {"cbSentNumber", dlg::lsSentNumbers},
    {"cbRcvdNumber", dlg::lsRcvdNumbers},
    {"cbMulties", dlg::lsMultipliers},
    {"cbPoints", dlg::lsPoints},
    {"cbWholeWordOnly", dlg::lsWholeField},
};

}  // namespace

TSearchForm::TSearchForm(QWidget* parent)
    : QDialog(parent), leSearchFor(new QLineEdit), FFromBegin(new QRadioButton), FFromCursor(new QRadioButton) {
    setWindowTitle(LSCaption(861).remove('&').remove("..."));
    leSearchFor->setObjectName("leSearchFor");
    leSearchFor->setMaxLength(kMaxSearchLength);
    auto* form = new QFormLayout;
    form->addRow(LSCaption(ui::lsSearchFor), leSearchFor);

    auto* fields = new QGroupBox(LSCaption(dlg::lsSearchIn));
    auto* grid = new QGridLayout(fields);
    for (std::size_t i = 0; i < FBoxes.size(); ++i) {
        FBoxes[i] = new QCheckBox(LSCaption(kBoxes[i].second));
        FBoxes[i]->setObjectName(kBoxes[i].first);
        if (i + 1 < FBoxes.size()) grid->addWidget(FBoxes[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
    }
    auto* from = new QGroupBox(LSCaption(dlg::lsSearchFrom));
    from->setObjectName("rgSearchFrom");
    auto* fromLayout = new QVBoxLayout(from);
    FFromBegin->setText(LSCaption(dlg::lsFromFirstLine));
    FFromCursor->setText(LSCaption(dlg::lsFromCursor));
    fromLayout->addWidget(FFromBegin);
    fromLayout->addWidget(FFromCursor);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fields);
    layout->addWidget(FBoxes.back());
    layout->addWidget(from);
    layout->addWidget(NewOkCancel(this));
    SetSearchOptions(TSearchOptions());
    RestrictToCp1252(this);
}

void TSearchForm::SetSearchOptions(const TSearchOptions& o) {
    leSearchFor->setText(FromCore(o.soFindWhat));
    leSearchFor->selectAll();
    leSearchFor->setFocus();
    const bool values[] = {o.soSearchInDate,       o.soSearchInTime,    o.soSearchInBand,    o.soSearchInMode,
                           o.soSearchInCall,       o.soSearchInSentRST, o.soSearchInRcvdRST, o.soSearchInSentNumber,
                           o.soSearchInRcvdNumber, o.soSearchInMulties, o.soSearchInPoints,  o.soWholeWordOnly};
    for (std::size_t i = 0; i < FBoxes.size(); ++i) FBoxes[i]->setChecked(values[i]);
    FFromBegin->setChecked(o.soSearchFrom == sfBegin);
    FFromCursor->setChecked(o.soSearchFrom == sfCursor);
}

TSearchOptions TSearchForm::SearchOptions() const {
    TSearchOptions o;
    o.soFindWhat = ToCore(leSearchFor->text());
    bool* values[] = {&o.soSearchInDate,       &o.soSearchInTime,    &o.soSearchInBand,    &o.soSearchInMode,
                      &o.soSearchInCall,       &o.soSearchInSentRST, &o.soSearchInRcvdRST, &o.soSearchInSentNumber,
                      &o.soSearchInRcvdNumber, &o.soSearchInMulties, &o.soSearchInPoints,  &o.soWholeWordOnly};
    for (std::size_t i = 0; i < FBoxes.size(); ++i) *values[i] = FBoxes[i]->isChecked();
    o.soSearchFrom = FFromCursor->isChecked() ? sfCursor : sfBegin;
    return o;
}

}  // namespace qz::gui
