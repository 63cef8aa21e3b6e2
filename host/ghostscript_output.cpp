#include "host/ghostscript_output.h"

namespace plxhost {

std::string ghostscriptSays(const std::string& output) {
    size_t error = output.find("Error: /");
    if (error != std::string::npos) {
        size_t end = output.find('\n', error);
        return output.substr(error, end == std::string::npos ? std::string::npos : end - error);
    }
    std::string text = output;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.size() > 400) text = "…" + text.substr(text.size() - 400);
    return text;
}

} // namespace plxhost
