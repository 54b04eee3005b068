#include "gui/asciiimportdialog.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "base/datetime.h"
#include "base/fileio.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "engine/contestlog.h"
#include "gui/formatstrings.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

constexpr int kMaxColumn = 999;       // the last character column a field may name
constexpr int kMaxGridColumns = 512;  // columns the grid shows
constexpr std::size_t kMaxGridLines = 100000;
constexpr std::size_t kMaxStoredText = 255;

// The single fields of a position record, in the order of the spin edits.
constexpr int TPositionRec::*kSingleFields[] = {
    &TPositionRec::Date_Day,   &TPositionRec::Date_Month, &TPositionRec::Date_Year, &TPositionRec::UTC_Hour,
    &TPositionRec::UTC_Minute, &TPositionRec::Call,       &TPositionRec::Band,      &TPositionRec::Mode,
    &TPositionRec::Sent_RST,   &TPositionRec::Rcvd_RST};

const QColor kFieldColours[] = {
    QColor(255, 214, 214), QColor(214, 255, 214), QColor(214, 224, 255), QColor(255, 246, 190), QColor(240, 214, 255),
    QColor(200, 245, 245), QColor(255, 226, 190), QColor(225, 240, 200), QColor(230, 230, 230), QColor(255, 205, 235)};

// A valid extension: letters, digits, "_" and "-" (a leading "." is dropped).
bool ValidExtension(const QString& text) {
    const std::string e = ToCore(text);
    if (e.size() > kMaxStoredText || FromCore(e) != text) return false;
    return std::all_of(e.begin(), e.end(), [](char c) { return IsLetter(c) || IsDigit(c) || c == '_' || c == '-'; });
}

QString WithoutDot(QString text) {
    text = text.trimmed();
    if (text.startsWith('.')) text.remove(0, 1);
    return text;
}

}  // namespace

// The file one character per cell; the columns of the fields coloured.
class TTextGridModel : public QAbstractTableModel {
public:
    void SetLines(QStringList lines) {
        beginResetModel();
        FLines = std::move(lines);
        FColumns = 1;
        for (const QString& l : FLines) FColumns = std::max(FColumns, static_cast<int>(l.size()));
        FColumns = std::min(FColumns, kMaxGridColumns);
        FColours.assign(static_cast<std::size_t>(FColumns), QColor());
        endResetModel();
    }
    void SetColours(std::vector<QColor> colours) {
        colours.resize(static_cast<std::size_t>(FColumns));
        FColours = std::move(colours);
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, FColumns - 1), {Qt::BackgroundRole});
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(FLines.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : FColumns; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole) {
            const QString& line = FLines[index.row()];
            return index.column() < line.size() ? QString(line[index.column()]) : QString();
        }
        if (role == Qt::BackgroundRole && FColours[static_cast<std::size_t>(index.column())].isValid())
            return FColours[static_cast<std::size_t>(index.column())];
        if (role == Qt::TextAlignmentRole) return Qt::AlignCenter;
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::DisplayRole) return section + 1;
        if (role == Qt::BackgroundRole && orientation == Qt::Horizontal &&
            FColours[static_cast<std::size_t>(section)].isValid())
            return FColours[static_cast<std::size_t>(section)];
        return {};
    }

private:
    QStringList FLines;
    int FColumns = 1;
    std::vector<QColor> FColours;
};

TASCIIImportForm::TASCIIImportForm(const std::string& fileName, const TContestLog& log,
                                   const TASCIIImportSettings& initial, const std::string& formatListPath,
                                   QWidget* parent)
    : QDialog(parent),
      FFileName(fileName),
      FContestLog(log),
      FFormatListPath(formatListPath.empty() ? FormatListPath() : formatListPath) {
    setObjectName("TASCIIImportForm");
    setWindowTitle("QZ VeviduvUzuDuviviv [" + FromPath(fileName) + "]");
    std::string error;
    if (!FFormatList.LoadFromFile(FFormatListPath, &error)) ShowErrorMessage(error);
    FFormatList.SetChanged(false);
    std::string readError;
    if (!ReadWholeFile(fileName, FBytes, &readError)) FBytes.clear();
    BuildFields();
    BuildWidgets();
    ResetNewLayout();

    FTabLength->setValue(std::clamp(initial.TabLength, 0, 99));
    FDate->setDate(QDate(DecodeDate(initial.ConstantDate).year, DecodeDate(initial.ConstantDate).month,
                         DecodeDate(initial.ConstantDate).day));
    LoadGrid();
    FLinesFrom->setValue(1);
    FLinesTo->setValue(FLinesTo->maximum());
    // The layout whose extension is the file's, else a new one.
    const int known = FFormatList.IndexOfFile(fileName);
    FillFormats(std::max(known, 0));
    (known >= 0 ? FRbKnown : FRbNew)->setChecked(true);
    ShowLayout();
}

TASCIIImportForm::~TASCIIImportForm() = default;

void TASCIIImportForm::BuildFields() {
    const QStringList parts = LSText(fmt::lsDay).split('|');
    const int titles[] = {-1, -1, -1, -1, -1, fmt::lsCall, fmt::lsBand, fmt::lsMode, fmt::lsSentRST, fmt::lsRcvdRST};
    auto single = [&](int k) {
        TField f{titles[k] >= 0 ? LSCaption(titles[k]) : parts.value(k, QString::number(k + 1)), k, 0, false};
        FFields.push_back(f);
    };
    // Each RST is followed by its numbers, titled as the log's columns.
    auto numbers = [&](bool rcvd) {
        const int count =
            std::min(rcvd ? FContestLog.NoOfRcvdNumbers() : FContestLog.NoOfSentNumbers(), kMaxLayoutNumbers);
        const TColumnProperty property = rcvd ? cpRcvdNumber : cpSentNumber;
        for (int i = 0; i < count; ++i) {
            const int col = FContestLog.GetColumnNumberFromProperty(property, i, FContestLog.NoOfColumns());
            const bool found = col >= 0 && col < FContestLog.NoOfColumns() &&
                               FContestLog.ColumnProperty(col) == property && FContestLog.ColumnArrayIndex(col) == i;
            FFields.push_back(
                TField{found ? FromCore(FContestLog.ColumnHeader(col))
                             : LSCaption(rcvd ? fmt::lsRcvdNumber : fmt::lsSentNumber) + " " + QString::number(i + 1),
                       -1, i, rcvd});
        }
    };
    for (int k = 0; k <= 8; ++k) single(k);
    numbers(false);
    single(9);
    numbers(true);
}

int& TASCIIImportForm::Pos(TPositionRec& p, const TField& f) {
    if (f.kind >= 0) return p.*kSingleFields[f.kind];
    return (f.rcvd ? p.Rcvd_Numbers : p.Sent_Numbers)[static_cast<std::size_t>(f.index)];
}

void TASCIIImportForm::BuildWidgets() {
    auto* layout = new QVBoxLayout(this);

    // The format list.
    auto* top = new QHBoxLayout;
    FRbNew = new QRadioButton(LSCaption(fmt::lsLayoutNew));
    FRbNew->setObjectName("rbNew");
    FRbKnown = new QRadioButton(LSHint(fmt::lsLayoutNew));
    FRbKnown->setObjectName("rbKnown");
    FFormats = new QComboBox;
    FFormats->setObjectName("cbFormats");
    FFormats->setMinimumContentsLength(14);
    top->addWidget(FRbNew);
    top->addSpacing(12);
    top->addWidget(FRbKnown);
    top->addWidget(FFormats);
    top->addStretch();
    top->addWidget(new QLabel(LSCaption(fmt::lsFileExtension)));
    FExtension = new QLineEdit;
    FExtension->setObjectName("edFileExtension");
    FExtension->setMaxLength(static_cast<int>(kMaxStoredText));
    FExtension->setMinimumWidth(80);
    FExtension->setMaximumWidth(140);
    top->addWidget(FExtension);
    layout->addLayout(top);
    auto* actions = new QHBoxLayout;
    auto button = [&](int text, const char* name, auto slot) {
        auto* b = new QPushButton(LSCaption(text));
        b->setObjectName(name);
        b->setToolTip(LSHint(text));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        actions->addWidget(b);
        return b;
    };
    button(fmt::lsLayoutInsert, "acFormatListInsertNew", [this] { InsertNew(false); });
    button(fmt::lsLayoutSave, "acFormatListSave", [this] { SaveList(); });
    FDelete = button(fmt::lsLayoutDelete, "acFormatListDeleteItem", [this] { DeleteItem(); });
    FRename = button(fmt::lsLayoutRename, "acFormatListRenameItem", [this] { RenameItem(); });
    button(fmt::lsLayoutClear, "acFormatListClearActualFormat", [this] { ClearActualFormat(); });
    actions->addStretch();
    layout->addLayout(actions);
    auto* group = new QButtonGroup(this);
    group->addButton(FRbNew);
    group->addButton(FRbKnown);
    connect(FRbNew, &QRadioButton::toggled, this, [this] { ShowLayout(); });
    connect(FFormats, &QComboBox::currentIndexChanged, this, [this] {
        if (!FShowing) ShowLayout();
    });
    connect(FExtension, &QLineEdit::textChanged, this, [this] {
        FProblems->setText(Problems());
        FProblems->setVisible(!FProblems->text().isEmpty());
    });

    // The file.
    auto* hint = new QLabel(LSCaption(fmt::lsGridHint));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    FModel = new TTextGridModel;
    FModel->setParent(this);
    FGrid = new QTableView;
    FGrid->setObjectName("SG");
    FGrid->setModel(FModel);
    FGrid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    FGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    FGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGrid->horizontalHeader()->setDefaultSectionSize(FGrid->fontMetrics().horizontalAdvance("000") + 4);
    FGrid->horizontalHeader()->setMinimumSectionSize(8);
    FGrid->verticalHeader()->setDefaultSectionSize(FGrid->fontMetrics().height() + 4);
    FGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        for (int f = 0; f < FieldCount(); ++f)
            connect(menu.addAction(FieldTitle(f)), &QAction::triggered, this, [this, f] { TakeSelectedColumns(f); });
        menu.exec(FGrid->viewport()->mapToGlobal(at));
    });
    layout->addWidget(FGrid, 1);

    // The fields' columns, in two blocks side by side.
    auto* bottom = new QHBoxLayout;
    auto* fieldBox = new QGroupBox;
    auto* fieldGrid = new QGridLayout(fieldBox);
    fieldGrid->setVerticalSpacing(2);
    const int half = (FieldCount() + 1) / 2;
    for (int block = 0; block < 2; ++block) {
        fieldGrid->addWidget(new QLabel(LSCaption(fmt::lsFromTo)), 0, block * 3 + 1);
        fieldGrid->addWidget(new QLabel(LSHint(fmt::lsFromTo)), 0, block * 3 + 2);
    }
    for (int f = 0; f < FieldCount(); ++f) {
        TField& field = FFields[static_cast<std::size_t>(f)];
        const int row = f % half + 1, col = (f / half) * 3;
        fieldGrid->addWidget(new QLabel(field.title), row, col);
        field.from = new QSpinBox;
        field.to = new QSpinBox;
        for (QSpinBox* s : {field.from, field.to}) {
            s->setRange(0, kMaxColumn);
            connect(s, &QSpinBox::valueChanged, this, [this] { SpinChanged(); });
        }
        fieldGrid->addWidget(field.from, row, col + 1);
        fieldGrid->addWidget(field.to, row, col + 2);
    }
    fieldGrid->setColumnMinimumWidth(3, 110);
    fieldGrid->setRowStretch(half + 1, 1);
    bottom->addWidget(fieldBox);

    auto* side = new QVBoxLayout;
    auto* linesBox = new QGroupBox(LSCaption(fmt::lsLinesToRead));
    auto* linesLayout = new QGridLayout(linesBox);
    FLinesFrom = new QSpinBox;
    FLinesFrom->setObjectName("seLinesFrom");
    FLinesTo = new QSpinBox;
    FLinesTo->setObjectName("seLinesTo");
    FTabLength = new QSpinBox;
    FTabLength->setObjectName("seTabLength");
    FTabLength->setRange(0, 99);
    linesLayout->addWidget(new QLabel(LSCaption(fmt::lsFromTo)), 0, 0);
    linesLayout->addWidget(FLinesFrom, 0, 1);
    linesLayout->addWidget(new QLabel(LSHint(fmt::lsFromTo)), 0, 2);
    linesLayout->addWidget(FLinesTo, 0, 3);
    linesLayout->addWidget(new QLabel(LSHint(fmt::lsLinesToRead)), 1, 0, 1, 3);
    linesLayout->addWidget(FTabLength, 1, 3);
    connect(FTabLength, &QSpinBox::valueChanged, this, [this] { LoadGrid(); });
    for (QSpinBox* s : {FLinesFrom, FLinesTo})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            FProblems->setText(Problems());
            FProblems->setVisible(!FProblems->text().isEmpty());
        });
    side->addWidget(linesBox);

    auto* constBox = new QGroupBox(LSCaption(fmt::lsFirstLineValues));
    auto* constLayout = new QGridLayout(constBox);
    FBand = new QComboBox;
    FBand->setObjectName("cbBand");
    for (int b = b160m; b < kNoOfBands; ++b)
        if (FContestLog.BandIsAllowed(static_cast<TBand>(b))) FBand->addItem(FromCore(BandNames[b]), b);
    FMode = new QComboBox;
    FMode->setObjectName("cbMode");
    for (int m = mCW; m < kNoOfModes; ++m)
        if (FContestLog.ModeIsAllowed(static_cast<TMode>(m))) FMode->addItem(FromCore(ModeNames[m]), m);
    FDate = new QDateEdit;
    FDate->setObjectName("dtpConstantDate");
    FDate->setCalendarPopup(true);
    FDate->setDisplayFormat("yyyy-MM-dd");
    FDate->setDateRange(QDate(1900, 1, 1), QDate(2099, 12, 31));
    constLayout->addWidget(new QLabel(LSCaption(fmt::lsBand)), 0, 0);
    constLayout->addWidget(FBand, 0, 1);
    constLayout->addWidget(new QLabel(LSCaption(fmt::lsMode)), 1, 0);
    constLayout->addWidget(FMode, 1, 1);
    constLayout->addWidget(new QLabel(LSCaption(fmt::lsDate)), 2, 0);
    constLayout->addWidget(FDate, 2, 1);
    side->addWidget(constBox);

    auto* kindBox = new QGroupBox(LSHint(fmt::lsFirstLineValues));
    kindBox->setObjectName("rgQSO_QTC");
    auto* kindLayout = new QHBoxLayout(kindBox);
    FQSO_QTC = new QButtonGroup(this);
    const char* kinds[] = {"QSO", "Sent QTC", "Rcvd QTC"};
    for (int k = 0; k < 3; ++k) {
        auto* rb = new QRadioButton(kinds[k]);
        FQSO_QTC->addButton(rb, k);
        kindLayout->addWidget(rb);
        // QTC lines only for a contest with QTC traffic.
        rb->setEnabled(k == 0 || FContestLog.IsAQTCContest());
    }
    FQSO_QTC->button(0)->setChecked(true);
    side->addWidget(kindBox);
    side->addStretch();
    bottom->addLayout(side);
    layout->addLayout(bottom);

    FProblems = new QLabel;
    FProblems->setObjectName("laProblems");
    FProblems->setStyleSheet("color: #b00000");
    FProblems->setWordWrap(true);
    FProblems->hide();
    layout->addWidget(FProblems);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(fmt::lsCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(1000, 720);
}

// Layouts

TPosListRec& TASCIIImportForm::Current() {
    if (FRbNew->isChecked() || FFormatList.Count() == 0 || FFormats->currentIndex() < 0) return NewPosListRec;
    return FFormatList.Items(std::min(FFormats->currentIndex(), FFormatList.Count() - 1));
}

const TPosListRec& TASCIIImportForm::Current() const { return const_cast<TASCIIImportForm*>(this)->Current(); }

void TASCIIImportForm::ResetNewLayout() {
    NewPosListRec = TPosListRec{};
    NewPosListRec.NumberOfSentNumbers = FContestLog.NoOfSentNumbers();
    NewPosListRec.NumberOfRcvdNumbers = FContestLog.NoOfRcvdNumbers();
}

void TASCIIImportForm::FillFormats(int select) {
    FShowing = true;
    FFormats->clear();
    for (int i = 0; i < FFormatList.Count(); ++i) FFormats->addItem(FromCore(FFormatList.Items(i).Name));
    FFormats->setCurrentIndex(FFormatList.Count() > 0 ? std::clamp(select, 0, FFormatList.Count() - 1) : -1);
    FShowing = false;
}

void TASCIIImportForm::ShowLayout() {
    FShowing = true;
    TPosListRec& layout = Current();
    layout.NumberOfSentNumbers = std::min(FContestLog.NoOfSentNumbers(), kMaxLayoutNumbers);
    layout.NumberOfRcvdNumbers = std::min(FContestLog.NoOfRcvdNumbers(), kMaxLayoutNumbers);
    for (const TField& f : FFields) {
        f.from->setValue(std::clamp(Pos(layout.StartPos, f), 0, kMaxColumn));
        f.to->setValue(std::clamp(Pos(layout.EndPos, f), 0, kMaxColumn));
    }
    if (&layout != &NewPosListRec) FExtension->setText(FromCore(layout.FileExtension));
    FShowing = false;
    ColourGrid();
    UpdateButtons();
}

void TASCIIImportForm::UpdateButtons() {
    FDelete->setEnabled(FFormatList.Count() > 1 && FRbKnown->isChecked());
    FRename->setEnabled(FFormatList.Count() > 0 && FRbKnown->isChecked());
    FFormats->setEnabled(FFormatList.Count() > 0);
    FProblems->setText(Problems());
    FProblems->setVisible(!FProblems->text().isEmpty());
}

void TASCIIImportForm::SpinChanged() {
    if (FShowing) return;
    TPosListRec& layout = Current();
    for (const TField& f : FFields) {
        Pos(layout.StartPos, f) = f.from->value();
        Pos(layout.EndPos, f) = f.to->value();
    }
    layout.Changed = true;
    ColourGrid();
    FProblems->setText(Problems());
    FProblems->setVisible(!FProblems->text().isEmpty());
}

void TASCIIImportForm::TakeSelectedColumns(int field) {
    const QModelIndexList cells = FGrid->selectionModel()->selectedIndexes();
    if (cells.isEmpty() || field < 0 || field >= FieldCount()) return;
    int first = cells.front().column(), last = first;
    for (const QModelIndex& i : cells) {
        first = std::min(first, i.column());
        last = std::max(last, i.column());
    }
    FFields[static_cast<std::size_t>(field)].from->setValue(first + 1);
    FFields[static_cast<std::size_t>(field)].to->setValue(last + 1);
}

void TASCIIImportForm::ClearActualFormat() {
    Current().ClearColumns();
    Current().Changed = true;
    ShowLayout();
}

// The grid

void TASCIIImportForm::LoadGrid() {
    std::vector<std::string> raw = SplitLines(FBytes);
    if (!raw.empty() && raw.back().empty()) raw.pop_back();
    // The grid shows the start of a long file; the line range covers all of it.
    QStringList lines;
    for (std::size_t i = 0; i < raw.size() && i < kMaxGridLines; ++i)
        lines << FromCore(ExpandTabs(raw[i], FTabLength->value()));
    FModel->SetLines(lines);
    const int count = static_cast<int>(std::clamp<std::size_t>(raw.size(), 1, INT32_MAX));
    const bool wasAll = FLinesTo->value() == FLinesTo->maximum();
    FLinesFrom->setRange(1, count);
    FLinesTo->setRange(1, count);
    if (wasAll) FLinesTo->setValue(count);
    ColourGrid();
}

void TASCIIImportForm::ColourGrid() {
    std::vector<QColor> colours(kMaxGridColumns);
    const TPosListRec& layout = Current();
    int n = 0;
    for (const TField& f : FFields) {
        const int from = Pos(const_cast<TPositionRec&>(layout.StartPos), f);
        const int to = Pos(const_cast<TPositionRec&>(layout.EndPos), f);
        const QColor colour = kFieldColours[n++ % std::size(kFieldColours)];
        if (from <= 0 || to < from) continue;
        for (int c = from; c <= std::min(to, kMaxGridColumns); ++c) colours[static_cast<std::size_t>(c - 1)] = colour;
    }
    FModel->SetColours(std::move(colours));
}

// Checks

QString TASCIIImportForm::Problems() const {
    QStringList problems;
    for (const TField& f : FFields) {
        const int from = f.from->value(), to = f.to->value();
        if ((from == 0) != (to == 0) || from > to) problems << f.title + ": " + LSHint(fmt::lsBadExtension);
    }
    if (!ValidExtension(WithoutDot(FExtension->text())))
        problems << "\"" + FExtension->text() + "\": " + LSCaption(fmt::lsBadExtension);
    if (FLinesFrom->value() > FLinesTo->value())
        problems << LSCaption(fmt::lsLinesToRead) + ": " + LSHint(fmt::lsBadExtension);
    return problems.join('\n');
}

bool TASCIIImportForm::AskName(int caption, int prompt, QString& name, int except) {
    for (;;) {
        bool ok = false;
        QString answer =
            QInputDialog::getText(this, LSCaption(caption), LSCaption(prompt), QLineEdit::Normal, name, &ok);
        if (!ok) return false;
        answer = answer.trimmed().toUpper();
        if (answer.isEmpty()) return false;
        name = answer;
        const std::string core = ToCore(answer);
        const bool printable =
            std::all_of(core.begin(), core.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x20; });
        if (core.size() > kMaxStoredText || FromCore(core) != answer || !printable) {
            ShowErrorMessage(ToCore(LSCaption(fmt::lsBadLayoutName)));
            continue;
        }
        const int existing = FFormatList.IndexOfName(core);
        if (existing >= 0 && existing != except) {
            ShowErrorMessage(ToCore(LSHint(fmt::lsBadLayoutName)) + " " + core);
            continue;
        }
        return true;
    }
}

// Format list actions

bool TASCIIImportForm::InsertNew(bool fromSave) {
    const QString extension = WithoutDot(FExtension->text());
    if (!ValidExtension(extension)) {
        ShowErrorMessage(ToCore("\"" + FExtension->text() + "\": " + LSCaption(fmt::lsBadExtension)));
        return false;
    }
    QString name;
    if (!AskName(fmt::lsNewLayoutCaption, fmt::lsNewLayoutPrompt, name, -1)) return false;
    TPosListRec layout = Current();
    layout.Name = ToCore(name);
    std::string own = std::filesystem::path(FFileName).extension().string();
    if (!own.empty() && own[0] == '.') own.erase(0, 1);
    layout.FileExtension = !extension.isEmpty() ? ToCore(extension) : UpperCase(own);
    layout.Changed = true;
    FFormatList.Add(layout);
    FFormatList.Sort();
    ResetNewLayout();
    FillFormats(FFormatList.IndexOfName(layout.Name));
    FShowing = true;
    FRbKnown->setChecked(true);
    FShowing = false;
    ShowLayout();
    if (fromSave || AskYesNo(LS(fmt::lsSaveFormatList)) == TMsgAnswer::Yes) SaveListFile();
    return true;
}

bool TASCIIImportForm::SaveListFile() {
    if (FRbKnown->isChecked() && &Current() != &NewPosListRec) {
        const QString extension = WithoutDot(FExtension->text());
        if (!ValidExtension(extension)) {
            ShowErrorMessage(ToCore("\"" + FExtension->text() + "\": " + LSCaption(fmt::lsBadExtension)));
            return false;
        }
        Current().FileExtension = ToCore(extension);
    }
    std::string error;
    if (!FFormatList.SaveToFile(FFormatListPath, &error)) {
        ShowErrorMessage(error);
        return false;
    }
    FFormatList.SetChanged(false);
    return true;
}

void TASCIIImportForm::SaveList() {
    if (FRbNew->isChecked() && NewPosListRec.Changed && AskYesNo(LS(fmt::lsInsertUnsaved)) == TMsgAnswer::Yes) {
        InsertNew(true);
        return;
    }
    SaveListFile();
}

void TASCIIImportForm::DeleteItem() {
    const int index = FFormats->currentIndex();
    if (FFormatList.Count() <= 1 || index < 0 || !FRbKnown->isChecked()) return;
    if (AskOkCancel(FFormatList.Items(index).Name + " " + LS(fmt::lsDeleteLayout)) != TMsgAnswer::Ok) return;
    FFormatList.Delete(index);
    FillFormats(std::min(index, FFormatList.Count() - 1));
    ShowLayout();
    if (AskYesNoCancel(LS(fmt::lsSaveFormatList)) == TMsgAnswer::Yes) SaveListFile();
}

void TASCIIImportForm::RenameItem() {
    const int index = FFormats->currentIndex();
    if (index < 0 || index >= FFormatList.Count() || !FRbKnown->isChecked()) return;
    QString name = FromCore(FFormatList.Items(index).Name);
    if (!AskName(fmt::lsRenameCaption, fmt::lsRenamePrompt, name, index)) return;
    FFormatList.Items(index).Name = ToCore(name);
    FFormatList.Items(index).Changed = true;
    FFormatList.Sort();
    FillFormats(FFormatList.IndexOfName(ToCore(name)));
    ShowLayout();
}

// Closing

TASCIIImportSettings TASCIIImportForm::Settings() const {
    TASCIIImportSettings s;
    s.Layout = Current();
    s.TabLength = FTabLength->value();
    s.LinesFrom = FLinesFrom->value();
    s.LinesTo = FLinesTo->value();
    s.ConstantBand = static_cast<TBand>(FBand->currentData().toInt());
    s.ConstantMode = static_cast<TMode>(FMode->currentData().toInt());
    const QDate d = FDate->date();
    TDateTime date = 0;
    if (TryEncodeDate(d.year(), d.month(), d.day(), date)) s.ConstantDate = date;
    s.QSO_QTC = std::max(0, FQSO_QTC->checkedId());
    return s;
}

void TASCIIImportForm::done(int result) {
    if (result == QDialog::Accepted) {
        if (const QString p = Problems(); !p.isEmpty()) {
            ShowErrorMessage(ToCore(p));
            return;
        }
    }
    if (FFormatList.Changed() || (FRbNew->isChecked() && NewPosListRec.Changed)) {
        const TMsgAnswer answer = AskYesNoCancel(LS(fmt::lsSaveChangedLayouts));
        if (answer == TMsgAnswer::Cancel) return;
        if (answer == TMsgAnswer::Yes) SaveList();
        FFormatList.SetChanged(false);
        NewPosListRec.Changed = false;
    }
    const QDate d = FDate->date();
    WriteSettingInteger("CLC_Day", d.day());
    WriteSettingInteger("CLC_Month", d.month());
    WriteSettingInteger("CLC_Year", d.year());
    WriteSettingInteger("CLC_TabSize", FTabLength->value());
    QDialog::done(result);
}

bool EditASCIIImportSettings(QWidget* parent, const std::string& fileName, TASCIIImportSettings& settings,
                             const TContestLog& log) {
    TASCIIImportForm form(fileName, log, settings, "", parent);
    if (form.exec() != QDialog::Accepted) return false;
    settings = form.Settings();
    return true;
}

}  // namespace qz::gui
