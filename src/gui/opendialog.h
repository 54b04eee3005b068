// The dialog of the open command: the file dialog of the desktop toolkit (its own
// widgets, not the system's, so that the preview can sit beside the file list) with a
// preview panel that shows what the selected file holds: for a native log its header
// (contest and year, own call, categories, number of lines, created and last-modified
// dates), read from the header alone; for any other file the format it is recognised as.
#pragma once

#include <QFileDialog>
#include <string>

class QLabel;

namespace qz::gui {

// The preview of one file as rich text; empty for a folder or no file.
QString LogPreviewText(const std::string& fileName);

class TOpenLogDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TOpenLogDialog(QWidget* parent = nullptr);

    QLabel* Preview() const { return FPreview; }

private:
    void ShowPreview(const QString& path);

    QLabel* FPreview;
};

}  // namespace qz::gui
