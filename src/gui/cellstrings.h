// Language strings of cell editing and fast append.
#pragma once

namespace qz::gui::ui {
inline constexpr int lsStandardEditMode = 880;
inline constexpr int lsFastAppendMode = 881;
inline constexpr int lsAppendModeButton = 882;
inline constexpr int lsLineUnchanged = 883;
}  // namespace qz::gui::ui
