// Whether every text of a window fits its control, measured with the
// control's own font on the real Win32 controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One line per text that does not fit: "NAME: control ID "TEXT" needs N
// pixels, has M". Buttons, check boxes, radio buttons, group boxes and
// static texts are measured; fields and lists hold the user's texts.
std::vector<std::string> textsNotFitting(HWND window, const std::string& name);
