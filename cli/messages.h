// The command line's own texts in the host's language. A text is written
// in English where it is used; that English text is the key of its German
// version (cli/messages_de.cpp). "%1" … "%9" stand for the arguments.
#pragma once

#include <initializer_list>
#include <string>

namespace plxcli {

// German when `german`, else English; set once, from --lang.
void setGerman(bool german);
bool german();

// The text in the chosen language with %1 … %9 replaced by the arguments.
std::string say(const char* english, std::initializer_list<std::string> args = {});

// "on" or "off" for a check box's value.
std::string onOff(long long value);

// The German text for an English one, or null when the table has none.
const char* germanText(const char* english);

} // namespace plxcli
