// Language strings of the window, folder, font and help commands, the open dialog's
// preview and the manual window.
#pragma once

namespace qz::gui::cmd {

inline constexpr int lsCategory = 327;
inline constexpr int lsForeignLogFilter = 542;
inline constexpr int lsFolderNotShown = 1158;
inline constexpr int lsFolder = 1159;
inline constexpr int lsFormat = 1160;
inline constexpr int lsPreview = 1161;
inline constexpr int lsBack = 1162;
inline constexpr int lsForward = 1163;
inline constexpr int lsContents = 1164;
inline constexpr int lsCommand = 1165;
inline constexpr int lsKey = 1166;
inline constexpr int lsMenu = 1167;
inline constexpr int lsManualMissing = 1168;
inline constexpr int lsUnknownFormat = 1169;
inline constexpr int lsFillNeedsSelectedLine = 1170;
inline constexpr int lsManual = 1156;
inline constexpr int lsShortcuts = 1157;

}  // namespace qz::gui::cmd
