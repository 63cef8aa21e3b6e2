// A small test plug-in for the host's print engine: callbacks made of
// functions in the test program, registered through the set-up record and
// working through the host's function groups like a real plug-in. What
// each job does is set in `TestJob` before the host outputs it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/host.h"
#include "tests/common/plugin_host.h"
#include "xt/xtbox.h"
#include "xt/xtgroups.h"
#include "xt/xtoutput.h"
#include "xt/xtpage.h"

namespace plxtest {

struct TestJob {
    std::string outputFile;      // empty: none set
    int first = 0, last = 0;     // 0: the range is left alone
    bool areaFromBox = false;    // output area = the selected box
    bool cropBoxToBox = false;   // the crop-box program for the selected box in 155
    bool pageFrame = false;      // a hairline frame around the job's pages in 155
    std::string styleName;       // applied during job info when not empty
    std::string commentText;     // written during 145
    std::string pageText;        // written during 155
    int32_t setupSize = sizeof(XTPrintSetupRec); // asked of getPrintSetup in 145
};

struct SeenCalls {
    int jobInfo = 0, comments = 0, pages = 0;
    std::vector<int32_t> selectors;
    std::vector<int16_t> pageNumbers;
    uint8_t setupFlags = 0;
    int32_t setupResult = -1;
    bool setupOverrun = false; // bytes past the size asked for were changed
    int32_t writeDuringJobInfo = 0; // psWrite's result inside 681
};

// The groups the test plug-in binds, and the callbacks it registers.
struct PrintKit {
    const XTPrintFuncs* print = nullptr;
    const XTUtilityFuncs* utility = nullptr;
    const XTShapeFuncs* shape = nullptr;
    const XTBoxFuncs* box = nullptr;
    const XTOutputStyleFuncs* styles = nullptr;
    const XTXasFuncs* xas = nullptr;
    const XTXMLNodeFuncs* xml = nullptr;
    const XTDocMeasureFuncs* measure = nullptr;
    const XTFixedRectFuncs* fixedRect = nullptr;
    const XTSpreadFuncs* spread = nullptr;

    // Binds the groups and registers 681, 145 and 155.
    explicit PrintKit(plxhost::Host& host);
};

// The job the callbacks carry out next, and what they saw.
TestJob& testJob();
SeenCalls& seen();

// A host with the test plug-in's callbacks on a temporary home.
class PrintHost {
  public:
    explicit PrintHost(plxhost::HostOptions options = {});
    plxhost::Host& host() { return base_.host(); }
    plxhost::PrintEngine& engine() { return host().printEngine(); }
    PrintKit& kit() { return kit_; }
    int32_t open(const std::string& projectText) { return base_.openProjectText(projectText); }
    std::string file(const std::string& name) const { return base_.home() + "/" + name; }
    const std::string& home() const { return base_.home(); }
    // Outputs the front layout with the medium; resets SeenCalls first.
    int32_t output(uint32_t medium, int32_t flags = 0);

  private:
    PluginHost base_;
    PrintKit kit_;
};

// Runs a program and returns its output and exit status.
struct RunResult {
    int status = -1;
    std::string output;
};
RunResult run(const std::string& command);
// Numbers in a line of a program's output that starts with `prefix`.
std::vector<double> numbersAfter(const std::string& text, const std::string& prefix);
// Files in a folder whose names start with ".", the temporary files the
// host writes under.
std::vector<std::string> hiddenFiles(const std::string& folder);

} // namespace plxtest
