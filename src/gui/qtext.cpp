#include "gui/qtext.h"

#include <QStringList>

#include "base/encoding.h"
#include "base/language.h"

namespace qz::gui {

QString FromCore(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

std::string ToCore(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QString FromPath(const std::string& path) { return QString::fromStdString(path); }

std::string ToPath(const QString& path) { return path.toStdString(); }

QString MessageWithPath(const std::string& message, const std::string& path) {
    if (path.empty()) return FromCore(message);
    QString result;
    std::size_t from = 0;
    for (std::size_t at = message.find(path); at != std::string::npos; at = message.find(path, from)) {
        result += FromCore(message.substr(from, at - from)) + FromPath(path);
        from = at + path.size();
    }
    return result + FromCore(message.substr(from));
}

QString LSCaption(int n) { return FromCore(LanguageStrings().GetCaption(n)); }
QString LSHint(int n) { return FromCore(LanguageStrings().GetHint(n)); }
QString LSText(int n) { return FromCore(LanguageStrings().GetString(n)); }

QString DialogFilter(int n) { return DialogFilterText(LSText(n)); }

QString DialogFilterText(const QString& text) {
    const QStringList parts = text.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int paren = description.lastIndexOf('(');
        if (paren > 0) description = description.left(paren).trimmed();
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            patterns << p;
            if (p != "*.*" && p.toUpper() != p) patterns << p.toUpper();
        }
        if (patterns.contains("*.*")) patterns = {"*"};
        filters << description + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

}  // namespace qz::gui
