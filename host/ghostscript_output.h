#pragma once
// What Ghostscript said about a failure, in a line a person can read.
#include <string>

namespace plxhost {

// Its "Error: /name in command" line when the output holds one, else the
// end of the output (at most 400 bytes, trailing line ends dropped).
std::string ghostscriptSays(const std::string& output);

} // namespace plxhost
