// Speed and ratio of the LZNT1 codec and the envelope on the largest block the plugins
// exchange: a client data package of 16 switched-on zones, each with fingerprint index data of a
// few thousand files, carried as hex text inside the package's JSON. Random and all-zero data
// show the two extremes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "common/crc32.h"
#include "common/envelope_codec.h"
#include "common/lznt1.h"

namespace {

class Generator {
 public:
  explicit Generator(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

 private:
  uint32_t state_;
};

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

// The fingerprint index form of one zone: a few path groups, thousands of distinct fscodes.
std::string ZoneFingerprintIndex(int zone, Generator& g) {
  static const char* const kDirectories[] = {"\\mods\\", "\\.minecraft\\libraries\\", "\\.minecraft\\versions\\",
                                             "\\mods\\某某模组\\", "\\resourcepacks\\材质\\", "\\config\\"};
  std::string json = "{";
  bool first_group = true;
  for (const char* directory : kDirectories) {
    const int files = 300 + static_cast<int>(g.Next() % 700) + (zone % 4) * 100;
    if (!first_group) json += ",";
    first_group = false;
    json += "\"";
    json += Hex(directory);
    json += "\":{\"type\":0,\"fomrt\":\"*.jar|*.zip\",\"set_allmumber\":true,\"set_subfile\":true,\"amount\":";
    json += std::to_string(files);
    json += ",\"files\":{";
    for (int f = 0; f < files; ++f) {
      if (f > 0) json += ",";
      json += "\"";
      for (int k = 0; k < 32; ++k) json.push_back("0123456789abcdef"[g.Next() % 16]);
      json += "\":{\"size\":\"" + std::to_string(1000 + g.Next() % 50000000) + "\"}";
    }
    json += "}}";
  }
  return json + "}";
}

const std::string& ClientPackage() {
  static const std::string package = [] {
    Generator g(2024);
    std::string json = "{\"Zones\":{";
    for (int zone = 1; zone <= 16; ++zone) {
      if (zone > 1) json += ",";
      json += "\"S_" + std::to_string(zone) + "\":{\"enable\":true,\"f_datas\":\"" +
              Hex(ZoneFingerprintIndex(zone, g)) + "\",\"w_datas\":\"" +
              Hex("{\"" + Hex("\\.minecraft\\logs\\") + "\":{\"type\":1}}") + "\"}";
    }
    json += "},\"Whitelist_Player\":{";
    for (int player = 0; player < 50; ++player) {
      if (player > 0) json += ",";
      std::string name = "管理员";
      name += std::to_string(player);
      json += "\"";
      json += Hex(name);
      json += "\":{\"sataus\":\"1\",\"uid\":\"U";
      json += std::to_string(100000 + player * 7);
      json += "\"}";
    }
    json += "}}";
    return "[QFP_DATA/]" + json + "[/QFP_DATA]";
  }();
  return package;
}

const std::string& Data(int kind) {
  static const std::string random = [] {
    Generator g(7);
    std::string out(4 << 20, '\0');
    for (char& c : out) c = static_cast<char>(g.Next() >> 24);
    return out;
  }();
  static const std::string zeros(4 << 20, '\0');
  switch (kind) {
    case 0: return ClientPackage();
    case 1: return random;
    default: return zeros;
  }
}

const char* KindName(int kind) { return kind == 0 ? "client_package" : kind == 1 ? "random" : "zeros"; }

void BM_Lznt1Compress(benchmark::State& state) {
  const std::string& data = Data(static_cast<int>(state.range(0)));
  size_t compressed = 0;
  for (auto _ : state) {
    std::string stream = quillon::Lznt1Compress(data);
    compressed = stream.size();
    benchmark::DoNotOptimize(stream);
  }
  state.SetLabel(KindName(static_cast<int>(state.range(0))));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
  state.counters["input_bytes"] = static_cast<double>(data.size());
  state.counters["output_bytes"] = static_cast<double>(compressed);
  state.counters["ratio"] = static_cast<double>(compressed) / static_cast<double>(data.size());
}
BENCHMARK(BM_Lznt1Compress)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_Lznt1Decompress(benchmark::State& state) {
  const std::string& data = Data(static_cast<int>(state.range(0)));
  const std::string stream = quillon::Lznt1Compress(data);
  std::string out;
  for (auto _ : state) {
    if (quillon::Lznt1Decompress(stream, data.size(), out) != quillon::Lznt1Status::kOk) {
      state.SkipWithError("decompression failed");
      break;
    }
    benchmark::DoNotOptimize(out);
  }
  state.SetLabel(KindName(static_cast<int>(state.range(0))));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Lznt1Decompress)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_EnvelopePack(benchmark::State& state) {
  const quillon::EnvelopeCodec codec;
  const std::string& data = ClientPackage();
  for (auto _ : state) benchmark::DoNotOptimize(codec.Pack(data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_EnvelopePack)->Unit(benchmark::kMillisecond);

void BM_EnvelopeUnpack(benchmark::State& state) {
  const quillon::EnvelopeCodec codec;
  const std::string& data = ClientPackage();
  const std::string block = codec.Pack(data);
  for (auto _ : state) benchmark::DoNotOptimize(codec.Unpack(block));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_EnvelopeUnpack)->Unit(benchmark::kMillisecond);

void BM_Crc32(benchmark::State& state) {
  const std::string& data = ClientPackage();
  for (auto _ : state) benchmark::DoNotOptimize(quillon::Crc32(data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Crc32)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
