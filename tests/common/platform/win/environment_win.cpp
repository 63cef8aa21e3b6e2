// The C runtime keeps its own copy of the environment (getenv reads it);
// _wputenv_s changes that copy and the process's, which children inherit.
#include "tests/common/environment.h"

#include <cstdlib>

#include "tests/common/platform/win/wide.h"

namespace plxtest {

void setVariable(const std::string& name, const std::string& value) {
    _wputenv_s(toWide(name).c_str(), toWide(value).c_str());
}

void unsetVariable(const std::string& name) {
    _wputenv_s(toWide(name).c_str(), L"");
}

} // namespace plxtest
