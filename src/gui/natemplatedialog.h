// The NA template dialog: the log's template file is missing, so the user picks one of
// the built-in column layouts or another template file.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QRadioButton;
class QWidget;

namespace qz::gui {

class TNATemplateForm : public QDialog {
    Q_OBJECT
public:
    // `missingFile` is the template file that was not found.
    explicit TNATemplateForm(const std::string& missingFile, QWidget* parent = nullptr);

    // 1 to 13 for a layout of the list; -1 when a file was chosen (TemplateFile()).
    int TemplateNumber() const { return FTemplateNumber; }
    const std::string& TemplateFile() const { return FTemplateFile; }
    QListWidget* Templates() const { return FList; }

    // Takes the selected layout and closes with OK.
    void ChooseFromList();
    // Offers an open dialog for a template file; a chosen file closes the dialog.
    void ChooseFile();

private:
    void ShowPanel();

    QRadioButton* FFromList;
    QRadioButton* FFromFile;
    QWidget* FListPanel;
    QWidget* FFilePanel;
    QListWidget* FList;
    int FTemplateNumber = 0;
    std::string FTemplateFile;
};

// Shows the dialog; false when it was cancelled.
bool ChooseNATemplate(QWidget* parent, const std::string& missingFile, int& templateNumber, std::string& templateFile);

}  // namespace qz::gui
