// The window program as a user meets it: the demo build with its simulator, driven from this
// process through the real window system.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "app/app_texts.h"
#include "app/window_layout.h"
#include "services/catalogue.h"
#include "support/test_data.h"
#include "support/window_driver.h"
#include "window/window_trace.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ProgramPath() {
    return TestEnvironment("QUENLOV_DEMO_PROGRAM");
}
std::string ArtifactPath(const std::string& name) {
    return TestEnvironment("QUENLOV_TEST_ARTIFACTS") + "/" + name;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Waits until the trace holds `line` `times` times.
bool WaitForTraceLine(const std::string& path, const std::string& line, int ms, int times = 1) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int seen = 0;
        for (const std::string& l : ReadLines(path)) seen += l == line;
        if (seen >= times) return true;
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string ButtonTextLine(const char* caption) {
    return "text 按钮 " + TraceValue(caption);
}

TEST(WindowProgram, ShortensWhatIsTypedAndShowsTheButtonsCaptionsGoingBy) {
    const std::string trace = ArtifactPath("window-trace.txt");
    const std::string layout = ArtifactPath("window-layout.txt");
    WindowDriver driver;
    ASSERT_TRUE(driver.Launch(ProgramPath(), {"--trace", trace, "--layout", layout}));
    ASSERT_TRUE(driver.FindMainWindow(20000));
    ASSERT_TRUE(WaitForTraceLine(trace, ButtonTextLine(kReadyCaption), 20000));

    driver.Click(Control::单选框_c7gg);
    driver.TypeIntoInput("http://example.com/typed?q=1");
    driver.PressEnterInInput();
    ASSERT_TRUE(WaitForTraceLine(trace, "enabled 按钮 1", 20000, 2));
    const Clock::time_point end = Clock::now() + std::chrono::seconds(20);
    Text shown;
    while (Clock::now() < end && (shown = driver.OutputText()).empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(shown.rfind("http://" + Text(ServiceById(5)->caption) + "/", 0), 0u) << shown;

    // The button's life as the toolkit showed it: fetching at start, ready after the fetch,
    // busy while the worker ran, ready again.
    std::vector<std::string> captions;
    for (const std::string& line : ReadLines(trace)) {
        if (line.rfind("text 按钮 ", 0) == 0) captions.push_back(line);
    }
    const std::vector<std::string> expected = {
        ButtonTextLine(kReadyCaption), ButtonTextLine(kBusyCaption), ButtonTextLine(kReadyCaption)};
    EXPECT_EQ(captions, expected);

    EXPECT_TRUE(driver.SaveScreenshot(
        ArtifactPath(std::string("window.") + WindowDriver::ScreenshotExtension())));
    driver.PressEscape();
    EXPECT_EQ(driver.WaitForExit(5000), 0);

    // Every control where the table puts it, as the toolkit reports it.
    std::map<std::string, Rect> reported;
    for (const std::string& line : ReadLines(layout)) {
        std::istringstream in(line);
        std::string name;
        Rect r{};
        in >> name >> r.x >> r.y >> r.width >> r.height;
        reported[name] = r;
    }
    ASSERT_EQ(reported.size(), static_cast<size_t>(kControlCount + 1));
    EXPECT_EQ(reported["client"].x, kClientWidth);
    EXPECT_EQ(reported["client"].y, kClientHeight);
    for (const ControlSpec& spec : kControls) {
        const Rect want = ClientRectOf(spec.control);
        const Rect got = reported[spec.name];
        EXPECT_TRUE(got.x == want.x && got.y == want.y && got.width == want.width &&
                    got.height == want.height)
            << spec.name << ": " << got.x << "," << got.y << " " << got.width << "x" << got.height;
    }
}

TEST(WindowProgram, TheCookieQuestionLeavesTheWindowUsableAndNoBringsTheButtonUp) {
    const std::string trace = ArtifactPath("question-trace.txt");
    const std::string asked = "question - " + TraceValue(kCookieQuestion);
    WindowDriver driver;
    ASSERT_TRUE(driver.Launch(ProgramPath(), {"--no-cookies", "--trace", trace}));
    ASSERT_TRUE(driver.FindMainWindow(20000));
    ASSERT_TRUE(WaitForTraceLine(trace, asked, 20000));
    ASSERT_TRUE(driver.FindQuestion(20000));
    driver.Click(Control::单选框_bitly);
    EXPECT_TRUE(WaitForTraceLine(trace, "visible 标签1 1", 10000));
    driver.AnswerQuestion(true);  // asked again: the start page still sets no cookie
    ASSERT_TRUE(WaitForTraceLine(trace, asked, 20000, 2));
    ASSERT_TRUE(driver.FindQuestion(20000));
    EXPECT_FALSE(WaitForTraceLine(trace, "enabled 按钮 1", 0));
    driver.AnswerQuestion(false);
    EXPECT_TRUE(WaitForTraceLine(trace, ButtonTextLine(kReadyCaption), 10000));
    EXPECT_TRUE(WaitForTraceLine(trace, "enabled 按钮 1", 10000));
    driver.PressEscape();
    EXPECT_EQ(driver.WaitForExit(5000), 0);
}

enum class Pending { kCookieFetch, kRequest, kQuestion };

struct ClosingCase {
    const char* name;
    Pending pending;
};

TEST(WindowProgram, ClosingWhileSomethingWaitsEndsAtOnceWithZero) {
    const ClosingCase cases[] = {{"during the cookie fetch", Pending::kCookieFetch},
                                 {"during a request", Pending::kRequest},
                                 {"while the question is open", Pending::kQuestion}};
    for (const ClosingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string trace = ArtifactPath("closing-trace.txt");
        const char* server = c.pending == Pending::kQuestion ? "--no-cookies" : "--hold";
        WindowDriver driver;
        ASSERT_TRUE(driver.Launch(ProgramPath(), {server, "--trace", trace}));
        ASSERT_TRUE(driver.FindMainWindow(20000));
        if (c.pending == Pending::kRequest) {
            driver.TypeIntoInput("http://example.com/pending");
            driver.PressEnterInInput();
            ASSERT_TRUE(WaitForTraceLine(trace, ButtonTextLine(kBusyCaption), 10000));
        }
        if (c.pending == Pending::kQuestion) {
            ASSERT_TRUE(driver.FindQuestion(20000));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const Clock::time_point closed = Clock::now();
        driver.PressEscape();
        EXPECT_EQ(driver.WaitForExit(1000), 0);
        std::printf("%s: ended %lld ms after Esc\n", c.name,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - closed)
                            .count()));
    }
}

}  // namespace
