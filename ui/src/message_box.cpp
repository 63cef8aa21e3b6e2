// The message box and the beep.
#include "system.h"
#include "window_internal.h"

#include "ui/dialogs.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/text_metrics.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kMargin = 12;
constexpr int kLineHeight = 16;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 8;

std::intptr_t messageBoxProc(Handle self, const Message& msg, void*) {
    if (msg.msg == Msg::Command && msg.notify == Notify::Clicked && msg.id >= 1) {
        endModal(self, msg.id);
        return 1;
    }
    // Closing the box, however it is done, answers 2.
    if (msg.msg == Msg::Key && static_cast<Key>(msg.value) == Key::Escape) {
        endModal(self, 2);
        return 1;
    }
    return defaultProc(self, msg);
}

} // namespace

void beep() {
    ++detail::sys().beeps;
    Record entry;
    entry.kind = RecordKind::Beep;
    detail::record(entry);
}

int beepCount() {
    return detail::sys().beeps;
}

int messageBox(const MessageBoxOptions& options) {
    std::vector<std::string> buttons = options.buttons;
    if (buttons.empty()) buttons.push_back("OK");
    int count = static_cast<int>(buttons.size());
    int width = std::max(360, count * (kButtonWidth + kButtonGap) + 2 * kMargin);
    int textRoom = width - 2 * kMargin;
    // As many lines as the text takes, wrapped as the picture of the box wraps it.
    int textHeight = static_cast<int>(wrapText(options.text, textRoom).size()) * kLineHeight;
    int buttonsY = kMargin + textHeight + kMargin;
    int height = buttonsY + kButtonHeight + kMargin;

    Handle box =
        detail::createCentred(Kind::MessageBox, options.title, options.owner, Size{width, height});
    if (!box) return 0;
    setWindowProc(box, messageBoxProc);
    createControl(box, Kind::Static, kMessageTextId, Rect{kMargin, kMargin, textRoom, textHeight},
                  options.text, style::MultiLine);
    // Button 1 sits rightmost, the others to its left in order.
    for (int i = 0; i < count; ++i) {
        int x = width - kMargin - (i + 1) * kButtonWidth - i * kButtonGap;
        std::uint32_t flags = style::TabStop | (i == 0 ? style::DefaultButton : 0);
        Handle button =
            createControl(box, Kind::PushButton, i + 1,
                          Rect{x, buttonsY, kButtonWidth, kButtonHeight}, buttons[i], flags);
        if (buttons[i].empty()) setVisible(button, false);
    }

    Record shown;
    shown.kind = RecordKind::MessageBox;
    shown.window = options.title;
    shown.text = options.text;
    shown.items = buttons;
    detail::record(shown);

    int result = runModal(box);
    destroyWindow(box);

    Record answered;
    answered.kind = RecordKind::Answer;
    answered.window = options.title;
    answered.result = result;
    detail::record(answered);
    return result;
}

} // namespace ui
