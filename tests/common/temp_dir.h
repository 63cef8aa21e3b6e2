// A fresh temporary folder per test, removed afterwards.
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
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Writes text to a file, replacing it; returns false when it cannot.
bool writeFile(const std::string& path, const std::string& text);
// The whole file as bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

} // namespace plxtest
