// What every auxiliary dialog shares: OK and Cancel buttons with the language's texts,
// a line under a field that says what is wrong with its text, and the checks of calls
// and e-mail addresses typed into a field.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QWidget;

namespace qz::gui {

// OK and Cancel, wired to accept and reject of `dialog`.
QDialogButtonBox* NewOkCancel(QDialog* dialog);

// A hidden red line for the message about one field; ShowFieldError shows `text` in it
// and puts the focus into `field`; HideFieldErrors hides every such line of `dialog`.
QLabel* NewErrorLabel();
void ShowFieldError(QLabel* label, QWidget* field, const QString& text);
void HideFieldErrors(QWidget* dialog);

// Adds a row with `field` and, below it, its error line; returns the error line.
QLabel* AddCheckedRow(QFormLayout* form, const QString& label, QWidget* field);

// The log keeps Windows-1252 text: the dialog's text fields take no character outside
// it (a line field refuses it as typed or pasted, a text of several lines drops it).
void RestrictToCp1252(QWidget* dialog);
bool IsCp1252Text(const QString& text);

// A call sign: letters, digits and "/" (not first, not last, not doubled), at least one
// letter and one digit, 3 to 26 characters.
bool IsCallText(const QString& text);
// One "@" with text before it and a dotted domain after it, no blanks.
bool IsEMailText(const QString& text);

}  // namespace qz::gui
