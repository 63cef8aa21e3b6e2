#include "tests/common/environment.h"

#include <cstdlib>

namespace plxtest {

namespace {

bool current(const std::string& name, std::string* value) {
    const char* v = std::getenv(name.c_str());
    if (v) *value = v;
    return v != nullptr;
}

} // namespace

ScopedVariable::ScopedVariable(const std::string& name, const std::string& value) : name_(name) {
    had_ = current(name, &old_);
    setVariable(name, value);
}

ScopedVariable::ScopedVariable(const std::string& name) : name_(name) {
    had_ = current(name, &old_);
    unsetVariable(name);
}

ScopedVariable::~ScopedVariable() {
    if (had_) setVariable(name_, old_);
    else unsetVariable(name_);
}

} // namespace plxtest
