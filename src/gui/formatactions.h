// The desktop side of the import converters and of the file-only exports: the dialogs
// hung on a converter before it reads, and the dBase export with its file dialog.
#pragma once

#include <string>

class QWidget;

#include <QString>

namespace qz {
class TContestLog;
class TConvert;
class TFormatList;
}  // namespace qz

namespace qz::gui {

class TMainForm;

// Connects the import commands of `window` (acImportCabrillo, acImportSTF, ...): each
// offers an open dialog with its format's filter and reads the chosen file as that
// format; acImportAutoDetect reads it as the type its contents show.
void ConnectImportCommands(TMainForm& window);

// The open dialog's filter of the column-text import: the extensions of the stored
// layouts, then all files.
QString ASCIIImportFilter(const TFormatList& list);

// Gives `converter` the header dialog and the dialogs of its format (STF column
// allocation, ASCII column layout, NA template choice), owned by `parent`.
void PrepareConverterDialogs(QWidget* parent, TConvert& converter);

// Asks for a file name (dBase filter, extension dbf) and writes `log` there as a dBase
// table; an existing file is replaced only after the user's OK. Returns the file
// written, "" when nothing was (an error box said why, or the user cancelled).
std::string ExportDBaseFile(QWidget* parent, const TContestLog& log);

}  // namespace qz::gui
