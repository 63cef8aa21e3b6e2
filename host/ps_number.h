// Numbers in the PostScript stream, written as printf's "%.Nf" writes them
// (the same bytes), without going through printf: a long export writes
// a dozen numbers a page, and printf's exact decimal conversion of each
// was a third of an EPS export's instructions.
#pragma once

#include <string>

namespace plxhost {

// Appends `value` with `decimals` digits after the point (0 to 6), as
// "%.*f" would. Values it cannot be sure to round as printf does (a
// fraction at the half way, huge or not finite values) go through printf.
void appendFixed(std::string& out, double value, int decimals);

} // namespace plxhost
