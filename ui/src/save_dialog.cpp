// The save-file dialog: a folder field, a file-name field, Save and Cancel, and
// an optional extension panel whose controls belong to the caller's hook.
#include "path_rules.h"
#include "system.h"
#include "window_internal.h"

#include "ui/dialogs.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/window.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace ui {

namespace {

constexpr int kMargin = 12;
constexpr int kLabelWidth = 80;
constexpr int kFieldX = kMargin + kLabelWidth + 4;
constexpr int kRowHeight = 20;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kFilePartHeight = 108;

struct SaveState {
    const SaveDialogOptions* options = nullptr;
    Handle panel = kNoWindow;
    std::string chosen;
};

bool callHook(const SaveState& state, SaveEvent event) {
    if (!state.options->hook) return false;
    return state.options->hook(event, state.options->hookUser);
}

bool isInside(Handle window, Handle ancestor) {
    for (Handle h = window; h; h = parent(h))
        if (h == ancestor) return true;
    return false;
}

using paths::folderOf;

void tell(Handle dialog, const std::string& text, std::vector<std::string> buttons, int* answer) {
    MessageBoxOptions box;
    box.title = ui::text(dialog);
    box.text = text;
    box.buttons = std::move(buttons);
    box.owner = dialog;
    int result = messageBox(box);
    if (answer) *answer = result;
}

// Save pressed: the path is checked as the file system sees it, then offered to
// the hook; any refusal keeps the dialog open.
void trySave(SaveState* state, Handle dialog) {
    if (saveDialogFileName(dialog).empty()) {
        beep();
        return;
    }
    std::string path = saveDialogPath(dialog);
    std::string folder = folderOf(path);
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(std::filesystem::u8path(folder), error)) {
        tell(dialog, "The folder \"" + folder + "\" does not exist.", {"OK"}, nullptr);
        return;
    }
    if (std::filesystem::is_directory(std::filesystem::u8path(path), error)) {
        tell(dialog, "\"" + path + "\" is a folder.", {"OK"}, nullptr);
        return;
    }
    if (state->options->confirmOverwrite && std::filesystem::exists(path, error)) {
        int answer = 0;
        tell(dialog, "\"" + path + "\" already exists. Replace it?", {"Yes", "No"}, &answer);
        if (answer != 1) return;
    }
    SaveEvent ok;
    ok.kind = SaveEventKind::FileOk;
    ok.dialog = dialog;
    ok.panel = state->panel;
    if (callHook(*state, ok)) return;
    state->chosen = path;
    endModal(dialog, 1);
}

bool panelCommand(SaveState* state, Handle dialog, const Message& msg) {
    SaveEvent event;
    event.kind = SaveEventKind::Command;
    event.dialog = dialog;
    event.panel = state->panel;
    event.control = msg.source;
    event.id = msg.id;
    event.notify = msg.notify;
    callHook(*state, event);
    return true;
}

std::intptr_t saveProc(Handle self, const Message& msg, void* user) {
    auto* state = static_cast<SaveState*>(user);
    if (msg.msg == Msg::Command) {
        // A container in the panel may send its controls' commands straight here.
        if (state->panel && msg.source && isInside(msg.source, state->panel))
            return panelCommand(state, self, msg);
        if (msg.id == kSaveOkId && msg.notify == Notify::Clicked) {
            trySave(state, self);
            return 1;
        }
    }
    return defaultProc(self, msg);
}

// The panel keeps its controls' commands to itself and hands them to the hook.
std::intptr_t panelProc(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Command)
        return panelCommand(static_cast<SaveState*>(user), topLevel(self), msg);
    return defaultProc(self, msg);
}

Handle buildDialog(const SaveDialogOptions& options, SaveState* state) {
    bool withPanel = options.panelSize.w > 0 && options.panelSize.h > 0;
    int width = std::max(480, withPanel ? options.panelSize.w : 0);
    int height = kFilePartHeight + (withPanel ? options.panelSize.h : 0);
    Handle dialog =
        detail::createCentred(Kind::SaveDialog, options.title, options.owner, Size{width, height});
    if (!dialog) return kNoWindow;

    const std::string& initial = options.initialPath;
    std::string folder = folderOf(initial);
    std::string name = paths::nameOf(initial);
    int fieldWidth = width - kFieldX - kMargin;
    createControl(dialog, Kind::Static, -1, Rect{kMargin, 14, kLabelWidth, 16}, "Folder:");
    createControl(dialog, Kind::Edit, kSaveFolderId, Rect{kFieldX, 12, fieldWidth, kRowHeight},
                  folder, style::TabStop | style::ClientEdge);
    createControl(dialog, Kind::Static, -1, Rect{kMargin, 44, kLabelWidth, 16}, "File name:");
    Handle nameField =
        createControl(dialog, Kind::Edit, kSaveNameId, Rect{kFieldX, 42, fieldWidth, kRowHeight},
                      name, style::TabStop | style::ClientEdge);
    int buttonsY = 72;
    int cancelX = width - kMargin - kButtonWidth;
    createControl(dialog, Kind::PushButton, kSaveOkId,
                  Rect{cancelX - 8 - kButtonWidth, buttonsY, kButtonWidth, kButtonHeight}, "Save",
                  style::TabStop | style::DefaultButton);
    createControl(dialog, Kind::PushButton, kSaveCancelId,
                  Rect{cancelX, buttonsY, kButtonWidth, kButtonHeight}, "Cancel", style::TabStop);
    if (withPanel) {
        state->panel =
            createControl(dialog, Kind::Pane, kSavePanelId,
                          Rect{0, kFilePartHeight, options.panelSize.w, options.panelSize.h});
        setWindowProc(state->panel, panelProc, state);
    }
    setWindowProc(dialog, saveProc, state);
    // The name field has the focus when the dialog comes up, its text selected.
    detail::find(dialog)->lastFocus = nameField;
    setTextSelection(nameField, 0, -1);
    return dialog;
}

} // namespace

std::string joinPath(const std::string& folder, const std::string& name) {
    if (paths::isAbsolute(name)) return name;
    if (folder.empty()) return name;
    if (paths::isSeparator(folder.back())) return folder + name;
    return folder + paths::kSeparator + name;
}

int runSaveDialog(const SaveDialogOptions& options, std::string* chosenPath) {
    SaveState state;
    state.options = &options;
    Handle dialog = buildDialog(options, &state);
    if (!dialog) return 0;
    SaveEvent init;
    init.kind = SaveEventKind::Init;
    init.dialog = dialog;
    init.panel = state.panel;
    callHook(state, init);
    int result = runModal(dialog);
    destroyWindow(dialog);
    if (result != 1) return 2;
    if (chosenPath) *chosenPath = state.chosen;
    return 1;
}

namespace {

Handle field(Handle dialog, int fieldId) {
    return kind(dialog) == Kind::SaveDialog && isWindow(dialog) ? findControl(dialog, fieldId)
                                                                : kNoWindow;
}

} // namespace

std::string saveDialogFolder(Handle dialog) {
    return text(field(dialog, kSaveFolderId));
}

std::string saveDialogFileName(Handle dialog) {
    return text(field(dialog, kSaveNameId));
}

std::string saveDialogPath(Handle dialog) {
    return joinPath(saveDialogFolder(dialog), saveDialogFileName(dialog));
}

bool saveDialogSetFolder(Handle dialog, const std::string& folder) {
    return setText(field(dialog, kSaveFolderId), folder);
}

bool saveDialogSetFileName(Handle dialog, const std::string& name) {
    return setText(field(dialog, kSaveNameId), name);
}

Handle saveDialogPanel(Handle dialog) {
    return field(dialog, kSavePanelId);
}

} // namespace ui
