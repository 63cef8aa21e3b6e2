// UTF-8 (the tests' strings) to UTF-16 (the system's calls) and back.
#pragma once

#include <string>

namespace plxtest {

std::wstring toWide(const std::string& text);
std::string fromWide(const std::wstring& text);

} // namespace plxtest
