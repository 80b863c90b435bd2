// quenlov-cli's command line, streams and exit statuses, run in-process against the simulator.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "simulator/simulator_server.h"

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun RunCommand(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    CliRun run{0, "", ""};
    CliStreams streams;
    streams.readLine = [&in](std::string& line) {
        return static_cast<bool>(std::getline(in, line));
    };
    streams.out = [&run](const std::string& s) { run.out += s; };
    streams.err = [&run](const std::string& s) { run.err += s; };
    run.status = RunCli(arguments, streams);
    return run;
}

TEST(Cli, ShortensEachAddressOnItsOwnLine) {
    CliRun run = RunCommand({"--demo", "-s", "c7gg", "http://a.example/1", "https://a.example/2"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out.size(), 2 * std::string("http://c7.gg/XXXXXX\n").size()) << run.out;
    EXPECT_EQ(run.out.rfind("http://c7.gg/", 0), 0u);
    EXPECT_EQ(run.err, "");
}

TEST(Cli, ServicesByNumberOrKeyAndTheDefault) {
    EXPECT_EQ(RunCommand({"--demo", "http://a.example/"}).out.rfind("http://t.cn/", 0), 0u);
    EXPECT_EQ(
        RunCommand({"--demo", "-s", "11", "http://a.example/"}).out.rfind("http://bit.ly/", 0), 0u);
    EXPECT_EQ(RunCommand({"--demo", "--service", "tim", "http://a.example/"})
                  .out.rfind("http://t.im/", 0),
              0u);
}

TEST(Cli, ReadsStandardInputWhenGivenNoAddress) {
    CliRun run = RunCommand({"--demo", "-s", "5"}, "http://a.example/1\r\nhttp://a.example/2\n");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
}

TEST(Cli, Utf8InAndOutAndExpand) {
    SimulatorServer simulator;
    ASSERT_TRUE(simulator.Start());
    std::string route = "127.0.0.1:" + std::to_string(simulator.Port());
    // The address goes out as GBK; its short address leads back to it, percent-encoded UTF-8.
    CliRun shortened =
        RunCommand({"--connect-to", route, "-s", "6", "http://a.example/\xE4\xB8\xAD"});
    ASSERT_EQ(shortened.status, kExitOk);
    std::string shortUrl = shortened.out.substr(0, shortened.out.size() - 1);
    CliRun expanded = RunCommand({"--connect-to", route, "--expand", shortUrl});
    EXPECT_EQ(expanded.status, kExitOk);
    EXPECT_EQ(expanded.out, "http://a.example/%E4%B8%AD\n");

    CliRun refused = RunCommand({"--demo", "ftp://\xE4\xB8\xAD"});
    EXPECT_EQ(refused.status, kExitUsage);
    EXPECT_EQ(refused.err,
              "\xE8\xAF\xB7\xE7\xA1\xAE\xE8\xAE\xA4\xE7\xBD\x91\xE5\x9D\x80\xE7\x94\xB1 http:// "
              "\xE6\x88\x96 https:// \xE5\xBC\x80\xE5\xA4\xB4\n");
}

TEST(Cli, ExitStatuses) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
    } cases[] = {
        {{"--demo", "-s", "5", "http://a.example/"}, kExitOk},
        {{"--connect-to", "127.0.0.1:1", "-s", "5", "http://a.example/"}, kExitEmpty},
        {{"--connect-to", "127.0.0.1:1", "-s", "2", "http://a.example/"}, kExitAggregator},
        {{"--demo", "-s", "13", "http://a.example/"}, kExitUsage},
        {{"--demo", "-s", "nope", "http://a.example/"}, kExitUsage},
        {{"--frobnicate"}, kExitUsage},
        {{"--demo", ""}, kExitUsage},
        {{"--demo", " http://a.example/"}, kExitUsage},
        {{"--all"}, kExitUsage},
        {{"--help"}, kExitOk},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.arguments) line += a + " ";
        EXPECT_EQ(RunCommand(c.arguments).status, c.status) << line;
    }
}

TEST(Cli, AllTriesEveryServiceInATable) {
    CliRun run = RunCommand({"--demo", "--all", "http://a.example/"});
    EXPECT_EQ(run.status, kExitOk) << run.out << run.err;
    std::istringstream table(run.out);
    std::string row;
    int rows = 0;
    while (std::getline(table, row)) {
        rows++;
        EXPECT_EQ(row.rfind(std::to_string(rows) + "\t", 0), 0u) << row;
        EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 3) << row;
    }
    EXPECT_EQ(rows, 12);
}

TEST(Cli, ExpandNamesTheRedirectWithoutFollowingIt) {
    CliRun run = RunCommand({"--demo", "--expand", "http://c7.gg/unknown"});
    EXPECT_EQ(run.status, kExitEmpty);
    EXPECT_EQ(run.out, "");
}

}  // namespace
