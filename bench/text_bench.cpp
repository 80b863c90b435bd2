// Throughput of the text core on megabyte inputs, each beside memcpy of the same bytes, and the
// time the Linux code-page layer needs to get ready.
#include <benchmark/benchmark.h>

#include <cstring>

#include "http/cookies.h"
#include "platform/gbk_tables_linux.h"
#include "text/base64.h"
#include "text/encoding.h"
#include "text/replace_pairs.h"

namespace {

// An address-like GBK text: ASCII with a Chinese character and an escaped slash now and then.
Text GbkInput(size_t size) {
    static const char kPiece[] = "http:\\/\\/example.com\\/path?q=\xD6\xD0\xCE\xC4&x=1 ";
    Text text;
    text.reserve(size + sizeof kPiece);
    while (text.size() < size) text += kPiece;
    text.resize(size);
    if (static_cast<unsigned char>(text.back()) >= 0x80) text.back() = 'x';
    return text;
}

Bytes Utf8Input(size_t size) {
    Bytes utf8 = TextToUtf8(GbkInput(size));
    utf8.resize(size);
    return utf8;
}

void Report(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_Memcpy(benchmark::State& state) {
    Text in = GbkInput(state.range(0));
    Text out(in.size(), '\0');
    for (auto _ : state) {
        std::memcpy(&out[0], in.data(), in.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    Report(state, in.size());
}

void BM_UrlEncode(benchmark::State& state) {
    Text in = GbkInput(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(UrlEncode(in, true, true));
    Report(state, in.size());
}

void BM_Base64Encode(benchmark::State& state) {
    Text in = GbkInput(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(Base64Encode(in));
    Report(state, in.size());
}

void BM_Utf8ToText(benchmark::State& state) {
    Bytes in = Utf8Input(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(Utf8ToText(in));
    Report(state, in.size());
}

void BM_TextToUtf8(benchmark::State& state) {
    Text in = GbkInput(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(TextToUtf8(in));
    Report(state, in.size());
}

void BM_ReplacePairs(benchmark::State& state) {
    Text in = GbkInput(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(ReplacePairs(in, "\\/", "/"));
    Report(state, in.size());
}

void BM_MergeCookies(benchmark::State& state) {
    Text cookies;
    for (int i = 0; cookies.size() < static_cast<size_t>(state.range(0)); i++) {
        cookies += "name" + std::to_string(i) + "=value" + std::to_string(i) + "; ";
    }
    for (auto _ : state) {
        Text old = cookies, fresh = cookies;
        benchmark::DoNotOptimize(MergeCookies(old, fresh));
    }
    Report(state, cookies.size());
}

void BM_GbkTablesReady(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(platform::BuildGbkTables());
}

constexpr int kMegabyte = 1 << 20;

}  // namespace

BENCHMARK(BM_Memcpy)->Arg(kMegabyte);
BENCHMARK(BM_UrlEncode)->Arg(kMegabyte)->Arg(10 * kMegabyte);
BENCHMARK(BM_Base64Encode)->Arg(kMegabyte);
BENCHMARK(BM_Utf8ToText)->Arg(kMegabyte);
BENCHMARK(BM_TextToUtf8)->Arg(kMegabyte);
BENCHMARK(BM_ReplacePairs)->Arg(kMegabyte)->Arg(10 * kMegabyte);
BENCHMARK(BM_MergeCookies)->Arg(kMegabyte)->Arg(10 * kMegabyte);
BENCHMARK(BM_GbkTablesReady)->Unit(benchmark::kMillisecond);
