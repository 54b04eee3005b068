// The per-user settings store: named values in sections of an INI file
// ($QZ_CONFIG_DIR, else $XDG_CONFIG_HOME/Quorvel/QZ, else ~/.config/Quorvel/QZ, file
// settings.ini). The main section is "QZ"; the recent-files list uses "FileHistory".
// Reads never fail towards the caller: a missing or unreadable value yields the
// default. Writes replace the file atomically, so a failed write leaves the previous
// file as it was. A file that exists but cannot be read or parsed is never written
// over: the values the caller did not change would be lost with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qz {

inline constexpr std::string_view kMainSection = "QZ";
inline constexpr std::string_view kFileHistorySection = "FileHistory";

std::string ConfigFolder();
std::string SettingsFilePath();

// An in-memory copy of the settings file, for callers that read or write many values
// at once (the settings record). Keys are compared ignoring case.
class TSettingsStore {
public:
    // Loads the file; a missing file gives an empty store. A file that cannot be read
    // or holds a line that is no setting gives the values read so far and LoadError().
    static TSettingsStore Load(const std::string& path = SettingsFilePath());
    // A leading UTF-8 byte-order mark is skipped.
    static TSettingsStore Parse(std::string_view text);
    // "" when the file was missing or read whole; otherwise why it could not be read or
    // parsed, naming the file (and line). Such a store is never saved.
    const std::string& LoadError() const { return loadError_; }

    bool Has(std::string_view section, std::string_view name) const;
    std::string GetString(std::string_view section, std::string_view name, std::string_view def) const;
    std::int32_t GetInteger(std::string_view section, std::string_view name, std::int32_t def) const;
    bool GetBool(std::string_view section, std::string_view name, bool def) const;

    void SetString(std::string_view section, std::string_view name, std::string_view value);
    void SetInteger(std::string_view section, std::string_view name, std::int32_t value);
    void SetBool(std::string_view section, std::string_view name, bool value);
    void EraseSection(std::string_view section);
    std::vector<std::pair<std::string, std::string>> Section(std::string_view section) const;

    std::string Serialize() const;
    // Writes to a temporary file beside `path`, flushes it and renames it over the old
    // file. False (old file untouched) when anything fails or LoadError() is set.
    bool Save(const std::string& path = SettingsFilePath(), std::string* error = nullptr) const;

private:
    struct Entry {
        std::string name, value;
    };
    struct SectionData {
        std::string name;
        std::vector<Entry> entries;
    };
    const Entry* Find(std::string_view section, std::string_view name) const;
    SectionData& SectionFor(std::string_view section);
    std::vector<SectionData> sections_;
    std::string loadError_;
};

std::int32_t ReadSettingInteger(std::string_view name, std::int32_t def, std::string_view section = kMainSection);
bool ReadSettingBool(std::string_view name, bool def, std::string_view section = kMainSection);
std::string ReadSettingString(std::string_view name, std::string_view def, std::string_view section = kMainSection);
// Failing writes are ignored (the result says whether the value was stored).
bool WriteSettingInteger(std::string_view name, std::int32_t value, std::string_view section = kMainSection);
bool WriteSettingBool(std::string_view name, bool value, std::string_view section = kMainSection);
bool WriteSettingString(std::string_view name, std::string_view value, std::string_view section = kMainSection);

}  // namespace qz
