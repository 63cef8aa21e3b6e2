// The progress runner: its calls, ticks, results and window.
#include "tests/dialogs/dialog_fixture.h"

#include "plugin/dialogs/progress.h"
#include "plugin/support/myarray.h"

namespace plxtest {
namespace {

struct Steps {
    std::vector<std::string> calls;
    int32_t stopAt = 0; // the call (1-based) that returns 0; 0 never
    ui::Handle dialog = 0;
};

std::string itemText(const void* item) {
    return item ? std::to_string(*static_cast<const int32_t*>(item)) : "null";
}

int32_t recordStep(PlxWindow dialog, const void* item, const void* next, void* user) {
    auto* s = static_cast<Steps*>(user);
    s->dialog = static_cast<ui::Handle>(dialog);
    s->calls.push_back(itemText(item) + "," + itemText(next) + "@" + std::to_string(ui::now()));
    return static_cast<int32_t>(s->calls.size()) == s->stopAt ? 0 : 1;
}

class ProgressTest : public DialogTest {
  protected:
    void pages(std::initializer_list<int32_t> numbers) {
        for (int32_t n : numbers)
            list_.addElem(&n);
    }
    MyArray list_{10, 4};
};

TEST_F(ProgressTest, progress_oneItem_callsTheStepTwiceAndEndsOnTheNextTick) {
    pages({7});
    Steps steps;
    EXPECT_EQ(doProgressDialog("saveAsEPS", recordStep, &list_, &steps), 1);
    EXPECT_EQ(steps.calls, (std::vector<std::string>{"null,7@0", "7,null@1"}));
    EXPECT_EQ(ui::now(), 2u);
    EXPECT_EQ(records(ui::RecordKind::Fallback).size(), 0u);
}

TEST_F(ProgressTest, progress_window_isTitledWithCancelAndAFullBar) {
    pages({2, 3, 5});
    struct Seen {
        std::string title, cancel;
        bool tool = false;
        int min = -1, max = -1, position = -1;
    } seen;
    auto step = [](PlxWindow dialog, const void* item, const void*, void* user) -> int32_t {
        auto* s = static_cast<Seen*>(user);
        ui::Handle d = static_cast<ui::Handle>(dialog);
        ui::Handle bar = ui::findControlByCommand(d, ui::fourCC("prog"));
        s->title = ui::text(d);
        s->cancel = ui::text(ui::findControl(d, 2));
        s->tool = ui::hasStyle(d, ui::style::ToolWindow);
        s->min = ui::rangeMin(bar);
        s->max = ui::rangeMax(bar);
        if (item) s->position = static_cast<int>(ui::value(bar));
        return 1;
    };
    german();
    EXPECT_EQ(doProgressDialog("saveAsPDF", step, &list_, &seen), 1);
    EXPECT_EQ(seen.title, "Seite(n) als PDF sichern");
    EXPECT_EQ(seen.cancel, "Abbrechen");
    EXPECT_TRUE(seen.tool);
    EXPECT_EQ(seen.min, 0);
    EXPECT_EQ(seen.max, 3);
    EXPECT_EQ(seen.position, 3);
}

TEST_F(ProgressTest, progress_stepsInOrderAndStopsOnAStepsRefusal) {
    pages({2, 3, 5});
    Steps steps;
    EXPECT_EQ(doProgressDialog("saveAsEPS", recordStep, &list_, &steps), 1);
    EXPECT_EQ(steps.calls, (std::vector<std::string>{"null,2@0", "2,3@1", "3,5@2", "5,null@3"}));

    Steps refused;
    refused.stopAt = 3;
    EXPECT_EQ(doProgressDialog("saveAsEPS", recordStep, &list_, &refused), 0);
    EXPECT_EQ(refused.calls.size(), 3u);
    EXPECT_FALSE(ui::hasTimer(refused.dialog, 1));
}

TEST_F(ProgressTest, progress_cancelEndsTheRunBetweenItems) {
    pages({1, 2, 3, 4});
    Steps steps;
    script("[Save Page(s) as EPS] click 'not!'\n");
    EXPECT_EQ(doProgressDialog("saveAsEPS", recordStep, &list_, &steps), 2);
    EXPECT_EQ(steps.calls.size(), 1u); // the click came before the first tick
    Steps closed;
    script("[Save Page(s) as EPS] wait 2\n[Save Page(s) as EPS] close\n");
    EXPECT_EQ(doProgressDialog("saveAsEPS", recordStep, &list_, &closed), 2);
    EXPECT_EQ(closed.calls.size(), 3u);
}

TEST_F(ProgressTest, progress_emptyListAndStringLists) {
    Steps steps;
    EXPECT_EQ(doProgressDialog("saveAsEPS", recordStep, &list_, &steps), 1);
    EXPECT_TRUE(steps.calls.empty());
    EXPECT_TRUE(records(ui::RecordKind::Opened).empty());

    const char* names[] = {"a.eps", "b.eps"};
    std::vector<std::string> seen;
    auto step = [](PlxWindow, const void* item, const void* next, void* user) -> int32_t {
        auto* out = static_cast<std::vector<std::string>*>(user);
        out->push_back(std::string(item ? static_cast<const char*>(item) : "-") + ">" +
                       (next ? static_cast<const char*>(next) : "-"));
        return 1;
    };
    EXPECT_EQ(doProgressDialog("saveAsEPS", step, names, 2, &seen), 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"->a.eps", "a.eps>b.eps", "b.eps>-"}));
}

} // namespace
} // namespace plxtest
