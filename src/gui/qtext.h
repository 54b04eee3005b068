// Text at the edge between the core and Qt: the core's strings are Windows-1252 bytes,
// file names are the system's (UTF-8) bytes, Qt wants QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qz::gui {

// Windows-1252 bytes of the core to a QString, and back ("?" for characters without a
// Windows-1252 code).
QString FromCore(std::string_view text);
std::string ToCore(const QString& text);

// File names: the system's bytes.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

// A core message that may contain `path` (system bytes): the path is shown as the
// file name it is, the rest as Windows-1252 text.
QString MessageWithPath(const std::string& message, const std::string& path);

// Language string `n`: caption (before the first "|"), hint (after it), whole line.
QString LSCaption(int n);
QString LSHint(int n);
QString LSText(int n);

// A file-dialog filter of the language file ("QZ logs (*.qzf)|*.qzf|All files
// (*.*)|*.*") as Qt writes it; each pattern also in upper case, since file names here
// are case-sensitive and native logs are usually called *.QZF.
QString DialogFilter(int n);
// The same for a filter text built by the program.
QString DialogFilterText(const QString& text);

}  // namespace qz::gui
