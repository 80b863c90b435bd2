// The command line of quenlov-cli, taken apart.
#pragma once

#include <string>
#include <vector>

enum class CliMode { kShorten, kAll, kExpand, kHelp };

struct CliOptions {
    CliMode mode = CliMode::kShorten;
    int service = 1;
    std::string connectTo;  // "host:port", or empty
    bool demo = false;
    std::vector<std::string> addresses;  // UTF-8; empty: read standard input
    std::string error;                   // set when the command line is not usable
};

CliOptions ParseCliOptions(const std::vector<std::string>& arguments);
