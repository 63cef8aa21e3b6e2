// The person at the keyboard and what they see. What the program does in
// the host's and the plug-in's windows is a script of a person's actions,
// handed to the window system before the work starts (or when a window
// opens). While it runs, message boxes are shown on standard error, a
// progress bar is drawn on a line of its own when standard error is a
// terminal, and each modal window is looked at as it opens and as it
// closes, so a command can tell what the person saw.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/window_driver.h"
#include "host/window_watch.h"
#include "ui/ui.h"

namespace plxcli {

using plxhost::controlIn;

class Person {
  public:
    // Watches the window system from now until destroyed.
    Person();
    ~Person(); // clears a progress bar that is drawn
    Person(const Person&) = delete;
    Person& operator=(const Person&) = delete;

    // Adds an action in the window titled `window` (control by id).
    void click(const std::string& window, int id);
    void clickTitled(const std::string& window, const std::string& title);
    void check(const std::string& window, int id, bool on);
    void type(const std::string& window, int id, const std::string& text);
    void chooseText(const std::string& window, int id, const std::string& item);
    void choose(const std::string& window, int id, int index1);
    // Answers the next message box with its button (1-based).
    void answerMessage(int button);
    // Hands the actions to the window system; they are done as the
    // windows they address come up.
    void act();

    using Seen = plxhost::WindowWatch::Seen;
    // The last window seen with that title, or null.
    const Seen* last(const std::string& title) const { return watch_.last(title); }
    const std::vector<Seen>& seen() const { return watch_.seen(); }

    // How many message boxes were shown, and the text of the last one.
    int messageBoxes() const { return messageBoxes_; }
    const std::string& lastMessage() const { return lastMessage_; }

    // Told of every event of the window system (after the person took
    // note of it), e.g. to add actions when a window opens.
    void onEvent(std::function<void(const ui::Event&)> listener) { listener_ = std::move(listener); }

    // Prints a line on standard output or error without breaking into the
    // progress bar: the bar is taken away, the line printed and flushed,
    // the bar drawn again below it.
    void printLine(std::FILE* stream, const std::string& line);

    // What could not be done: refused actions, and actions left over
    // because the window they address never came up. Empty when all went
    // as scripted.
    std::string trouble() const;

    // What the window driver saw in the platform's own windows, told as
    // the window system tells of its own (cli/window_driver.h).
    void seeForeign(const ui::Record& record, const ui::ControlInfo& window);
    void seeForeignProgress(int value, int minimum, int maximum);

  private:
    static void showMessageBox(const ui::Record& box, void* user);
    static void listen(const ui::Event& event, void* user);
    void drawBar();
    void clearBar();

    std::vector<ui::Action> actions_;
    int messageBoxes_ = 0;
    std::string lastMessage_;
    std::function<void(const ui::Event&)> listener_;
    bool terminal_ = false;
    bool barDrawn_ = false;
    long barDone_ = 0, barSpan_ = 0;
    plxhost::WindowWatch watch_;
    std::string foreignTrouble_; // actions refused in the platform's windows
    std::unique_ptr<WindowDriver> driver_;
};

} // namespace plxcli
