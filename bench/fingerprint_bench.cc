// Fingerprint throughput against the md5sum program on the same page-cached file.
//
// A 1 GiB file is written under the temporary directory (deleted at the end), read once to bring
// it into the page cache, then fingerprinted and digested by md5sum in five alternating rounds;
// the best run of each counts. The ratio of the two best throughputs is reported (goal: at
// least 0.95). The plain
// MD5 digest of an in-memory buffer is measured as well, for reference.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "common/md5.h"
#include "launcher_plugin/fingerprint.h"

namespace {

constexpr int64_t kFileSize = int64_t{1} << 30;

std::string& NativeFile() {
  static std::string path;
  return path;
}

double Seconds() {
  std::timespec ts;
  std::timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}


bool WriteTestFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string block(1 << 20, '\0');
  for (int64_t written = 0; written < kFileSize; written += static_cast<int64_t>(block.size())) {
    for (size_t i = 0; i < block.size(); ++i) {
      block[i] = static_cast<char>((written + static_cast<int64_t>(i)) * 2654435761u >> 13);
    }
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  return static_cast<bool>(out);
}

// Seconds one Fingerprint of the test file takes; negative on failure.
double TimeFingerprint() {
  int64_t size = 0;
  const double start = Seconds();
  std::string fscode = quillon::launcher::Fingerprint(NativeFile(), size);
  const double elapsed = Seconds() - start;
  benchmark::DoNotOptimize(fscode);
  return size == kFileSize ? elapsed : -1;
}

// Seconds one run of the md5sum program on the test file takes; negative on failure.
double TimeMd5sum() {
  const std::string command = "md5sum '" + NativeFile() + "' > /dev/null";
  const double start = Seconds();
  const int status = std::system(command.c_str());
  const double elapsed = Seconds() - start;
  return status == 0 ? elapsed : -1;
}

// Five rounds, each timing Fingerprint and then md5sum, so that both see the same load on a
// shared machine; the best time of each counts. Counters are in MB/s (10^6 bytes per second).
void BM_FingerprintAgainstMd5sum(benchmark::State& state) {
  double best_fingerprint = 1e30;
  double best_md5sum = 1e30;
  for (auto _ : state) {
    for (int round = 0; round < 5; ++round) {
      const double fingerprint = TimeFingerprint();
      const double md5sum = TimeMd5sum();
      if (fingerprint < 0 || md5sum < 0) {
        state.SkipWithError("the test file could not be digested");
        return;
      }
      best_fingerprint = std::min(best_fingerprint, fingerprint);
      best_md5sum = std::min(best_md5sum, md5sum);
    }
  }
  const double megabytes = static_cast<double>(kFileSize) / 1e6;
  state.counters["fingerprint_MBps"] = megabytes / best_fingerprint;
  state.counters["md5sum_MBps"] = megabytes / best_md5sum;
  state.counters["ratio"] = best_md5sum / best_fingerprint;
  std::printf("best of 5: Fingerprint %.1f MB/s, md5sum %.1f MB/s, throughput ratio %.3f\n", megabytes / best_fingerprint,
              megabytes / best_md5sum, best_md5sum / best_fingerprint);
}

void BM_Md5InMemory(benchmark::State& state) {
  std::string data(static_cast<size_t>(state.range(0)), 'q');
  for (auto _ : state) {
    quillon::Md5 md5;
    md5.Update(data);
    benchmark::DoNotOptimize(md5.Finish());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Md5InMemory)->Arg(64)->Arg(1 << 20);
BENCHMARK(BM_FingerprintAgainstMd5sum)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const char* tmp = std::getenv("TMPDIR");
  // ASCII path: the same text is the GBK path for Fingerprint and the native path for md5sum.
  NativeFile() = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/quillon_fingerprint_bench.bin";
  if (!WriteTestFile(NativeFile())) {
    std::fprintf(stderr, "cannot write %s\n", NativeFile().c_str());
    std::remove(NativeFile().c_str());
    return 1;
  }
  std::system(("cat '" + NativeFile() + "' > /dev/null").c_str());  // into the page cache
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(NativeFile().c_str());
  return 0;
}
