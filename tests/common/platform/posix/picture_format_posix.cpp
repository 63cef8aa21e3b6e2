#include "tests/common/picture_format.h"

namespace plxtest {

const char* windowPictureExtension() { return ".svg"; }

} // namespace plxtest
