// Test entry point: every test runs with its own empty data and settings folders, so
// no test reads or writes a real home folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    fs::path root = fs::temp_directory_path() / ("qz-tests-" + std::to_string(::getpid()));
    fs::create_directories(root / "data");
    fs::create_directories(root / "config");
    setenv("QZ_DATA_DIR", (root / "data").c_str(), 1);
    setenv("QZ_CONFIG_DIR", (root / "config").c_str(), 1);
    setenv("QZ_INSTALLED_DIR", QZ_STAGED_DATA_DIR, 1);
    ::testing::InitGoogleTest(&argc, argv);
    int rc = RUN_ALL_TESTS();
    std::error_code ec;
    fs::remove_all(root, ec);
    return rc;
}
