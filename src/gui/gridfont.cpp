#include "gui/gridfont.h"

#include <QAction>
#include <QFontDialog>
#include <QHeaderView>
#include <QTableView>

#include "base/settingsstore.h"
#include "gui/editor.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"

namespace qz::gui {

bool GridFontIsDefault(const TSlimmedFont& font) {
    const TSlimmedFont d;
    return font.sfSize == d.sfSize && font.sfName == d.sfName && font.sfStyle == d.sfStyle;
}

QFont GridFont(const TSlimmedFont& font) {
    QFont f(FromCore(font.sfName), font.sfSize);
    f.setBold((font.sfStyle & fsBold) != 0);
    f.setItalic((font.sfStyle & fsItalic) != 0);
    f.setUnderline((font.sfStyle & fsUnderline) != 0);
    f.setStrikeOut((font.sfStyle & fsStrikeOut) != 0);
    return f;
}

TSlimmedFont SlimmedFont(const QFont& font) {
    TSlimmedFont s;
    s.sfName = ToCore(font.family());
    s.sfSize = font.pointSize() > 0 ? font.pointSize() : 8;
    s.sfStyle = static_cast<std::uint8_t>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                                          (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
    return s;
}

void ApplyGridFont(QTableView& grid, const TSlimmedFont& font) {
    if (GridFontIsDefault(font)) return;
    grid.setFont(GridFont(font));
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
}

void ChooseGridFont(TMainForm& window) {
    const QFont start = GridFontIsDefault(Options.Font_StringGrid) ? QFont() : GridFont(Options.Font_StringGrid);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, &window);
    if (!ok) return;
    Options.Font_StringGrid = SlimmedFont(chosen);
    TSettingsStore store = TSettingsStore::Load();
    store.SetInteger(kMainSection, "Editor_Font_Size", Options.Font_StringGrid.sfSize);
    store.SetString(kMainSection, "Editor_Font_Name", Options.Font_StringGrid.sfName);
    store.SetInteger(kMainSection, "Editor_Font_Style", Options.Font_StringGrid.sfStyle);
    store.Save();
    for (TQZEditor* editor : window.Editors()) {
        editor->Grid()->setFont(chosen);
        editor->Grid()->verticalHeader()->setDefaultSectionSize(editor->Grid()->fontMetrics().height() + 6);
        if (QAction* rebuild = editor->Command("acUpdateView"); rebuild != nullptr && rebuild->isEnabled())
            rebuild->trigger();
    }
}

}  // namespace qz::gui
