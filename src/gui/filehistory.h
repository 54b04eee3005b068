// The list of recently opened logs, kept in the settings file's section "FileHistory"
// as HistoryFile00 (newest) to HistoryFile19. Names are compared ignoring case, so a
// file opened again moves to the top instead of being listed twice.
#pragma once

#include <string>
#include <vector>

namespace qz::gui {

inline constexpr int kMaxHistoryFiles = 20;

class TFileHistory {
public:
    // Reads HistoryFile19 down to HistoryFile00; empty and missing values are skipped.
    void LoadFromRegistry();
    // Replaces the section by the newest entries (at most 20), newest as HistoryFile00.
    // False when the settings file could not be written.
    bool SaveToRegistry() const;

    // Moves an equal entry (ignoring case) to the top, or adds the file as newest.
    void AddHistoryFile(const std::string& fileName);
    void RemoveHistoryFile(const std::string& fileName);

    // Newest first, at most 20.
    std::vector<std::string> Newest() const;
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<std::string> FItems;  // oldest first
};

}  // namespace qz::gui
