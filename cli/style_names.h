// The output styles as the export dialog offers them, and finding the one
// a person meant by a name typed slightly wrong.
#pragma once

#include <string>
#include <vector>

#include "host/host.h"

namespace plxcli {

// The styles in the export dialog's list, in its order: the host's
// default EPS style, the other EPS styles, then the same for PDF. Styles
// of other media are not offered.
std::vector<OutputStyleRef> offeredStyles(plxhost::Host& host);

// Among `names`, the one meant by `typed`: the same name in other case,
// else the nearest within two edits (letters compared without case).
// Empty when none is near enough.
std::string closestName(const std::string& typed, const std::vector<std::string>& names);

// The medium a file name's extension asks for: EPS for ".eps", PDF for
// ".pdf" (any case), kXTMediumNone otherwise.
uint32_t mediumOfExtension(const std::string& path);

// "EPS" or "PDF".
const char* mediumName(uint32_t medium);

} // namespace plxcli
