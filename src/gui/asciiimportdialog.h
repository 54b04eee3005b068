// The ASCII import dialog: the file shown one character per cell, the column range of
// every field (typed, or taken from the selected cells through the grid's popup menu),
// the values the file does not carry, and the format list of stored layouts with its
// actions (new, save, delete, rename, clear).
#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "import/asciiimport.h"
#include "import/formatlist.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace qz::gui {

class TTextGridModel;

class TASCIIImportForm : public QDialog {
    Q_OBJECT
public:
    // `formatListPath` is the stored format list ("" = the data folder's).
    TASCIIImportForm(const std::string& fileName, const TContestLog& log, const TASCIIImportSettings& initial,
                     const std::string& formatListPath = "", QWidget* parent = nullptr);
    ~TASCIIImportForm() override;

    // What the dialog settled; valid once it closed with OK.
    TASCIIImportSettings Settings() const;

    // The format list actions. InsertNew asks for a name (false: none given); from the
    // save action it saves at once, else it asks whether to save.
    bool InsertNew(bool fromSave = false);
    void SaveList();
    void DeleteItem();
    void RenameItem();
    void ClearActualFormat();

    // The fields in the order of the spin edits: date parts, time parts, call, band,
    // mode, sent RST, the sent numbers, received RST, the received numbers.
    int FieldCount() const { return static_cast<int>(FFields.size()); }
    QString FieldTitle(int field) const { return FFields[static_cast<std::size_t>(field)].title; }
    // Sets a field's columns from the grid selection, as the popup menu does.
    void TakeSelectedColumns(int field);

    const TFormatList& FormatList() const { return FFormatList; }
    QComboBox* Formats() const { return FFormats; }
    QRadioButton* NewLayoutButton() const { return FRbNew; }
    QRadioButton* KnownLayoutButton() const { return FRbKnown; }
    QLineEdit* FileExtension() const { return FExtension; }
    QSpinBox* FromSpin(int field) const { return FFields[static_cast<std::size_t>(field)].from; }
    QSpinBox* ToSpin(int field) const { return FFields[static_cast<std::size_t>(field)].to; }
    QTableView* Grid() const { return FGrid; }
    QSpinBox* TabWidth() const { return FTabLength; }

    // What is wrong with the entries; "" when they can be used.
    QString Problems() const;

public slots:
    void done(int result) override;

private:
    struct TField {
        QString title;
        int kind;   // index into the position record's single fields, or -1 for a number
        int index;  // sent or received number index
        bool rcvd;
        QSpinBox* from = nullptr;
        QSpinBox* to = nullptr;
    };

    TPosListRec& Current();
    const TPosListRec& Current() const;
    static int& Pos(TPositionRec& p, const TField& f);
    void BuildFields();
    void BuildWidgets();
    void FillFormats(int select);
    void ShowLayout();
    void SpinChanged();
    void LoadGrid();
    void ColourGrid();
    void ResetNewLayout();
    bool AskName(int caption, int prompt, QString& name, int except);
    bool SaveListFile();
    void UpdateButtons();

    std::string FFileName;
    const TContestLog& FContestLog;
    std::string FFormatListPath;
    TFormatList FFormatList;
    TPosListRec NewPosListRec;
    std::string FBytes;
    std::vector<TField> FFields;
    bool FShowing = false;

    QRadioButton* FRbNew;
    QRadioButton* FRbKnown;
    QComboBox* FFormats;
    QPushButton* FDelete;
    QPushButton* FRename;
    QLineEdit* FExtension;
    QTableView* FGrid;
    TTextGridModel* FModel;
    QSpinBox* FLinesFrom;
    QSpinBox* FLinesTo;
    QSpinBox* FTabLength;
    QComboBox* FBand;
    QComboBox* FMode;
    QDateEdit* FDate;
    QButtonGroup* FQSO_QTC;
    QLabel* FProblems;
};

// Shows the dialog for `settings`; false when it was cancelled. On OK `settings` holds
// the dialog's values.
bool EditASCIIImportSettings(QWidget* parent, const std::string& fileName, TASCIIImportSettings& settings,
                             const TContestLog& log);

}  // namespace qz::gui
