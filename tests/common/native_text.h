// Texts and paths as the build under test writes them: the line end of
// the plug-in's files (LF on Linux, CR LF on Windows, CR on macOS, whose
// plexmoor the macOS stage runs these tests against: tested_platform.h)
// and the separator it composes paths with ("/" or "\"). Expectations are
// written with LF and "/" and turned into the platform's form here, or
// what was written is turned back before it is compared where a test is
// about the names, not the separators.
#pragma once

#include <string>

namespace plxtest {

// The plug-in's line end and path separator.
const char* lineEnd();
char separator();

// LF turned into the platform's line end.
std::string withLineEnds(const std::string& lfText);
// The platform's line ends (and CR LF written by the C runtime's text
// mode) read back as LF; a lone CR too when the build under test is the
// macOS one.
std::string withLF(const std::string& text);

// "/" turned into the platform's separator.
std::string nativePath(const std::string& slashedPath);
// `name` inside `folder`, joined with the platform's separator ("/" in
// `name` separates folders too).
std::string joined(const std::string& folder, const std::string& name);
// Either separator read back as "/".
std::string slashed(const std::string& path);

} // namespace plxtest
