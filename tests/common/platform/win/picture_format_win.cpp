#include "tests/common/picture_format.h"

namespace plxtest {

const char* windowPictureExtension() { return ".png"; }

} // namespace plxtest
