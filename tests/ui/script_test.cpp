// The script's text form and acting on windows outside modal loops.
#include "ui_fixture.h"

using namespace ui;
using uitest::UiTest;

using UiScript = UiTest;

TEST_F(UiScript, EveryActionReadsBackAsItWasWritten) {
    std::vector<Action> actions = {
        Action::type(WindowRef::titled("Export"), ControlRef::byId(3), "1-4, \"x\"\n\\"),
        Action::click(WindowRef::current(), ControlRef::byText("OK")),
        Action::toggle(WindowRef::titled("a]b\\c"), ControlRef::byId(-1)),
        Action::check(WindowRef::titled("*"), ControlRef::byCommand(fourCC("not!")), true),
        Action::check(WindowRef::titled("@save"), ControlRef::byId(5), false),
        Action::choose(WindowRef::titled("E"), ControlRef::byId(9), 2),
        Action::chooseText(WindowRef::titled("E"), ControlRef::byId(9), "PDF"),
        Action::focus(WindowRef::titled("E"), ControlRef::byId(6)),
        Action::press(WindowRef::current(), Key::ShiftTab),
        Action::path(WindowRef::ofKind(Kind::SaveDialog), "/tmp/a b.eps"),
        Action::answer(WindowRef::ofKind(Kind::MessageBox), 1),
        Action::answerText(WindowRef::ofKind(Kind::MessageBox), "No"),
        Action::close(WindowRef::ofKind(Kind::Window)),
        Action::wait(WindowRef::titled("Progress"), 25),
    };
    std::string text;
    for (const Action& a : actions)
        text += formatAction(a) + "\n";
    std::vector<Action> back;
    std::string error;
    ASSERT_TRUE(parseScript(text, &back, &error)) << error;
    ASSERT_EQ(back.size(), actions.size());
    for (std::size_t i = 0; i < back.size(); ++i)
        EXPECT_EQ(formatAction(back[i]), formatAction(actions[i]));
    EXPECT_EQ(back[2].window.title, "a]b\\c");
    EXPECT_EQ(back[3].window.by, WindowRef::By::Title); // an escaped "*" is a title
    EXPECT_EQ(back[4].window.by, WindowRef::By::Title);
    EXPECT_EQ(back[0].text, "1-4, \"x\"\n\\");
}

TEST_F(UiScript, TheTextFormIsForgivingAboutLayout) {
    std::vector<Action> actions;
    std::string error;
    ASSERT_TRUE(parseScript("# a comment\r\n\n   [Export]   click   #1  \r\n"
                            "\t# indented comment\n[@message] answer \"OK\"",
                            &actions, &error))
        << error;
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].control.id, 1);
    EXPECT_EQ(actions[1].window.kind, Kind::MessageBox);
    EXPECT_TRUE(parseScript("", &actions, &error));
    EXPECT_TRUE(actions.empty());
}

TEST_F(UiScript, MistakesAreReportedWithTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"click #1", "line 1: expected a window address in [ ]"},
        {"\n[Export click #1", "line 2: the window address has no closing ]"},
        {"[@printer] close", "line 1: unknown window kind \"@printer\""},
        {"[E] clik #1", "line 1: unknown action \"clik\""},
        {"[E] click", "line 1: expected a control: #id, 'code' or \"text\""},
        {"[E] click 'ab'", "line 1: a command code is four characters in single quotes"},
        {"[E] type #3 \"open", "line 1: a text has no closing \""},
        {"[E] type #3", "line 1: expected a text in double quotes"},
        {"[E] check #5 maybe", "line 1: check takes on or off"},
        {"[E] choose #9 0", "line 1: an index counts from 1"},
        {"[E] key Enter", "line 1: unknown key \"Enter\""},
        {"[E] wait -3", "line 1: a wait cannot be negative"},
        {"[E] wait 99999999999", "line 1: a number is too large"},
        {"[E] close now", "line 1: unexpected text after the action"},
    };
    for (const Case& c : cases) {
        std::vector<Action> actions = {Action::close(WindowRef::current())};
        std::string error;
        EXPECT_FALSE(parseScript(c.text, &actions, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(actions.size(), 1u); // left alone on failure
    }
}

TEST_F(UiScript, LongTextsSurviveTheRoundTrip) {
    std::string huge(100000, 'x');
    Action a = Action::type(WindowRef::titled(std::string(5000, 't')), ControlRef::byId(3), huge);
    std::vector<Action> back;
    std::string error;
    ASSERT_TRUE(parseScript(formatAction(a), &back, &error)) << error;
    EXPECT_EQ(back.at(0).text, huge);
    EXPECT_EQ(back.at(0).window.title.size(), 5000u);
}

TEST_F(UiScript, PerformActsOnTheTopmostMatchingWindowAtOnce) {
    Handle back = makeWindow("Prefs");
    Handle backCheck = createControl(back, Kind::CheckBox, 4, Rect{});
    Handle front = makeWindow("Prefs");
    Handle frontCheck = createControl(front, Kind::CheckBox, 4, Rect{});
    EXPECT_TRUE(perform(Action::toggle(WindowRef::titled("Prefs"), ControlRef::byId(4))));
    EXPECT_EQ(value(frontCheck), 1);
    EXPECT_EQ(value(backCheck), 0);
    EXPECT_FALSE(perform(Action::click(WindowRef::titled("Gone"), ControlRef::byId(1))));
    EXPECT_FALSE(perform(Action::close(WindowRef::current()))); // no modal window
    EXPECT_FALSE(perform(Action::toggle(WindowRef::titled("Prefs"), ControlRef::byId(99))));
    EXPECT_EQ(refusedCount(), 3);
    EXPECT_TRUE(perform(Action::wait(WindowRef::titled("Prefs"), 40)));
    EXPECT_EQ(now(), 40u);
}

// While a modal window runs, a person cannot reach the windows behind it.
std::intptr_t pokeBehind(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Command && msg.id == 1) {
        *static_cast<bool*>(user) = person::click(findControl(topLevelWindows().back(), 4));
    }
    return defaultProc(self, msg);
}

TEST_F(UiScript, WindowsBehindAModalOneAreOutOfReach) {
    Handle main = makeWindow("Main");
    createControl(main, Kind::CheckBox, 4, Rect{});
    Handle dialog = makeWindow("Dialog");
    createControl(dialog, Kind::PushButton, 1, Rect{}, "OK");
    bool reached = true;
    setWindowProc(dialog, pokeBehind, &reached);
    setScript({Action::click(WindowRef::current(), ControlRef::byId(1))});
    EXPECT_EQ(runModal(dialog), 1);
    EXPECT_FALSE(reached);
    EXPECT_NE(transcriptText().find("refused: another window is modal"), std::string::npos);
}

TEST_F(UiScript, TheTextFormDrivesAModalRun) {
    Handle w = makeWindow("Prefs");
    Handle logging = createControl(w, Kind::CheckBox, 4, Rect{}, "Logging");
    Handle style = createControl(w, Kind::Popup, 9, Rect{});
    setItems(style, {"EPS default", "PDF default"});
    std::vector<Action> actions;
    std::string error;
    ASSERT_TRUE(parseScript("[Prefs] check #4 on\n"
                            "[Prefs] choose #9 \"PDF default\"\n"
                            "[*] key Return\n",
                            &actions, &error));
    setScript(actions);
    EXPECT_EQ(runModal(w), 1);
    EXPECT_EQ(value(logging), 1);
    EXPECT_EQ(text(style), "PDF default");
}
