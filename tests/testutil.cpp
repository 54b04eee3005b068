#include "testutil.h"

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <memory>
#include <sstream>

#include "base/language.h"

namespace fs = std::filesystem;

namespace qz::test {

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    // Exceeding the limit raises SIGXFSZ, which would end the test run.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    oldSoft_ = limit.rlim_cur;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = oldSoft_;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ =
        fs::temp_directory_path() / ("qz-t-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1)));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
}

void UseEnglishStrings() {
    static auto strings = std::make_shared<TLanguageStrings>(
        TLanguageStrings::FromText(ReadFile(std::string(QZ_SOURCE_DIR) + "/data/lang/eng.lsl")));
    SetLanguageStrings(strings);
}

std::string SystemCountryFile() {
    const char* p = "/usr/share/hamradio-files/cty.dat";
    return fs::exists(p) ? p : "";
}

std::string TestCountryFile() { return std::string(QZ_TEST_DATA_DIR) + "/cty/trimmed.dat"; }

std::string CorpusDir() {
    std::error_code ec;
    return fs::is_directory(QZ_CORPUS_DIR, ec) ? fs::canonical(QZ_CORPUS_DIR, ec).string() : "";
}

}  // namespace qz::test
