// UTF-8 <-> UTF-16 for the host's system calls on Windows.
#pragma once

#include <string>

namespace plxhost {

// Empty for an empty or invalid text.
std::wstring toWide(const std::string& utf8);
std::string fromWide(const std::wstring& wide);
// The system's text for an error code, without the trailing line end.
std::string systemMessage(unsigned long code);

} // namespace plxhost
