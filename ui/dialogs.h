// The system's own dialogs: the message box, the save-file dialog with an optional
// extension panel, and the beep.
#pragma once

#include "ui/types.h"

#include <string>
#include <vector>

namespace ui {

// Sounds the beep: counted, written to the transcript and told to the observer.
UI_API void beep();
UI_API int beepCount();

struct MessageBoxOptions {
    std::string title;
    std::string text;
    // Button titles, first = default (Return). Empty list = one "OK" button. A
    // button with an empty title is not shown but keeps its place in the numbering.
    std::vector<std::string> buttons;
    Handle owner = kNoWindow;
};

// Ids of the message box's own controls: the text, and button n has id n.
constexpr int kMessageTextId = 10;

// Shows a message box modally and returns the 1-based index of the button chosen;
// closing it (Escape, the close box, the script running out) gives 2. The box is
// a Kind::MessageBox window whose static text has id kMessageTextId; the previously
// active window and its focus are restored afterwards. The box is written to the
// transcript and told to the observer when it appears and when it is answered.
// Does not beep by itself.
UI_API int messageBox(const MessageBoxOptions& options);

// Ids of the save dialog's own controls. The panel's controls are the caller's and
// may use any other ids.
constexpr int kSaveOkId = 1;
constexpr int kSaveCancelId = 2;
constexpr int kSaveFolderId = 1001; // edit: the folder
constexpr int kSaveNameId = 1002;   // edit: the file name
constexpr int kSavePanelId = 1003;  // pane: the extension panel

enum class SaveEventKind : int {
    Init,    // the panel exists (empty) and the dialog is about to run: add controls now
    FileOk,  // Save was pressed with a usable path: return true to keep the dialog open
    Command, // a control in the panel notified: control, id, notify
};

struct SaveEvent {
    SaveEventKind kind = SaveEventKind::Init;
    Handle dialog = kNoWindow;
    Handle panel = kNoWindow;   // 0 when there is no panel
    Handle control = kNoWindow; // Command
    int id = 0;                 // Command
    Notify notify = Notify::None;
};

// The hook's result matters for FileOk only (true refuses the path).
using SaveHook = bool (*)(const SaveEvent& event, void* user);

struct SaveDialogOptions {
    std::string title = "Save";
    // Proposed path: its folder fills the folder field, the rest the name field
    // (a path ending in "/" proposes a folder and no name).
    std::string initialPath;
    // Ask before replacing an existing file (a Yes/No message box).
    bool confirmOverwrite = false;
    Handle owner = kNoWindow;
    // Size of the extension panel; a zero width or height means no panel.
    Size panelSize;
    SaveHook hook = nullptr;
    void* hookUser = nullptr;
};

// Runs the save dialog modally. Save (id 1, or Return) takes the path: the name
// field alone when it holds an absolute path, else the folder joined with the name.
// An empty name beeps; a folder that does not exist is reported in a message box;
// with confirmOverwrite an existing file asks first; then the hook gets FileOk and
// may refuse. Each refusal keeps the dialog open. Commands from the panel's controls
// go to the hook only. Returns 1 with *chosenPath (when given) set when a path was
// accepted, 2 when cancelled or closed (chosenPath untouched).
UI_API int runSaveDialog(const SaveDialogOptions& options, std::string* chosenPath);

// While a save dialog is open (e.g. from its hook): the fields and the path they
// make, and setting the fields from code (no notification).
UI_API std::string saveDialogFolder(Handle dialog);
UI_API std::string saveDialogFileName(Handle dialog);
UI_API std::string saveDialogPath(Handle dialog);
UI_API bool saveDialogSetFolder(Handle dialog, const std::string& folder);
UI_API bool saveDialogSetFileName(Handle dialog, const std::string& name);
UI_API Handle saveDialogPanel(Handle dialog);

// Joins a folder and a name as the save dialog does: an absolute name stands
// alone, an empty folder gives the name, else folder + "/" + name.
UI_API std::string joinPath(const std::string& folder, const std::string& name);

} // namespace ui
