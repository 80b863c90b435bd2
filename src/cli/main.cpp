#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "platform/console.h"

int main(int argc, char** argv) {
    platform::UseBinaryStdio();
    CliStreams streams;
    streams.readLine = [](std::string& line) {
        return static_cast<bool>(std::getline(std::cin, line));
    };
    streams.out = [](const std::string& s) {
        std::fwrite(s.data(), 1, s.size(), stdout);
        std::fflush(stdout);
    };
    streams.err = [](const std::string& s) { std::fwrite(s.data(), 1, s.size(), stderr); };
    return RunCli(platform::Utf8Arguments(argc, argv), streams);
}
