// Changing the process's environment from a test, on either platform.
#pragma once

#include <string>

namespace plxtest {

void setVariable(const std::string& name, const std::string& value);
void unsetVariable(const std::string& name);

// Sets (or, without a value, removes) one variable for as long as it
// lives, and restores it afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const std::string& name, const std::string& value);
    explicit ScopedVariable(const std::string& name);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    std::string name_, old_;
    bool had_ = false;
};

} // namespace plxtest
