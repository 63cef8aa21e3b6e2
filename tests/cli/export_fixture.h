// A temporary home with the example catalogue copied into it and an empty
// output folder, for running `plexmoor export` end to end.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/cli_run.h"
#include "tests/common/plugin_host.h"
#include "tests/common/temp_dir.h"

namespace plxtest {

class ExportCliFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        out = home.file("out");
        std::filesystem::create_directories(out);
        project = home.file("Catalog.proj");
        std::filesystem::copy_file(sourcePath("examples/Catalog.proj"), project);
    }
    CliResult exportWith(const std::string& options) {
        return runPlexmoor("export " + shellQuoted(project) + " " + options);
    }
    // The same, run from inside `folder`.
    CliResult exportFrom(const std::string& folder, const std::string& options) {
        return runPlexmoor("export " + shellQuoted(project) + " " + options + " --lang en",
                           folder);
    }
    std::string to(const std::string& name) { return "--to " + shellQuoted(out + "/" + name); }
    static bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    TempHome home;
    std::string out, project;
};

} // namespace plxtest
