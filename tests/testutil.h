// Helpers shared by the tests: temporary folders, file contents, the real language
// file and the optional third-party data.
#pragma once

#include <filesystem>
#include <string>

namespace qz::test {

// A fresh empty folder below the test run's temporary folder, removed at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// While it lives, files this process writes cannot grow past `bytes` (writes fail with
// EFBIG, as on a full disk); the limit holds for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& data);

// Loads the English language source of the source tree as the language in use.
void UseEnglishStrings();

// The system country file of the hamradio-files package, or "" when not installed.
std::string SystemCountryFile();
// The trimmed copy of a real country file committed for the rule and factory tests
// (tests/data/cty/README.md): every country and prefix, few exact calls.
std::string TestCountryFile();
// The third-party corpus folder, or "" when it is not beside the project.
std::string CorpusDir();

}  // namespace qz::test
