// Window procedures, registered window classes and message delivery.
//
// Each window may have a procedure. Windows of a registered class start with the
// class's procedure; any window's procedure can be replaced (setWindowProc), the
// replaced one being handed back so the new one can pass messages on.
//
// Where notifications go: when a person works a control, the control's parent gets
// Msg::Command. The standard behaviour (defaultProc) of a child window passes a
// Command on to its own parent, so by default every notification reaches the
// top-level window, however deep the control sits in panes and group boxes. A
// procedure of a container that wants to act on its children's notifications
// (a radio group, say) handles them and may send its own with notifyParent.
//
// defaultProc of a top-level window: Command with id 1 or 2 and Notify::Clicked
// (a push button with that id, or Return/Escape) ends the window's modal loop with
// that id; Close ends the modal loop with 2, or destroys a window that is not
// modal; Key does the standard keyboard handling (Tab, Shift+Tab, Return, Escape,
// Space; see ui/person.h). GetValue returns the stored value; SetValue stores it.
#pragma once

#include "ui/types.h"

#include <cstdint>
#include <string>

namespace ui {

// Registers a window class, or replaces the procedure of one already registered
// (windows made earlier keep the procedure they were made with).
UI_API void registerClass(const std::string& name, WindowProc proc, void* user = nullptr);
UI_API bool isClassRegistered(const std::string& name);
UI_API bool unregisterClass(const std::string& name);

// Replaces the window's procedure and returns the one it had (an empty ProcRef
// when it had none, i.e. the standard behaviour).
UI_API ProcRef setWindowProc(Handle window, WindowProc proc, void* user = nullptr);
UI_API ProcRef windowProc(Handle window);

// Delivers a message to the window's procedure, or to defaultProc when it has
// none. Returns the procedure's result, 0 for an invalid handle.
UI_API std::intptr_t sendMessage(Handle window, const Message& msg);
// Calls a procedure that was replaced, or defaultProc when it is empty.
UI_API std::intptr_t callProc(const ProcRef& proc, Handle window, const Message& msg);
// The standard behaviour described above.
UI_API std::intptr_t defaultProc(Handle window, const Message& msg);

// Sends Msg::Command with the control as source, its id and the notification to
// the control's parent. This is how controls notify; a registered class calls it
// to notify on its own behalf. False when the control has no parent.
UI_API bool notifyParent(Handle control, Notify notify);

} // namespace ui
