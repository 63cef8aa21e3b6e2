// Helpers shared by the script's text form, its parser and its performer. Internal.
#pragma once

#include "ui/script.h"

#include <string>

namespace ui {
namespace detail {

bool verbFromName(const std::string& name, Verb* verb);
bool needsControl(Verb verb);
std::string formatControl(const ControlRef& control);
// The action without its window address, e.g. `type #3 "1-4"`.
std::string formatBody(const Action& action);

} // namespace detail
} // namespace ui
