#include "support/http_case.h"

#include <cstdlib>

namespace {

std::string ReplaceEvery(std::string text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
        text.replace(at, what.size(), with);
        at += with.size();
    }
    return text;
}

std::string HexBytes(const std::string& list) {
    std::string bytes;
    const char* p = list.c_str();
    char* end = nullptr;
    for (long value = std::strtol(p, &end, 16); end != p; value = std::strtol(p, &end, 16)) {
        bytes += static_cast<char>(value);
        p = end;
    }
    return bytes;
}

// "@word rest": the word and the rest after one space.
void SplitStep(const std::string& line, std::string& word, std::string& rest) {
    size_t space = line.find(' ');
    word = line.substr(1, space == std::string::npos ? std::string::npos : space - 1);
    rest = space == std::string::npos ? std::string() : line.substr(space + 1);
}

// "MS rest": the leading number and what follows its space.
int LeadingNumber(const std::string& text, std::string& rest) {
    size_t space = text.find(' ');
    rest = space == std::string::npos ? std::string() : text.substr(space + 1);
    return std::atoi(text.c_str());
}

bool ParseStep(const std::string& line, HttpStep& step) {
    std::string word, rest;
    SplitStep(line, word, rest);
    if (word == "text") {
        step = {HttpStep::kSend, rest, 0, 0};
    } else if (word == "hex") {
        step = {HttpStep::kSend, HexBytes(rest), 0, 0};
    } else if (word == "fill") {
        std::string value;
        long long count = rest.compare(0, 7, "forever") == 0 ? -1 : std::atoll(rest.c_str());
        LeadingNumber(rest, value);
        step = {HttpStep::kFill, HexBytes(value).substr(0, 1), count, 0};
    } else if (word == "trickle") {
        int ms = LeadingNumber(rest, rest);
        step = {HttpStep::kTrickle, rest, 0, ms};
    } else if (word == "sleep" || word == "silent") {
        step = {word == "sleep" ? HttpStep::kSleep : HttpStep::kSilent, "", 0,
                std::atoi(rest.c_str())};
    } else if (word == "close" || word == "reset") {
        step = {word == "close" ? HttpStep::kClose : HttpStep::kReset, "", 0, 0};
    } else {
        return false;
    }
    return true;
}

void AddSend(std::vector<HttpStep>& steps, const std::string& bytes) {
    if (!steps.empty() && steps.back().kind == HttpStep::kSend) {
        steps.back().bytes += bytes;
    } else {
        steps.push_back({HttpStep::kSend, bytes, 0, 0});
    }
}

}  // namespace

HttpCase ParseHttpCase(const std::string& fileText) {
    HttpCase result;
    enum { kPreamble, kReply, kRequest } section = kPreamble;
    std::vector<HttpStep> request;
    size_t at = 0;
    while (at < fileText.size()) {
        size_t end = fileText.find('\n', at);
        if (end == std::string::npos) end = fileText.size();
        std::string line = fileText.substr(at, end - at);
        at = end + 1;
        if (line == "@reply" || line == "@request") {
            section = line == "@reply" ? kReply : kRequest;
            if (section == kReply) result.valid = true;
            continue;
        }
        if (section == kPreamble) continue;
        std::vector<HttpStep>& steps = section == kReply ? result.reply : request;
        HttpStep step;
        if (!line.empty() && line[0] == '@' && ParseStep(line, step)) {
            if (step.kind == HttpStep::kSend) {
                AddSend(steps, step.bytes);
            } else {
                steps.push_back(step);
            }
        } else {
            AddSend(steps, line + "\r\n");
        }
    }
    for (const HttpStep& step : request) result.request += step.bytes;
    return result;
}

std::string FillPlaceholders(const std::string& bytes, const std::string& token, int port) {
    return ReplaceEvery(ReplaceEvery(bytes, "%TOKEN%", token), "%PORT%", std::to_string(port));
}
