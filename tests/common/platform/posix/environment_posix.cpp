#include "tests/common/environment.h"

#include <cstdlib>

namespace plxtest {

void setVariable(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

void unsetVariable(const std::string& name) {
    unsetenv(name.c_str());
}

} // namespace plxtest
