// Helpers of window.cpp that other source files use. Internal.
#pragma once

#include "ui/window.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {
namespace detail {

// createWindow, also for the kinds only this library makes when systemKind is set.
Handle create(const CreateParams& params, bool systemKind);
Handle topLevelOf(Handle handle);
int findIndex(const std::vector<std::string>& items, const std::string& item);
void sortItems(std::vector<std::string>* items);
std::size_t sortedPosition(const std::vector<std::string>& items, const std::string& item);

} // namespace detail
} // namespace ui
