// A stand-in host with the plug-in (linked into the test program)
// activated through XTActivateCallback, on a temporary home folder: the
// settings and log the plug-in writes land there.
#pragma once

#include <cstdint>
#include <string>

#include "host/host.h"
#include "tests/common/temp_dir.h"
#include "tests/common/temp_home.h"

namespace plxtest {

class PluginHost {
  public:
    // Activates the plug-in unless `activate` is false; then reports the
    // host language 0 (English) when activation succeeded.
    explicit PluginHost(plxhost::HostOptions options = {}, bool activate = true);

    plxhost::Host& host() { return host_; }
    const std::string& home() const { return home_.path(); }
    const TempHome& tempHome() const { return home_; }
    int32_t activationResult() const { return result_; }

    // Opens a project from text (written into the home folder under
    // fileName); fails the running test when it does not load. Returns the
    // project reference.
    int32_t openProjectText(const std::string& text, const std::string& fileName = "Test.proj");
    // Opens one of the bundled examples ("Catalog.proj").
    int32_t openExample(const std::string& name);

  private:
    TempHome home_;
    plxhost::Host host_;
    int32_t result_ = -1;
};

// Path of a file in the source tree.
std::string sourcePath(const std::string& relative);

} // namespace plxtest
