// A fresh temporary folder per test, removed afterwards. Its paths are
// written with the platform's separator, as the plug-in composes them.
#pragma once

#include <string>

namespace plxtest {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // A path inside it; "/" in `name` separates folders on every platform.
    std::string file(const std::string& name) const;

  private:
    std::string path_;
};

// Writes text to a file, replacing it; returns false when it cannot.
bool writeFile(const std::string& path, const std::string& text);
// The whole file as bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

} // namespace plxtest
