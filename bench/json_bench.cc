// Parsing and writing a document shaped like real zone data: about 20,000 file entries under
// 32-hex-digit fscode keys, {"<fscode>":{"size":12345,"path":"\\mods\\x.jar"},...}. The same
// text is parsed and written by nlohmann::json in the same run for comparison.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "common/json_document.h"

#if __has_include(<nlohmann/json.hpp>)
#include <nlohmann/json.hpp>
#define QUILLON_HAVE_NLOHMANN 1
#endif

namespace {

constexpr int kEntries = 20000;

// The zone data text (ASCII, so both libraries read the very same bytes).
const std::string& ZoneText() {
  static const std::string text = [] {
    uint64_t state = 0x9E3779B97F4A7C15u;
    auto next = [&] {
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      return state;
    };
    const char* hex = "0123456789abcdef";
    const char* dirs[] = {"mods", "config", "resourcepacks", "shaderpacks", "versions\\\\1.12.2"};
    std::string out = "{";
    for (int i = 0; i < kEntries; ++i) {
      if (i > 0) out += ',';
      out += '"';
      for (int d = 0; d < 32; ++d) out += hex[next() & 15];
      out += "\":{\"size\":";
      out += std::to_string(next() % 50000000);
      out += ",\"path\":\"\\\\";
      out += dirs[next() % 5];
      out += "\\\\file_";
      out += std::to_string(i);
      out += ".jar\"}";
    }
    out += "}";
    return out;
  }();
  return text;
}

void BM_QuillonParse(benchmark::State& state) {
  const std::string& text = ZoneText();
  for (auto _ : state) {
    quillon::JsonDocument doc;
    bool ok = doc.Parse(text);
    benchmark::DoNotOptimize(ok);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_QuillonParse)->Unit(benchmark::kMillisecond);

void BM_QuillonWrite(benchmark::State& state) {
  quillon::JsonDocument doc;
  doc.Parse(ZoneText());
  size_t bytes = 0;
  for (auto _ : state) {
    std::string out = doc.ToText();
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_QuillonWrite)->Unit(benchmark::kMillisecond);

// Looking up every entry by its path, as a verification of a zone's files does.
void BM_QuillonLookup(benchmark::State& state) {
  quillon::JsonDocument doc;
  doc.Parse(ZoneText());
  std::vector<std::string> keys;
  doc.GetKeys("", keys);
  for (auto& key : keys) key += ".size";
  for (auto _ : state) {
    int64_t sum = 0;
    for (const auto& key : keys) sum += doc.GetInt64(key);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * keys.size());
}
BENCHMARK(BM_QuillonLookup)->Unit(benchmark::kMillisecond);

#ifdef QUILLON_HAVE_NLOHMANN
void BM_NlohmannParse(benchmark::State& state) {
  const std::string& text = ZoneText();
  for (auto _ : state) {
    nlohmann::json json = nlohmann::json::parse(text);
    benchmark::DoNotOptimize(json.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_NlohmannParse)->Unit(benchmark::kMillisecond);

void BM_NlohmannWrite(benchmark::State& state) {
  nlohmann::json json = nlohmann::json::parse(ZoneText());
  size_t bytes = 0;
  for (auto _ : state) {
    std::string out = json.dump();
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_NlohmannWrite)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
