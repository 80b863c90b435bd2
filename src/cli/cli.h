// quenlov-cli: the adapters from the command line, for scripts and terminals.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Exit statuses.
constexpr int kExitOk = 0;          // every address got a result that is not the message
constexpr int kExitEmpty = 1;       // a service gave an empty result
constexpr int kExitAggregator = 2;  // the aggregator answered with its message
constexpr int kExitUsage = 64;      // unknown option or service, or a refused address

struct CliStreams {
    std::function<bool(std::string&)> readLine;  // one line of standard input, without its end
    std::function<void(const std::string&)> out;
    std::function<void(const std::string&)> err;
};

// Runs one command line (arguments in UTF-8, without the program's name); returns the status.
int RunCli(const std::vector<std::string>& arguments, const CliStreams& streams);

extern const char kCliUsage[];
