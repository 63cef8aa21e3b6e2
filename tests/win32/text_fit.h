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

// One line per two visible controls of the same parent that overlap: "NAME:
// controls A and B overlap". Containers (group boxes, panes, child dialogs)
// hold controls and are left out, as are controls overlapping the container
// they lie in.
std::vector<std::string> overlappingControls(HWND window, const std::string& name);
