// Helpers of window.cpp that other source files use. Internal.
#pragma once

#include "system.h"

#include "ui/window.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {
namespace detail {

// createWindow, also for the kinds only this library makes when systemKind is set.
Handle create(const CreateParams& params, bool systemKind);
// A top-level window of the library's own (message box, save dialog), centred
// across the screen and a quarter down the free height.
Handle createCentred(Kind kind, const std::string& title, Handle owner, Size size);

// One field of a window, or the fallback for an invalid handle.
template <typename T> T readField(Handle handle, T Window::*field, T fallback) {
    Window* w = find(handle);
    return w ? w->*field : fallback;
}

// Sets one field; false for an invalid handle.
template <typename T> bool writeField(Handle handle, T Window::*field, T value) {
    Window* w = find(handle);
    if (!w) return false;
    w->*field = value;
    return true;
}
Handle topLevelOf(Handle handle);
int findIndex(const std::vector<std::string>& items, const std::string& item);
void sortItems(std::vector<std::string>* items);
std::size_t sortedPosition(const std::vector<std::string>& items, const std::string& item);

} // namespace detail
} // namespace ui
