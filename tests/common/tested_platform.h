// Which build's plexmoor the end-to-end cases run against. The test
// programs are built for this platform, but the macOS stage runs them
// against the macOS plexmoor (PLX_TEST_PLEXMOOR), whose files lie in other
// places and end their lines otherwise. The stage says so explicitly with
// PLX_TEST_PLEXMOOR_PLATFORM=mac; unset or empty, the plexmoor is this
// build's own. Any other value stops the test program, so that a mistyped
// name never passes for this build.
#pragma once

namespace plxtest {

// True when the plexmoor under test (and the files its run leaves in a
// TempHome) is the macOS build's.
bool macBuildUnderTest();

} // namespace plxtest
