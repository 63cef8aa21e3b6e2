// Watching the window system while the plug-in's dialogs and the host's
// windows run modally (host/window_watch.h), and scripts given in their
// text form.
#pragma once

#include <string>
#include <vector>

#include "host/window_watch.h"
#include "ui/ui.h"

namespace plxtest {

using plxhost::controlIn;
using plxhost::WindowWatch;

// The first window the watch saw with that title; fails the test (and
// gives an empty record) when there was none.
const WindowWatch::Seen& titled(const WindowWatch& watch, const std::string& title);

// Hands the window system a script in its text form; fails the test when
// it does not parse.
void playScript(const std::string& text);

// The texts of the message boxes shown so far.
std::vector<std::string> messageBoxTexts();

} // namespace plxtest
