#include "gui/newlogdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "contests/factory.h"
#include "gui/commands.h"
#include "gui/qtext.h"

namespace qz::gui {

TNewLogDialog::TNewLogDialog(QWidget* parent) : QDialog(parent), FContest(new QComboBox), FOwnCall(new QLineEdit) {
    setWindowTitle(LSCaption(ui::lsNewLogTitle));
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c) {
        const auto contest = static_cast<TContest>(c);
        if (ContestHasClass(contest) && ContestHasOwnRules(contest))
            FContest->addItem(FromCore(ContestNames[contest]).trimmed(), c);
    }
    FOwnCall->setMaxLength(26);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    connect(FOwnCall, &QLineEdit::textChanged, this, [buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    auto* form = new QFormLayout(this);
    form->addRow(LSCaption(ui::lsContest), FContest);
    form->addRow(LSCaption(ui::lsOwnCall), FOwnCall);
    form->addRow(buttons);
}

TContest TNewLogDialog::Contest() const { return static_cast<TContest>(FContest->currentData().toInt()); }

std::string TNewLogDialog::OwnCall() const { return ToCore(FOwnCall->text().trimmed().toUpper()); }

}  // namespace qz::gui
