#include "gui/adifconfigdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "base/language.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "domain/adifformat.h"
#include "engine/contestlog.h"
#include "gui/formatstrings.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

// The check boxes in the order of the dialog, with the field of the configuration.
struct TFieldBox {
    const char* name;
    bool TADIFConfig::*field;
};
constexpr TFieldBox kFieldBoxes[] = {
    {"CALL", &TADIFConfig::CALL},         {"BAND", &TADIFConfig::BAND},         {"FREQ", &TADIFConfig::FREQ},
    {"MODE", &TADIFConfig::MODE},         {"QSO_DATE", &TADIFConfig::QSO_DATE}, {"TIME_ON", &TADIFConfig::TIME_ON},
    {"TIME_OFF", &TADIFConfig::TIME_OFF}, {"RST_SENT", &TADIFConfig::RST_SENT}, {"STX", &TADIFConfig::STX},
    {"RST_RCVD", &TADIFConfig::RST_RCVD}, {"QSL_SENT", &TADIFConfig::QSL_SENT}, {"QSL_RCVD", &TADIFConfig::QSL_RCVD},
};

// Fields a record writes itself: a received number under one of them would give the
// record the field twice.
constexpr const char* kOwnFields[] = {"call",       "band",     "freq",     "mode",    "qso_date", "time_on",
                                      "time_off",   "rst_sent", "rst_rcvd", "stx",     "qsl_sent", "qsl_rcvd",
                                      "contest_id", "eor",      "eoh",      "adif_ver"};
constexpr std::size_t kMaxFieldName = 64;

}  // namespace

bool FreeADIFFieldName(const std::string& name) {
    if (name.empty()) return true;
    if (name.size() > kMaxFieldName || !IsLetter(name[0])) return false;
    for (char c : name)
        if (!IsLetter(c) && !IsDigit(c) && c != '_') return false;
    for (const char* own : kOwnFields)
        if (SameText(name, own)) return false;
    return true;
}

TADIFConfigForm::TADIFConfigForm(const TContestLog& log, QWidget* parent)
    : QDialog(parent), FContestLog(log), FRows(ADIFRcvdRows(log)) {
    setObjectName("TADIFConfigForm");
    setWindowTitle(LSCaption(fmt::lsADIFConfigCommand).remove('&').remove("..."));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* fields = new QGroupBox("ADIF");
    auto* fieldGrid = new QGridLayout(fields);
    int i = 0;
    for (const TFieldBox& f : kFieldBoxes) {
        auto* box = new QCheckBox(f.name);
        box->setObjectName(QString("cb") + f.name);
        fieldGrid->addWidget(box, i % 6, i / 6);
        FBoxes.insert(f.name, box);
        connect(box, &QCheckBox::toggled, this, [this] { UpdateExample(); });
        ++i;
    }
    top->addWidget(fields);
    auto* right = new QVBoxLayout;
    auto* time = new QGroupBox(LSCaption(fmt::lsTimeFormat));
    time->setObjectName("rgTimeFormat");
    auto* timeLayout = new QVBoxLayout(time);
    FTimeFormat[0] = new QRadioButton("HHMM");
    FTimeFormat[1] = new QRadioButton("HHMMSS");
    auto* contest = new QGroupBox(LSHint(fmt::lsTimeFormat));
    contest->setObjectName("rgCONTEST_ID");
    auto* contestLayout = new QVBoxLayout(contest);
    FContestId[0] = new QRadioButton(LSCaption(fmt::lsContestIdWhere));
    FContestId[1] = new QRadioButton(LSHint(fmt::lsContestIdWhere));
    for (int k = 0; k < 2; ++k) {
        timeLayout->addWidget(FTimeFormat[k]);
        contestLayout->addWidget(FContestId[k]);
        connect(FTimeFormat[k], &QRadioButton::toggled, this, [this] { UpdateExample(); });
        connect(FContestId[k], &QRadioButton::toggled, this, [this] { UpdateExample(); });
    }
    right->addWidget(time);
    right->addWidget(contest);
    right->addStretch();
    top->addLayout(right);
    layout->addLayout(top);

    FTable = new QTableWidget(static_cast<int>(FRows.size()), 2);
    FTable->setObjectName("vleRcvd");
    FTable->setHorizontalHeaderLabels({LSCaption(fmt::lsKeyTitle), LSCaption(fmt::lsADIFFieldTitle)});
    FTable->verticalHeader()->hide();
    FTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    FTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    FTable->setEnabled(!FRows.empty());
    for (int r = 0; r < FTable->rowCount(); ++r) {
        auto* key = new QTableWidgetItem(FromCore(FRows[static_cast<std::size_t>(r)].Header));
        key->setFlags(Qt::ItemIsEnabled);
        FTable->setItem(r, 0, key);
        // A pick list that also takes a field name typed in; the empty entry writes nothing.
        auto* pick = new QComboBox;
        pick->setEditable(true);
        pick->setInsertPolicy(QComboBox::NoInsert);
        pick->addItem(QString());
        for (std::string_view f : adif::kRcvdFieldChoices) pick->addItem(QString::fromLatin1(f.data(), f.size()));
        connect(pick, &QComboBox::currentTextChanged, this, [this] { UpdateExample(); });
        FTable->setCellWidget(r, 1, pick);
    }
    FTable->setMaximumHeight(FTable->horizontalHeader()->sizeHint().height() +
                             std::max(1, FTable->rowCount()) * FTable->verticalHeader()->defaultSectionSize() + 6);
    layout->addWidget(FTable);
    FError = new QLabel;
    FError->setObjectName("laError");
    FError->setStyleSheet("color: #b00000");
    FError->setWordWrap(true);
    layout->addWidget(FError);

    layout->addWidget(new QLabel(LSHint(fmt::lsRestoreDefaults)));
    FExample = new QPlainTextEdit;
    FExample->setObjectName("memoExampleQSO");
    FExample->setReadOnly(true);
    FExample->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    FExample->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    FExample->setMaximumHeight(FExample->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(FExample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(fmt::lsCancel));
    QPushButton* restore = buttons->addButton(LSCaption(fmt::lsRestoreDefaults), QDialogButtonBox::ResetRole);
    restore->setObjectName("bbRestoreDefaults");
    connect(restore, &QPushButton::clicked, this, [this] { RestoreDefaults(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TADIFConfigForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    SetConfig(TADIFConfig::FromSettings(static_cast<int>(FRows.size())));
}

void TADIFConfigForm::SetConfig(const TADIFConfig& config) {
    for (const TFieldBox& f : kFieldBoxes) FBoxes[f.name]->setChecked(config.*f.field);
    FTimeFormat[config.TimeFormat == 1 ? 1 : 0]->setChecked(true);
    FContestId[config.ContestIdOutput == 1 ? 1 : 0]->setChecked(true);
    for (int r = 0; r < FTable->rowCount(); ++r) {
        const std::size_t n = static_cast<std::size_t>(r);
        auto* pick = qobject_cast<QComboBox*>(FTable->cellWidget(r, 1));
        pick->setEditText(n < config.RcvdAssignment.size() ? FromCore(config.RcvdAssignment[n]) : QString());
    }
    UpdateExample();
}

void TADIFConfigForm::RestoreDefaults() { SetConfig(TADIFConfig::Defaults(FContestLog)); }

QString TADIFConfigForm::RowText(int row) const {
    const auto* pick = qobject_cast<QComboBox*>(FTable->cellWidget(row, 1));
    return pick != nullptr ? pick->currentText().trimmed() : QString();
}

QString TADIFConfigForm::RowError(int row) const {
    const QString text = RowText(row);
    if (FreeADIFFieldName(ToCore(text.toLower())) && text.size() == static_cast<int>(ToCore(text).size()))
        return QString();
    return FTable->item(row, 0)->text() + ": \"" + text + "\" " + LSCaption(fmt::lsBadADIFField);
}

TADIFConfig TADIFConfigForm::Config() const {
    TADIFConfig c;
    for (const TFieldBox& f : kFieldBoxes) c.*f.field = FBoxes[f.name]->isChecked();
    c.TimeFormat = FTimeFormat[1]->isChecked() ? 1 : 0;
    c.ContestIdOutput = FContestId[1]->isChecked() ? 1 : 0;
    for (int r = 0; r < FTable->rowCount(); ++r)
        c.RcvdAssignment.push_back(RowError(r).isEmpty() ? ToCore(RowText(r).toLower()) : std::string());
    return c;
}

void TADIFConfigForm::UpdateExample() {
    QStringList errors;
    for (int r = 0; r < FTable->rowCount(); ++r)
        if (const QString e = RowError(r); !e.isEmpty()) errors << e;
    FError->setText(errors.join('\n'));
    FError->setVisible(!errors.isEmpty());
    FExample->setPlainText(FromCore(TADIFExport(FContestLog, Config()).ExportSingleQSO(0)));
}

void TADIFConfigForm::accept() {
    for (int r = 0; r < FTable->rowCount(); ++r)
        if (const QString e = RowError(r); !e.isEmpty()) {
            ShowErrorMessage(ToCore(e));
            FTable->cellWidget(r, 1)->setFocus();
            return;
        }
    QDialog::accept();
}

bool ShowADIFConfigDialog(QWidget* parent, const TContestLog& log) {
    TADIFConfigForm form(log, parent);
    if (form.exec() != QDialog::Accepted) return false;
    if (!form.Config().Save())
        ShowErrorMessage(
            ToCore(MessageWithPath(LS(fmt::lsExportFailed) + " " + SettingsFilePath(), SettingsFilePath())));
    return true;
}

}  // namespace qz::gui
