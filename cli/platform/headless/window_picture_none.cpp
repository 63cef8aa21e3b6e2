// The plug-in's windows are the window system's here; they are drawn as SVG.
#include "cli/window_picture.h"

#include "cli/messages.h"

namespace plxcli {

bool writeWindowPicture(Session&, const std::string&, const std::string& path,
                        std::string* error) {
    if (error) *error = say("%1: this build draws its windows as SVG only", {path});
    return false;
}

} // namespace plxcli
