#include "gui/gridfont.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>

#include "base/settingsstore.h"
#include "gui/editor.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

void StoreFont(const std::string& prefix, const TSlimmedFont& font) {
    TSettingsStore store = TSettingsStore::Load();
    WriteFont(store, prefix, font);
    store.Save();
}

}  // namespace

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

void ApplyOutputFont(TQZEditor& editor, const TSlimmedFont& font) {
    const QFont f = GridFontIsDefault(font) ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : GridFont(font);
    for (int w = owMessages; w < kNoOfShownOutputWindows; ++w)
        editor.OutputMemo(static_cast<TOutputWindow>(w))->setFont(f);
}

void ChooseOutputFont(TMainForm& window) {
    const TSlimmedFont& stored = Options.Font_OutputWindows;
    const QFont start =
        GridFontIsDefault(stored) ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : GridFont(stored);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, &window);
    if (!ok) return;
    Options.Font_OutputWindows = SlimmedFont(chosen);
    StoreFont("Output", Options.Font_OutputWindows);
    for (TQZEditor* editor : window.Editors()) ApplyOutputFont(*editor, Options.Font_OutputWindows);
}

void ChooseGridFont(TMainForm& window) {
    const QFont start = GridFontIsDefault(Options.Font_StringGrid) ? QFont() : GridFont(Options.Font_StringGrid);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, &window);
    if (!ok) return;
    Options.Font_StringGrid = SlimmedFont(chosen);
    StoreFont("Editor", Options.Font_StringGrid);
    for (TQZEditor* editor : window.Editors()) {
        editor->Grid()->setFont(chosen);
        editor->Grid()->verticalHeader()->setDefaultSectionSize(editor->Grid()->fontMetrics().height() + 6);
        if (QAction* rebuild = editor->Command("acUpdateView"); rebuild != nullptr && rebuild->isEnabled())
            rebuild->trigger();
    }
}

}  // namespace qz::gui
