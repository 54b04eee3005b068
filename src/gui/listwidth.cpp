#include "gui/listwidth.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

namespace qz::gui {

void FitListPopupToEntries(QComboBox& list) {
    QAbstractItemView* view = list.view();
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (int i = 0; i < list.count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(list.itemText(i)));
    // Item margins on both sides, the frame and a scroll bar for long lists.
    const int margins = 2 * metrics.horizontalAdvance("MM") + 2 * view->frameWidth() +
                        view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(widest + margins);
}

}  // namespace qz::gui
