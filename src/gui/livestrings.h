// Language strings of the live feedback while typing: the line hint beside the line
// entry and the real-time clock option.
#pragma once

namespace qz::gui::ui {
inline constexpr int lsHintDupeOf = 1100;
inline constexpr int lsHintNewMultiplier = 1101;
inline constexpr int lsHintInvalid = 1102;
inline constexpr int lsRealTimeClock = 1103;
}  // namespace qz::gui::ui
