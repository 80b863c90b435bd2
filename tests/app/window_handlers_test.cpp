// The window's handlers and threads against a window without a toolkit, with the real
// services over loopback HTTP. The test's thread is the window's thread.
#include <gtest/gtest.h>

#include <thread>

#include "app/app_state.h"
#include "app/app_texts.h"
#include "app/handlers.h"
#include "app/long_url_check.h"
#include "app/window_changes.h"
#include "app/window_events.h"
#include "services/adapters.h"
#include "services/catalogue.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "support/fake_window.h"
#include "support/staged_services.h"

namespace {

// A window and the services, as at start: the cookie fetch under way.
class Started : public ::testing::Test {
  protected:
    void SetUp() override {
        ReplaceSessionCookies(Text());
        SetLongUrlSource(CurrentLongUrl);
    }
    void TearDown() override { SetLongUrlSource(nullptr); }

    void Start() { DeliverCreated(); }
    void StartReady() {
        Start();
        ASSERT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
    }

    // A result shows in 编辑框2 once the button is back.
    Text Generate(const Text& longUrl) {
        window.Type(longUrl);
        window.PressKey(Control::编辑框1, 13);
        EXPECT_TRUE(
            window.PumpUntil([this] { return !window.ControlText(Control::编辑框2).empty(); }));
        EXPECT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
        return window.ControlText(Control::编辑框2);
    }

    // A request through service 5 that the server holds until ReleaseHeld; true once it is
    // there.
    bool StartHeldRequest(const Text& longUrl) {
        window.Click(Control::单选框_c7gg);
        window.Type(longUrl);
        window.PressKey(Control::编辑框1, 13);
        return window.PumpUntil([this] { return services.HeldRequestsSeen() == 1; });
    }

    bool ShortFrom(const Text& result, int serviceId) {
        return result.rfind("http://" + Text(ServiceById(serviceId)->caption) + "/", 0) == 0;
    }

    StagedServices services;
    FakeWindow window;
};

TEST_F(Started, ButtonStaysDisabledUntilTheFetchEndsThenComesUpWithoutAQuestion) {
    services.HoldStartPage();
    Start();
    EXPECT_EQ(SelectedService, 1);
    EXPECT_FALSE(window.Visible(Control::标签1));
    window.PumpFor(200);
    EXPECT_FALSE(window.Enabled(Control::按钮));
    EXPECT_EQ(window.ControlText(Control::按钮), kFetchingCaption);
    services.ReleaseStartPage();
    ASSERT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
    EXPECT_TRUE(window.Questions().empty());
    EXPECT_FALSE(ReadSessionCookies().empty());
}

struct QuestionCase {
    const char* name;
    int refusals;  // start pages that set no cookie
    std::vector<bool> answers;
    int questions;
    int fetches;
    bool cookies;
};

TEST_F(Started, TheQuestionRepeatsTheFetchOnYesAndGivesUpOnNo) {
    const QuestionCase cases[] = {
        {"no then", 1, {false}, 1, 1, false},
        {"yes, yes, then cookies", 2, {true, true}, 2, 3, true},
        {"yes, then no", 5, {true, false}, 2, 2, false},
    };
    for (const QuestionCase& c : cases) {
        SCOPED_TRACE(c.name);
        StagedServices staged;
        FakeWindow asked;
        ReplaceSessionCookies(Text());
        staged.RefuseCookies(c.refusals);
        asked.AnswerQuestions(c.answers);
        DeliverCreated();
        ASSERT_TRUE(asked.PumpUntil([&asked] { return asked.ButtonReady(); }));
        EXPECT_EQ(static_cast<int>(asked.Questions().size()), c.questions);
        EXPECT_EQ(staged.StartPageRequests(), c.fetches);
        EXPECT_EQ(!ReadSessionCookies().empty(), c.cookies);
        for (const ShownMessage& q : asked.Questions()) {
            EXPECT_EQ(q.message, kCookieQuestion);
            EXPECT_EQ(q.title, kErrorTitle);
        }
    }
}

TEST_F(Started, TheWindowStaysUsableWhileTheQuestionIsOpen) {
    services.RefuseCookies(1);
    window.HoldQuestions();
    window.AnswerQuestions({false});
    Start();
    ASSERT_TRUE(window.PumpUntil([this] { return window.QuestionsOpen() == 1; }));
    window.Click(Control::单选框_jmp);
    EXPECT_TRUE(window.Visible(Control::标签1));
    window.Click(Control::单选框_c7gg);
    EXPECT_TRUE(ShortFrom(Generate("http://example.com/while-asked"), 5));
    EXPECT_EQ(window.QuestionsOpen(), 1);
    window.ReleaseQuestions();
    ASSERT_TRUE(window.PumpUntil([this] { return window.QuestionsOpen() == 0; }));
    EXPECT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
}

TEST_F(Started, EnterWhileTheButtonIsDisabledStillRunsTheCommand) {
    services.HoldStartPage();
    Start();
    window.Click(Control::单选框_c7gg);
    EXPECT_FALSE(window.Enabled(Control::按钮));
    EXPECT_TRUE(ShortFrom(Generate("http://example.com/early"), 5));
    // An aggregator service goes out with whatever the cookies hold now: none.
    window.Click(Control::单选框_bitly);
    EXPECT_EQ(Generate("http://example.com/early"), kAggregatorMessage);
    services.ReleaseStartPage();
    ASSERT_TRUE(window.PumpUntil([this] { return !ReadSessionCookies().empty(); }));
    EXPECT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
}

TEST_F(Started, TheWorkerShowsItsBusyCaptionThenTheResultThenTheButtonBack) {
    StartReady();
    window.Click(Control::单选框_c7gg);
    const size_t before = window.ButtonCaptions().size();
    EXPECT_TRUE(ShortFrom(Generate("http://example.com/captions"), 5));
    std::vector<Text> seen(window.ButtonCaptions().begin() + before, window.ButtonCaptions().end());
    EXPECT_EQ(seen, (std::vector<Text>{kBusyCaption, kReadyCaption}));
    EXPECT_TRUE(window.Errors().empty());
}

TEST_F(Started, TwoRequestsInQuickSuccessionEndWithTheSecondsResult) {
    StartReady();
    ASSERT_TRUE(StartHeldRequest("http://example.com/hold-first"));
    window.Type("http://example.com/second");
    window.PressKey(Control::编辑框1, 13);  // the button is disabled while the first one runs
    ASSERT_TRUE(window.PumpUntil([this] { return !window.ControlText(Control::编辑框2).empty(); }));
    const Text second = window.ControlText(Control::编辑框2);
    EXPECT_TRUE(ShortFrom(second, 5));
    services.ReleaseHeld();
    // The first worker finishes now; nothing of it may show.
    ASSERT_TRUE(window.PumpUntil([] { return RunningBackgroundThreads() == 0; }));
    window.PumpFor(50);
    EXPECT_EQ(window.ControlText(Control::编辑框2), second);
    EXPECT_TRUE(window.ButtonReady());
}

TEST_F(Started, AnAbandonedAggregatorWorkerLeavesTheCookiesWhole) {
    StartReady();
    const Text cookies = ReadSessionCookies();
    window.Click(Control::单选框_sinalt);
    for (int i = 0; i < 5; i++) {
        window.Type("http://example.com/" + std::to_string(i));
        window.PressKey(Control::编辑框1, 13);
    }
    window.PumpUntil([] { return RunningBackgroundThreads() == 0; });
    window.PumpFor(20);
    EXPECT_TRUE(ShortFrom(window.ControlText(Control::编辑框2), 2));
    // Every aggregator reply sets the cookies again; whichever came last, the text is whole.
    EXPECT_NE(ReadSessionCookies().find("QLSID="), Text::npos) << ReadSessionCookies();
    EXPECT_FALSE(cookies.empty());
}

TEST_F(Started, ARadioChangeDuringAWorkerAppliesToTheNextRequestOnly) {
    StartReady();
    ASSERT_TRUE(StartHeldRequest("http://example.com/hold-radio"));
    window.Click(Control::单选框_kksme);
    EXPECT_EQ(SelectedService, 6);
    services.ReleaseHeld();
    ASSERT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
    EXPECT_TRUE(ShortFrom(window.ControlText(Control::编辑框2), 5));
    EXPECT_TRUE(ShortFrom(Generate("http://example.com/next"), 6));
}

TEST_F(Started, AServiceThatYieldsNothingEmptiesTheOutputWithoutAMessage) {
    StartReady();
    window.Click(Control::单选框_c7gg);
    Generate("http://example.com/first");
    window.Type("http://example.com/empty");
    window.Click(Control::按钮);
    ASSERT_TRUE(
        window.PumpUntil([this] { return window.ButtonCaptions().back() == kBusyCaption; }));
    ASSERT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
    EXPECT_EQ(window.ControlText(Control::编辑框2), "");
    EXPECT_TRUE(window.Errors().empty());
}

struct InputCase {
    const char* typed;
    const char* message;  // null: accepted
};

TEST_F(Started, EmptyAndRefusedInputGetTheirMessageAndNothingElse) {
    StartReady();
    window.Click(Control::单选框_c7gg);
    const Text shown = Generate("http://example.com/shown");
    const InputCase cases[] = {
        {"", kEmptyUrlMessage},
        {"ftp://example.com/", kRefusedUrlMessage},
        {"example.com/", kRefusedUrlMessage},
        {" http://example.com/", kRefusedUrlMessage},
        {"   ", kRefusedUrlMessage},
        {"HTTPS://EXAMPLE.COM/", nullptr},
    };
    for (const InputCase& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        window.Type(c.typed);
        window.SetControlText(Control::编辑框2, shown);  // what an earlier result left
        const unsigned workerBefore = WorkerThread;
        const size_t errorsBefore = window.Errors().size();
        window.Click(Control::按钮);
        window.PumpUntil([] { return RunningBackgroundThreads() == 0; });
        if (c.message) {
            ASSERT_EQ(window.Errors().size(), errorsBefore + 1);
            EXPECT_EQ(window.Errors().back().message, c.message);
            EXPECT_EQ(window.Errors().back().title, kErrorTitle);
            EXPECT_EQ(WorkerThread, workerBefore);
            EXPECT_EQ(window.ControlText(Control::编辑框2), shown);
            EXPECT_TRUE(window.ButtonReady());
        } else {
            EXPECT_EQ(window.Errors().size(), errorsBefore);
            EXPECT_EQ(WorkerThread, workerBefore + 1);
            ASSERT_TRUE(window.PumpUntil([this] { return window.ButtonReady(); }));
            EXPECT_TRUE(ShortFrom(window.ControlText(Control::编辑框2), 5));
        }
    }
}

TEST_F(Started, OnlyEnterRunsTheCommandFromTheInputBox) {
    StartReady();
    window.Type("");
    const struct {
        int keyCode;
        int modifiers;
        bool runs;
    } keys[] = {{13, 0, true},
                {13, kShiftKey | kControlKey | kAltKey, true},
                {10, 0, false},
                {'A', 0, false},
                {27, 0, false}};
    for (const auto& key : keys) {
        const size_t before = window.Errors().size();
        window.PressKey(Control::编辑框1, key.keyCode, key.modifiers);
        EXPECT_EQ(window.Errors().size(), before + (key.runs ? 1 : 0)) << key.keyCode;
    }
    window.PressKey(Control::编辑框2, 13);  // the output box has no key handler
    EXPECT_EQ(window.Errors().size(), 2u);
}

struct RadioStep {
    Control clicked;
    bool selects;  // false: the button reports a click without being selected
    int service;   // SelectedService afterwards
    bool notice;   // 标签1 shown afterwards
};

TEST_F(Started, RadioButtonsSelectTheirServiceAndShowTheNoticeForTheLastThree) {
    StartReady();
    const RadioStep steps[] = {
        {Control::单选框_tcn, true, 1, false},     {Control::单选框_jmp, true, 10, true},
        {Control::单选框_bitly, true, 11, true},   {Control::单选框_bitly, true, 11, true},
        {Control::单选框_tim, true, 3, false},     {Control::单选框_googl, false, 3, false},
        {Control::单选框_googl, true, 12, true},   {Control::单选框_u6gg, true, 9, false},
        {Control::单选框_tinyurl, true, 4, false}, {Control::单选框_ueeme, false, 4, false},
    };
    for (const RadioStep& step : steps) {
        SCOPED_TRACE(SpecOf(step.clicked).name);
        if (step.selects) {
            window.Click(step.clicked);
        } else {
            window.ClickWithoutSelecting(step.clicked);
        }
        EXPECT_EQ(SelectedService, step.service);
        EXPECT_EQ(window.Visible(Control::标签1), step.notice);
    }
    for (int service = 1; service <= kServiceCount; service++) {
        window.Click(RadioOfService(service));
        EXPECT_EQ(SelectedService, service);
    }
}

TEST_F(Started, EveryChangeOfTheInputEmptiesTheOutput) {
    StartReady();
    window.Click(Control::单选框_c7gg);
    const Text typed[] = {"h", "http://example.com/", "", "   ", "http://example.com/x"};
    for (const Text& text : typed) {
        Generate("http://example.com/result");
        ASSERT_FALSE(window.ControlText(Control::编辑框2).empty());
        window.Type(text);
        EXPECT_EQ(window.ControlText(Control::编辑框2), "") << text;
    }
}

TEST(WindowChanges, ComeThroughInTheOrderPostedNoneLost) {
    FakeWindow window;
    constexpr int kCount = 10000;
    std::thread poster([] {
        for (int i = 0; i < kCount; i++) PostControlText(0, Control::按钮, std::to_string(i));
    });
    ASSERT_TRUE(window.PumpUntil(
        [&window] { return window.ButtonCaptions().size() == static_cast<size_t>(kCount); }));
    poster.join();
    for (int i = 0; i < kCount; i++) {
        ASSERT_EQ(window.ButtonCaptions()[i], std::to_string(i));
    }
}

}  // namespace
