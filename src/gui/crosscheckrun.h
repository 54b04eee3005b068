// The cross-check job of the batch wizard: the logs of one contest matched against each
// other on the worker threads while the window stays usable, with progress and Cancel;
// at the end the reports are written into the chosen folder, the summary and the
// findings are shown, and the folder is opened in the desktop's file manager.
#pragma once

#include "gui/batchwizard.h"

class QWidget;

namespace qz::gui {

// False when nothing was checked (no files, cancelled, reports not written).
bool RunCrossCheckChoice(QWidget* parent, const TBatchChoice& choice);

}  // namespace qz::gui
