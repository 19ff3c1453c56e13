// Fingerprint throughput against the md5sum program on the same page-cached file.
//
// A 1 GiB file is written under the temporary directory, read once to bring it into the page
// cache, then fingerprinted and digested by md5sum five times each; the best run of each counts.
// The ratio of the two best throughputs is printed at the end (goal: at least 0.95). The plain
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

double best_fingerprint = 1e30;
double best_md5sum = 1e30;

bool WriteTestFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string block(1 << 20, '\0');
  for (int64_t written = 0; written < kFileSize; written += static_cast<int64_t>(block.size())) {
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((written + static_cast<int64_t>(i)) * 2654435761u >> 13);
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  return static_cast<bool>(out);
}

void BM_Fingerprint(benchmark::State& state) {
  for (auto _ : state) {
    int64_t size = 0;
    double start = Seconds();
    std::string fscode = quillon::launcher::Fingerprint(NativeFile(), size);
    double elapsed = Seconds() - start;
    benchmark::DoNotOptimize(fscode);
    if (size != kFileSize) state.SkipWithError("file could not be fingerprinted");
    best_fingerprint = std::min(best_fingerprint, elapsed);
    state.SetIterationTime(elapsed);
  }
  state.SetBytesProcessed(state.iterations() * kFileSize);
}

void BM_Md5sumProgram(benchmark::State& state) {
  const std::string command = "md5sum '" + NativeFile() + "' > /dev/null";
  for (auto _ : state) {
    double start = Seconds();
    int status = std::system(command.c_str());
    double elapsed = Seconds() - start;
    if (status != 0) state.SkipWithError("md5sum failed");
    best_md5sum = std::min(best_md5sum, elapsed);
    state.SetIterationTime(elapsed);
  }
  state.SetBytesProcessed(state.iterations() * kFileSize);
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
BENCHMARK(BM_Fingerprint)->Iterations(1)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Md5sumProgram)->Iterations(1)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);

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
  if (best_fingerprint < 1e30 && best_md5sum < 1e30) {
    std::printf("best of 5: Fingerprint %.1f MB/s, md5sum %.1f MB/s, ratio %.3f\n",
                static_cast<double>(kFileSize) / best_fingerprint / 1e6, static_cast<double>(kFileSize) / best_md5sum / 1e6,
                best_md5sum / best_fingerprint);
  }
  return 0;
}
