#include "cli/cli.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "app/long_url_check.h"
#include "cli/options.h"
#include "http/url.h"
#include "http/web_request.h"
#include "platform/internet.h"
#include "services/adapters.h"
#include "services/catalogue.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "simulator/simulator_server.h"
#include "text/encoding.h"

const char kCliUsage[] =
    "usage: quenlov-cli [-s SERVICE] [--connect-to HOST:PORT | --demo] [URL...]\n"
    "       quenlov-cli --all URL\n"
    "       quenlov-cli --expand SHORT-URL\n"
    "\n"
    "Shortens each URL through one service and prints the service's answer, one line each.\n"
    "With no URL, reads addresses from standard input, one per line. Text in and out is UTF-8.\n"
    "\n"
    "  -s, --service SERVICE  1-12 or the service's key (default 1):\n"
    "                         1 tcn, 2 sinalt, 3 tim, 4 tinyurl, 5 c7gg, 6 kksme, 7 dwzmn,\n"
    "                         8 ueeme, 9 u6gg, 10 jmp, 11 bitly, 12 googl\n"
    "  --all URL              try all twelve services; prints number, key, answer, ms\n"
    "  --expand SHORT-URL     print where a short address redirects to, without going there\n"
    "  --connect-to HOST:PORT send every connection there; requests stay as built\n"
    "  --demo                 answer from a built-in simulator of every service (no network)\n"
    "  -h, --help             this text\n"
    "\n"
    "Exit status: 0 every address got an answer; 1 a service gave an empty answer;\n"
    "2 the aggregator answered with its busy message; 64 bad usage or a refused address.\n";

namespace {

// The aggregator's cookies are fetched once, before the first aggregator service of the run.
struct RunState {
    const CliStreams& streams;
    bool cookiesFetched = false;
};

std::string ForTerminal(const Text& text) {
    return TextToUtf8(text);
}

void FetchCookiesOnce(RunState& run, int serviceId) {
    const Service* service = ServiceById(serviceId >= 1 && serviceId <= 11 ? serviceId : 12);
    if (service->family != ServiceFamily::kAggregator || run.cookiesFetched) return;
    run.cookiesFetched = true;
    if (!FetchSessionCookies()) {
        run.streams.err("quenlov-cli: the aggregator set no cookie; going on without one\n");
    }
}

int StatusOf(const Text& result) {
    if (result.empty()) return kExitEmpty;
    return result == kAggregatorMessage ? kExitAggregator : kExitOk;
}

// The address as GBK, or null after saying on standard error why it cannot go out.
bool Accept(RunState& run, const std::string& utf8, Text& address) {
    address = Utf8ToText(utf8);
    if (const char* problem = LongUrlProblem(address)) {
        run.streams.err(ForTerminal(problem) + "\n");
        return false;
    }
    return true;
}

Text Shorten(RunState& run, int serviceId, const Text& address) {
    FetchCookiesOnce(run, serviceId);
    SetLongUrlSource([address] { return address; });
    Text result = ShortenWithService(serviceId);
    SetLongUrlSource(nullptr);
    return result;
}

int ShortenOne(RunState& run, int serviceId, const std::string& utf8) {
    Text address;
    if (!Accept(run, utf8, address)) return kExitUsage;
    Text result = Shorten(run, serviceId, address);
    run.streams.out(ForTerminal(result) + "\n");
    return StatusOf(result);
}

// A table cell: line breaks and tabs in an answer would break the table.
std::string Cell(const std::string& text) {
    std::string cell;
    for (char c : text) {
        if (c == '\r')
            cell += "\\r";
        else if (c == '\n')
            cell += "\\n";
        else if (c == '\t')
            cell += "\\t";
        else
            cell += c;
    }
    return cell;
}

int TryAll(RunState& run, const std::string& utf8) {
    Text address;
    if (!Accept(run, utf8, address)) return kExitUsage;
    int status = kExitOk;
    for (const Service& service : kServices) {
        auto start = std::chrono::steady_clock::now();
        Text result = Shorten(run, service.id, address);
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
        run.streams.out(std::to_string(service.id) + "\t" + service.key + "\t" +
                        Cell(ForTerminal(result)) + "\t" + std::to_string(ms) + "\n");
        status = std::max(status, StatusOf(result));
    }
    return status;
}

Text LocationOf(const Text& headers) {
    size_t begin = 0;
    while (begin < headers.size()) {
        size_t end = headers.find("\r\n", begin);
        if (end == Text::npos) end = headers.size();
        Text line = headers.substr(begin, end - begin);
        if (LowerAscii(line.substr(0, 9)) == "location:") return HeaderValue(line);
        begin = end + 2;
    }
    return Text();
}

int Expand(RunState& run, const std::string& utf8) {
    Text shortUrl;
    if (!Accept(run, utf8, shortUrl)) return kExitUsage;
    Text headers;
    WebRequest(shortUrl, 2, Text(), nullptr, nullptr, nullptr, &headers, true);
    Text location = LocationOf(headers);
    if (location.empty()) {
        run.streams.err("quenlov-cli: " + utf8 + " names no redirect\n");
        return kExitEmpty;
    }
    run.streams.out(ForTerminal(location) + "\n");
    return kExitOk;
}

int RunMode(RunState& run, const CliOptions& options) {
    if (options.mode == CliMode::kAll) return TryAll(run, options.addresses[0]);
    if (options.mode == CliMode::kExpand) return Expand(run, options.addresses[0]);
    int status = kExitOk;
    auto one = [&](const std::string& address) {
        status = std::max(status, ShortenOne(run, options.service, address));
    };
    if (!options.addresses.empty()) {
        for (const std::string& address : options.addresses) one(address);
        return status;
    }
    std::string line;
    while (run.streams.readLine(line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        one(line);
    }
    return status;
}

std::string UsageProblem(const CliOptions& options) {
    if (!options.error.empty()) return options.error;
    bool single = options.mode == CliMode::kAll || options.mode == CliMode::kExpand;
    if (single && options.addresses.size() != 1) return "--all and --expand take one address";
    if (options.demo && !options.connectTo.empty())
        return "--demo and --connect-to exclude each other";
    if (!options.connectTo.empty() && options.connectTo.find(':') == std::string::npos) {
        return "--connect-to takes HOST:PORT";
    }
    return std::string();
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const CliStreams& streams) {
    CliOptions options = ParseCliOptions(arguments);
    if (options.mode == CliMode::kHelp && options.error.empty()) {
        streams.out(kCliUsage);
        return kExitOk;
    }
    std::string problem = UsageProblem(options);
    if (!problem.empty()) {
        streams.err("quenlov-cli: " + problem + "\n(see quenlov-cli --help)\n");
        return kExitUsage;
    }
    std::unique_ptr<SimulatorServer> simulator;
    std::string route = options.connectTo;
    if (options.demo) {
        simulator = std::make_unique<SimulatorServer>();
        if (!simulator->Start()) {
            streams.err("quenlov-cli: the simulator cannot listen on loopback\n");
            return kExitEmpty;
        }
        route = "127.0.0.1:" + std::to_string(simulator->Port());
    }
    platform::SetConnectOverride(route);
    RunState run{streams};
    int status = RunMode(run, options);
    platform::SetConnectOverride(std::string());
    return status;
}
