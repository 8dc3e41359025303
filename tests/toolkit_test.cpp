// The window toolkit model: the life of a form, events and who may receive
// them, modal forms, timers on the clock, the generator, the instance check.

#include <gtest/gtest.h>

#include "support/test_folder.h"
#include "toolkit/application.h"
#include "toolkit/values.h"

namespace zv {
namespace {

struct Recorder : Host {
    std::vector<std::string> seen;
    void messageBox(const std::string& text, const std::string& title) override { seen.push_back(title + "|" + text); }
    void openUrl(const std::string& address) override { seen.push_back("open " + address); }
};

// A form that counts its events and logs the ticks of its two timers.
class Probe : public Form {
public:
    Probe(App& app, std::string formName, std::vector<std::string>& log) : Form(app, std::move(formName)), log_(log)
    {
        add(Kind::Label, "lbl").setCaption("design");
        Control& frame = add(Kind::Frame, "Frame1");
        add(Kind::Label, "inner").setContainer(&frame);
        add(Kind::Label, "item", 0);
        add(Kind::Label, "item", 1);
        Control& fast = add(Kind::Timer, "Fast");
        fast.setInterval(100);
        fast.setEnabled(true);
        add(Kind::Timer, "Slow").setInterval(300);
        onClick("lbl", [this](int) { log_.push_back(name() + ".lbl"); });
        onClick("inner", [this](int) { log_.push_back("inner"); });
        onClick("item", [this](int i) { log_.push_back("item " + std::to_string(i)); });
        onTimer("Fast", [this] { log_.push_back("fast " + std::to_string(this->app().now())); });
        onTimer("Slow", [this] { log_.push_back("slow " + std::to_string(this->app().now())); });
    }
    void Form_Load() override { log_.push_back("load " + name()); }
    void Form_Unload() override { log_.push_back("unload " + name()); }

private:
    std::vector<std::string>& log_;
};

class ToolkitTest : public ::testing::Test {
protected:
    ToolkitTest() : app(host, dir.path())
    {
        for (const char* name : {"One", "Two"})
            app.registerForm(name, [this, name](App& a) { return std::make_unique<Probe>(a, name, log); });
    }
    test::TestFolder dir;
    Recorder host;
    std::vector<std::string> log;
    App app;
};

TEST_F(ToolkitTest, LoadRunsOnceAndUnloadForgetsTheRuntimeState)
{
    Form& one = *app.load("One");
    app.load("One");
    EXPECT_EQ(log, (std::vector<std::string>{"load One"}));
    EXPECT_FALSE(one.visible());
    one.ctl("lbl").setCaption("changed");
    app.show("One");
    EXPECT_TRUE(one.visible());
    app.unload("One");
    EXPECT_EQ(app.find("One"), nullptr);
    EXPECT_TRUE(app.ended());  // its last form is gone: the program has ended
    EXPECT_EQ(app.load("One")->ctl("lbl").caption(), "design");
}

// A form that unloads itself while it loads, as the board does after a
// failed bank check and the menu in a second copy of the program.
class Quitter : public Form {
public:
    Quitter(App& app, bool& destroyed) : Form(app, "Quitter"), destroyed_(destroyed) {}
    ~Quitter() override { destroyed_ = true; }
    void Form_Load() override { app().unload(name()); }

private:
    bool& destroyed_;
};

TEST_F(ToolkitTest, AFormThatUnloadsItselfWhileLoadingIsNotHandedOut)
{
    bool destroyed = false;
    app.registerForm("Quitter", [&destroyed](App& a) { return std::make_unique<Quitter>(a, destroyed); });
    // Outside an event the form is gone as soon as load returns; inside one
    // it lives to the event's end, unloaded. Neither is handed out.
    EXPECT_EQ(app.load("Quitter"), nullptr);
    EXPECT_TRUE(destroyed);
    destroyed = false;
    app.run([&] {
        EXPECT_EQ(app.load("Quitter"), nullptr);
        EXPECT_FALSE(destroyed);
    });
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(app.find("Quitter"), nullptr);
}

TEST_F(ToolkitTest, EventsReachOnlyVisibleEnabledControlsOnShownForms)
{
    Form& one = *app.load("One");
    Control& lbl = one.ctl("lbl");
    EXPECT_FALSE(app.click(lbl));  // loaded but not shown
    app.show("One");
    EXPECT_TRUE(app.click(lbl));
    lbl.setEnabled(false);
    EXPECT_FALSE(app.click(lbl));
    // A hidden frame hides what it holds, whatever the control's own state.
    one.ctl("Frame1").setVisible(false);
    EXPECT_FALSE(app.click(one.ctl("inner")));
    one.ctl("Frame1").setVisible(true);
    EXPECT_TRUE(app.click(one.ctl("inner")));
    EXPECT_TRUE(app.click(one.ctl("item", 1)));
    EXPECT_EQ(log, (std::vector<std::string>{"load One", "One.lbl", "inner", "item 1"}));
}

TEST_F(ToolkitTest, AModalFormHoldsEventsAndRunsTheCallersRestWhenItCloses)
{
    app.show("One");
    bool rest = false;
    app.showModal("Two", [&] { rest = true; });
    EXPECT_FALSE(app.click(app.find("One")->ctl("lbl")));
    EXPECT_TRUE(app.click(app.find("Two")->ctl("lbl")));
    EXPECT_FALSE(rest);
    EXPECT_TRUE(app.closeBox(*app.find("Two")));
    EXPECT_TRUE(rest);
    EXPECT_TRUE(app.click(app.find("One")->ctl("lbl")));
}

TEST_F(ToolkitTest, AHandlerForAControlTheFormLacksFailsAtOnce)
{
    Form& one = *app.load("One");
    EXPECT_THROW(one.onClick("lbI", [](int) {}), std::logic_error);
    EXPECT_THROW(one.onKeyPress("Nothing", [](int, int&) {}), std::logic_error);
    EXPECT_THROW(one.onTimer("lbl", [] {}), std::logic_error);  // not a timer
    EXPECT_NO_THROW(one.onMouseMove("item", [](int) {}));       // an array, by its name
}

TEST_F(ToolkitTest, TimersTickInTimeOrderAndTiesGoToTheFirstEnabled)
{
    Form& one = *app.load("One");
    app.advanceTo(150);
    one.ctl("Slow").setEnabled(true);  // at 150: ticks at 450, 750
    app.advanceTo(450);
    EXPECT_EQ(log, (std::vector<std::string>{"load One", "fast 100", "fast 200", "fast 300", "fast 400", "slow 450"}));
    log.clear();
    // Fast was enabled first; at 900 both are due and Fast goes first.
    one.ctl("Slow").setInterval(450);  // restarts: 900
    app.advanceTo(900);
    EXPECT_EQ(log.back(), "slow 900");
    EXPECT_EQ(log[log.size() - 2], "fast 900");
    // Unloading stops the form's timers.
    app.unload("One");
    EXPECT_FALSE(app.nextDue());
}

TEST(Random, QueuedNumbersComeFirstThenTheSeededSequence)
{
    Random a, b;
    a.seed(42);
    b.seed(42);
    a.queue({0.5, 0.25});
    EXPECT_EQ(a.next(), 0.5);
    EXPECT_EQ(a.next(), 0.25);
    EXPECT_EQ(a.next(), b.next());
    for (int i = 0; i < 1000; ++i) {
        double r = a.next();
        EXPECT_TRUE(r >= 0 && r < 1);
    }
    Random c, d;  // seeded from the time: two runs differ
    EXPECT_NE(c.next(), d.next());
}

TEST(InstanceLock, ACopyInTheSameFolderIsAPreviousInstanceAndAFreedLockIsNot)
{
    test::TestFolder dir, other;
    Recorder host;
    auto first = std::make_unique<App>(host, dir.path());
    EXPECT_FALSE(first->prevInstance());
    App second(host, dir.path());
    EXPECT_TRUE(second.prevInstance());
    App elsewhere(host, other.path());
    EXPECT_FALSE(elsewhere.prevInstance());
    first.reset();  // the running copy ends, however it ends
    App third(host, dir.path());
    EXPECT_FALSE(third.prevInstance());
}

TEST(Values, PrintedAsTheDriverPrintsThem)
{
    for (auto [number, text] : {std::pair{7.0, "7"}, {21.75, "21.75"}, {-3.0, "-3"}, {0.1, "0.1"}})
        EXPECT_EQ(formatNumber(number), text);
    EXPECT_EQ(toString(RGB(255, 110, 0)), "255,110,0");
}

}  // namespace
}  // namespace zv
