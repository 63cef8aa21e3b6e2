// The person at the keyboard: what the program does in the host's and the
// plug-in's windows is a script of a person's actions, handed to the
// window system before the work starts. While it runs, message boxes are
// shown on standard error, and each modal window is looked at as it opens
// and as it closes, so a command can tell what the person saw.
#pragma once

#include <string>
#include <vector>

#include "host/window_watch.h"
#include "ui/ui.h"

namespace plxcli {

using plxhost::controlIn;

class Person {
  public:
    // Watches the window system from now until destroyed.
    Person();
    ~Person();
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

    // How many message boxes were shown.
    int messageBoxes() const { return messageBoxes_; }

    // What could not be done: refused actions, and actions left over
    // because the window they address never came up. Empty when all went
    // as scripted.
    std::string trouble() const;

  private:
    static void showMessageBox(const ui::Record& box, void* user);
    std::vector<ui::Action> actions_;
    int messageBoxes_ = 0;
    plxhost::WindowWatch watch_;
};

// "on" or "off" for a check box's value.
const char* onOff(long long value);

} // namespace plxcli
