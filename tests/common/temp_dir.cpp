#include "tests/common/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "tests/common/native_text.h"

namespace plxtest {

TempDir::TempDir() {
    namespace fs = std::filesystem;
    const char* base = std::getenv("PLX_TEST_TMP");
    fs::path root = base && *base ? fs::u8path(base) : fs::temp_directory_path();
    fs::create_directories(root);
    static std::mt19937 generator{std::random_device{}()};
    const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "plx-";
        for (int i = 0; i < 6; ++i) name += letters[generator() % (sizeof letters - 1)];
        // create_directory is false when the name is taken (by another
        // test program running at the same time).
        if (fs::create_directory(root / name)) {
            path_ = nativePath((root / name).generic_u8string());
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

std::string TempDir::file(const std::string& name) const {
    return path_ + separator() + nativePath(name);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::u8path(path_), ec);
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string readFile(const std::string& path) {
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace plxtest
