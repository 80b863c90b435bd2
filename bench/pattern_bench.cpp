// PatternMatcher::Search with each of the program's reply patterns over a long reply whose match
// stands at its end; the time includes the conversion of the reply to UTF-16.
#include <benchmark/benchmark.h>

#include <string>

#include "text/pattern_matcher.h"
#include "text/text.h"

namespace {

const char kPlaceholder[] = "#\xD2\xFD\xBA\xC5";

// HTML and JSON fragments with double-byte text (code page 936), as pages and replies hold them.
const char kFiller[] =
    "<div class=\"item\"><span id=\"t\">\xB6\xCC\xCD\xF8\xD6\xB7</span> {\"k\":\"v\"}</div>\r\n";

struct ReplyPattern {
    std::string pattern;
    std::string match;
    bool quotePlaceholder;
};

ReplyPattern Aggregator() {
    return {
        ReplaceAll(R"p({"result":"([a-z]+)","data":{"short_url":"([^"]+)")p", "\"", kPlaceholder),
        R"({"result":"ok","data":{"short_url":"http:\/\/t.example\/Ab1"}})", true};
}

ReplyPattern Span() {
    return {ReplaceAll(R"(<span id="shortUrl" class="clipText label label-success">)"
                       "(http://tim.example/[\\w]+)</span>",
                       "\"", kPlaceholder),
            R"(<span id="shortUrl" class="clipText label label-success">)"
            "http://tim.example/Ab_12</span>",
            true};
}

ReplyPattern Json() {
    return {R"p({"tinyurl":"(http://dwz.example/[\w]+)")p",
            R"({"tinyurl":"http://dwz.example/Ab_1"})", false};
}

std::string Reply(size_t size, const std::string& match) {
    std::string reply;
    reply.reserve(size + match.size());
    while (reply.size() + match.size() < size) reply += kFiller;
    return reply + match;
}

void Search(benchmark::State& state, ReplyPattern (*make)()) {
    const ReplyPattern p = make();
    const std::string reply = Reply(static_cast<size_t>(state.range(0)) << 20, p.match);
    for (auto _ : state) {
        PatternMatcher m;
        bool found = m.Search(p.pattern, reply, false, true, true, p.quotePlaceholder);
        if (!found || m.MatchCount() != 1) state.SkipWithError("no match");
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(reply.size()));
}

}  // namespace

BENCHMARK_CAPTURE(Search, aggregator, Aggregator)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, span, Span)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, json, Json)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
