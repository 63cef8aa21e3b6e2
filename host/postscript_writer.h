// The PostScript stream of one job.
#pragma once

#include <cstddef>
#include <string>

namespace plxhost {

class PostScriptWriter {
  public:
    // Bytes as given (plug-ins' additions).
    void raw(const char* bytes, size_t length) { text_.append(bytes, length); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

} // namespace plxhost
