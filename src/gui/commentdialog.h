// The comment dialog: the comment lines of one line of the log.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace qz::gui {

class TCommentForm : public QDialog {
    Q_OBJECT
public:
    explicit TCommentForm(const std::vector<std::string>& lines, QWidget* parent = nullptr);
    // The lines as edited; none for an empty text.
    std::vector<std::string> Lines() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* memComment;
};

}  // namespace qz::gui
