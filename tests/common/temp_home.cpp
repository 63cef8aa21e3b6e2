#include "tests/common/temp_home.h"

#include <cstdlib>

#include "tests/common/environment.h"

namespace plxtest {

void TempHome::setVariable(const std::string& name, const std::string& value) {
    const char* old = std::getenv(name.c_str());
    if (old) saved_.emplace_back(name, old);
    else unset_.push_back(name);
    plxtest::setVariable(name, value);
}

} // namespace plxtest
