#include "base/settingsstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/fileio.h"
#include "base/text.h"

namespace fs = std::filesystem;

namespace qz {

namespace {

// Values may hold any byte; line breaks and backslashes are escaped so that one value
// stays on one line.
std::string Escape(std::string_view v) {
    std::string r;
    for (char c : v) {
        if (c == '\\') r += "\\\\";
        else if (c == '\n') r += "\\n";
        else if (c == '\r') r += "\\r";
        else r += c;
    }
    return r;
}

std::string Unescape(std::string_view v) {
    std::string r;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size()) {
            char n = v[++i];
            r += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            r += v[i];
        }
    }
    return r;
}

}  // namespace

std::string ConfigFolder() {
    const char* d = std::getenv("QZ_CONFIG_DIR");
    if (d && *d) return d;
    const char* x = std::getenv("XDG_CONFIG_HOME");
    std::string base =
        (x && *x) ? std::string(x) : std::string(std::getenv("HOME") ? std::getenv("HOME") : "/tmp") + "/.config";
    return base + "/Quorvel/QZ";
}

std::string SettingsFilePath() { return ConfigFolder() + "/settings.ini"; }

TSettingsStore TSettingsStore::Load(const std::string& path) {
    std::string text;
    std::string error;
    switch (ReadWholeFileEx(path, text, &error)) {
        case TReadFileError::None: break;
        case TReadFileError::Missing: return {};  // no settings yet: the defaults
        default: {
            // Read as defaults, but never saved over: the file may hold every setting.
            TSettingsStore store;
            store.loadError_ = error;
            return store;
        }
    }
    TSettingsStore store = Parse(text);
    if (!store.loadError_.empty()) store.loadError_ = path + ", " + store.loadError_;
    return store;
}

TSettingsStore TSettingsStore::Parse(std::string_view text) {
    TSettingsStore store;
    // A byte-order mark from an editor that saved the file as UTF-8.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    SectionData* current = nullptr;
    int lineNo = 0;
    auto fail = [&store, &lineNo](const char* what) {
        if (store.loadError_.empty()) store.loadError_ = "line " + std::to_string(lineNo) + ": " + what;
    };
    for (const std::string& raw : SplitLines(text)) {
        ++lineNo;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') {
                fail("a section title without \"]\"");
                current = nullptr;  // its values are not taken
                continue;
            }
            current = &store.SectionFor(line.substr(1, line.size() - 2));
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos || std::any_of(line.begin(), line.end(), [](char c) { return c == '\0'; })) {
            fail("neither a section title nor NAME=VALUE");
            continue;
        }
        if (current == nullptr) {
            fail("a value before the first section title");
            continue;
        }
        std::string name = Trim(line.substr(0, eq));
        if (name.empty()) {
            fail("a value without a name");
            continue;
        }
        std::string value = Unescape(TrimLeft(std::string_view(raw).substr(raw.find('=') + 1)));
        // Later duplicates replace earlier ones.
        bool replaced = false;
        for (auto& e : current->entries)
            if (SameText(e.name, name)) {
                e.value = value;
                replaced = true;
            }
        if (!replaced) current->entries.push_back({name, value});
    }
    return store;
}

const TSettingsStore::Entry* TSettingsStore::Find(std::string_view section, std::string_view name) const {
    for (const auto& s : sections_)
        if (SameText(s.name, section))
            for (const auto& e : s.entries)
                if (SameText(e.name, name)) return &e;
    return nullptr;
}

TSettingsStore::SectionData& TSettingsStore::SectionFor(std::string_view section) {
    for (auto& s : sections_)
        if (SameText(s.name, section)) return s;
    sections_.push_back({std::string(section), {}});
    return sections_.back();
}

bool TSettingsStore::Has(std::string_view section, std::string_view name) const {
    return Find(section, name) != nullptr;
}

std::string TSettingsStore::GetString(std::string_view section, std::string_view name, std::string_view def) const {
    const Entry* e = Find(section, name);
    return e ? e->value : std::string(def);
}

std::int32_t TSettingsStore::GetInteger(std::string_view section, std::string_view name, std::int32_t def) const {
    const Entry* e = Find(section, name);
    std::int32_t v;
    return (e && TryStrToInt(Trim(e->value), v)) ? v : def;
}

bool TSettingsStore::GetBool(std::string_view section, std::string_view name, bool def) const {
    const Entry* e = Find(section, name);
    if (!e) return def;
    std::string v = Trim(e->value);
    if (v == "1" || SameText(v, "true")) return true;
    if (v == "0" || SameText(v, "false")) return false;
    return def;
}

void TSettingsStore::SetString(std::string_view section, std::string_view name, std::string_view value) {
    SectionData& s = SectionFor(section);
    for (auto& e : s.entries)
        if (SameText(e.name, name)) {
            e.value = std::string(value);
            return;
        }
    s.entries.push_back({std::string(name), std::string(value)});
}

void TSettingsStore::SetInteger(std::string_view section, std::string_view name, std::int32_t value) {
    SetString(section, name, std::to_string(value));
}

void TSettingsStore::SetBool(std::string_view section, std::string_view name, bool value) {
    SetString(section, name, value ? "1" : "0");
}

void TSettingsStore::EraseSection(std::string_view section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (SameText(it->name, section)) {
            sections_.erase(it);
            return;
        }
}

std::vector<std::pair<std::string, std::string>> TSettingsStore::Section(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> r;
    for (const auto& s : sections_)
        if (SameText(s.name, section))
            for (const auto& e : s.entries) r.emplace_back(e.name, e.value);
    return r;
}

std::string TSettingsStore::Serialize() const {
    std::string out;
    for (const auto& s : sections_) {
        out += "[" + s.name + "]\n";
        for (const auto& e : s.entries) out += e.name + "=" + Escape(e.value) + "\n";
        out += "\n";
    }
    return out;
}

bool TSettingsStore::Save(const std::string& path, std::string* error) const {
    if (!loadError_.empty()) {
        if (error) *error = loadError_ + "; the settings file was not changed";
        return false;
    }
    // The file holds the SMTP password (scrambled, not encrypted), so it is readable by
    // its owner only: its folder is made with mode 0700, a new file is made empty with
    // mode 0600 before anything is written, and an existing one readable by others is
    // narrowed first. The atomic write keeps those bits for the file that replaces it.
    const fs::path target(ResolveLinks(path));
    std::error_code ec;
    if (target.has_parent_path() && !fs::exists(target.parent_path(), ec)) {
        fs::create_directories(target.parent_path(), ec);
        fs::permissions(target.parent_path(), fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) ::close(fd);
    } else if (S_ISREG(st.st_mode) && (st.st_mode & 077) != 0) {
        ::chmod(target.c_str(), st.st_mode & 07700);
    }
    return WriteFileAtomically(path, Serialize(), error, TWriteOptions{.createFolders = true});
}

std::int32_t ReadSettingInteger(std::string_view name, std::int32_t def, std::string_view section) {
    return TSettingsStore::Load().GetInteger(section, name, def);
}

bool ReadSettingBool(std::string_view name, bool def, std::string_view section) {
    return TSettingsStore::Load().GetBool(section, name, def);
}

std::string ReadSettingString(std::string_view name, std::string_view def, std::string_view section) {
    return TSettingsStore::Load().GetString(section, name, def);
}

bool WriteSettingInteger(std::string_view name, std::int32_t value, std::string_view section) {
    TSettingsStore s = TSettingsStore::Load();
    s.SetInteger(section, name, value);
    return s.Save();
}

bool WriteSettingBool(std::string_view name, bool value, std::string_view section) {
    TSettingsStore s = TSettingsStore::Load();
    s.SetBool(section, name, value);
    return s.Save();
}

bool WriteSettingString(std::string_view name, std::string_view value, std::string_view section) {
    TSettingsStore s = TSettingsStore::Load();
    s.SetString(section, name, value);
    return s.Save();
}

}  // namespace qz
