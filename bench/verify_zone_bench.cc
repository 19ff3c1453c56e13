// Zone verification throughput against the md5sum program over the same client folder.
//
// A game client folder is generated under the temporary directory (deleted at the end): a few
// hundred .jar files in nested folders (libraries, mods with a Chinese-named subfolder,
// versions), small to multi-chunk, totalling more than 500 MB, plus a few files the pattern
// skips. Every file is read once to bring the folder into the page cache. The zone's
// verification data is recorded from the folder as an administrator's reference read records
// it: each group is walked and every file found fingerprinted.
//
// Then VerifyZone checks the folder and md5sum digests the same .jar files, in five rounds that
// alternate which of the two goes first, so that both see the same load on a shared machine; the
// best time of each counts. Counters are in MB/s (10^6 bytes per second); "ratio" is the best
// VerifyZone time over the best md5sum time (goal: at most 1.05). On a busy machine the
// processor time each used (user and system) is steadier than the elapsed time, so its best and
// ratio ("cpu_ratio") are reported too. The walk of the zone's groups alone is measured as well,
// as the part of the check that is not hashing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ftw.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "common/json_document.h"
#include "host_sim/reference_zone.h"
#include "launcher_plugin/verify_zone.h"
#include "launcher_plugin/walk_directory.h"
#include "platform/files.h"

extern char** environ;

namespace {

using quillon::JsonDocument;

// One protected directory of the zone (relative to the client root, "\" at both ends).
struct Group {
  std::string directory;
  std::string pattern;
  bool subdirectories;
  bool all_match;
};

const std::vector<Group>& Groups() {
  static const std::vector<Group> groups = {
      {"\\.minecraft\\libraries\\", "*.jar", true, true},
      {"\\.minecraft\\mods\\", "*.jar", true, false},
      {"\\.minecraft\\versions\\", "*.jar", true, true},
  };
  return groups;
}

// What the run works on: the client root in the system's form and natively, the .jar files'
// native paths and their total size, and the zone's data.
struct Client {
  std::string root;         // GBK, "\" separators
  std::string native_root;  // for creating and deleting the folder
  std::vector<std::string> native_files;
  int64_t total_bytes = 0;
  JsonDocument verification;
  JsonDocument whitelist;
};

Client& TheClient() {
  static Client client;
  return client;
}

double Seconds() {
  std::timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Processor time this process has used so far, in seconds.
double ProcessSeconds() {
  std::timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double UsageSeconds(const struct rusage& usage) {
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Elapsed and processor seconds of one timed run; negative elapsed time on failure.
struct Timing {
  double elapsed = -1;
  double cpu = -1;
};

// A small deterministic generator, so that every run builds the same folder.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  int64_t Between(int64_t low, int64_t high) { return low + static_cast<int64_t>(Next() % static_cast<uint64_t>(high - low + 1)); }

 private:
  uint64_t state_;
};

// Writes a file of size bytes of generated content at path (system form).
bool WriteGeneratedFile(const std::string& path, int64_t size, Random& random, std::string& buffer) {
  buffer.resize(static_cast<size_t>(size));
  size_t i = 0;
  for (; i + 8 <= buffer.size(); i += 8) {
    const uint64_t word = random.Next();
    for (size_t b = 0; b < 8; ++b) buffer[i + b] = static_cast<char>(word >> (8 * b));
  }
  for (; i < buffer.size(); ++i) buffer[i] = static_cast<char>(random.Next());
  return quillon::platform::WriteWholeFile(path, buffer);
}

// Creates every directory along relative (which begins and ends with "\") under root.
bool MakeDirectories(const std::string& root, const std::string& relative) {
  for (size_t slash = relative.find('\\', 1); slash != std::string::npos; slash = relative.find('\\', slash + 1)) {
    if (!quillon::platform::MakeDirectory(root + relative.substr(0, slash))) return false;
  }
  return true;
}

// The client folder: libraries in four levels (256 jars of 4 KB to 1 MB), mods directly and in
// subfolders (48 jars of 1 to 10 MB), versions (6 jars of 20 to 40 MB, several fingerprint
// chunks each) with a .json beside each, and a few other files the pattern skips.
bool GenerateClient(const std::string& root) {
  Random random(0x5eed1234abcdULL);
  std::string buffer;
  auto add = [&](const std::string& directory, const std::string& name, int64_t low, int64_t high) {
    return MakeDirectories(root, directory) && WriteGeneratedFile(root + directory + name, random.Between(low, high), random, buffer);
  };
  for (int g = 0; g < 16; ++g) {
    for (int a = 0; a < 4; ++a) {
      for (int v = 0; v < 4; ++v) {
        const std::string artifact = "artifact" + std::to_string(a);
        const std::string version = "1." + std::to_string(v);
        const std::string directory = "\\.minecraft\\libraries\\org\\group" + std::to_string(g) + "\\" + artifact + "\\" + version + "\\";
        if (!add(directory, artifact + "-" + version + ".jar", 4 << 10, 1 << 20)) return false;
      }
    }
  }
  const std::vector<std::string> mod_folders = {"\\.minecraft\\mods\\", "\\.minecraft\\mods\\1.20\\",
                                                "\\.minecraft\\mods\\模组包\\", "\\.minecraft\\mods\\pack\\extra\\"};
  for (const std::string& folder : mod_folders) {
    for (int m = 0; m < 12; ++m) {
      if (!add(folder, "mod" + std::to_string(m) + ".jar", 1 << 20, 10 << 20)) return false;
    }
  }
  for (int v = 0; v < 6; ++v) {
    const std::string name = "1." + std::to_string(15 + v);
    const std::string directory = "\\.minecraft\\versions\\" + name + "\\";
    if (!add(directory, name + ".jar", 20 << 20, 40 << 20) || !add(directory, name + ".json", 1 << 10, 64 << 10)) return false;
  }
  return add("\\.minecraft\\", "options.txt", 1 << 10, 8 << 10) && add("\\.minecraft\\logs\\", "latest.log", 1 << 10, 256 << 10);
}

// Verification data in fingerprint index form for what the groups find now, recorded the way
// the administrator's reference read does; the native paths of the files found are collected.
JsonDocument RecordZone(const std::string& root, std::vector<std::string>& native_files) {
  std::vector<quillon::host_sim::GroupSpec> groups;
  for (const Group& g : Groups()) groups.push_back({g.directory, g.pattern, g.subdirectories, g.all_match});
  std::vector<std::string> files;
  JsonDocument doc = quillon::host_sim::RecordZone(root, groups, &files);
  for (const std::string& file : files) native_files.push_back(quillon::platform::NativePath(file));
  return doc;
}

// Reads every file once, so that the timed rounds find it in the page cache; returns the total
// number of bytes read, or -1 when a file cannot be read.
int64_t ReadAll(const std::vector<std::string>& native_files) {
  std::vector<char> buffer(1 << 20);
  int64_t total = 0;
  for (const std::string& path : native_files) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    ssize_t n = 0;
    while ((n = ::read(fd, buffer.data(), buffer.size())) > 0) total += n;
    ::close(fd);
    if (n < 0) return -1;
  }
  return total;
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return std::remove(path); }

void RemoveTree(const std::string& native_root) { nftw(native_root.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

// One VerifyZone of the client; failed when the check does not pass.
Timing TimeVerifyZone() {
  const Client& client = TheClient();
  const double cpu_start = ProcessSeconds();
  const double start = Seconds();
  const quillon::launcher::ZoneVerdict verdict = quillon::launcher::VerifyZone(client.root, client.verification, client.whitelist);
  const double elapsed = Seconds() - start;
  const double cpu = ProcessSeconds() - cpu_start;
  return verdict.passed ? Timing{elapsed, cpu} : Timing{};
}

// One md5sum run over the client's .jar files (spawned directly, its output discarded); its
// processor time is what the kernel accounts to the child.
Timing TimeMd5sum() {
  const Client& client = TheClient();
  std::vector<char*> argv;
  std::string program = "md5sum";
  std::string end_of_options = "--";
  argv.push_back(program.data());
  argv.push_back(end_of_options.data());
  std::vector<std::string> paths = client.native_files;
  for (std::string& path : paths) argv.push_back(path.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const double start = Seconds();
  pid_t pid = 0;
  int status = -1;
  struct rusage usage {};
  const bool spawned = posix_spawnp(&pid, "md5sum", &actions, nullptr, argv.data(), environ) == 0;
  if (spawned) wait4(pid, &status, 0, &usage);
  const double elapsed = Seconds() - start;
  posix_spawn_file_actions_destroy(&actions);
  return spawned && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Timing{elapsed, UsageSeconds(usage)} : Timing{};
}

// Five rounds of both, alternating which goes first; the best time of each counts.
void BM_VerifyZoneAgainstMd5sum(benchmark::State& state) {
  double best_verify = 1e30;
  double best_md5sum = 1e30;
  double best_verify_cpu = 1e30;
  double best_md5sum_cpu = 1e30;
  for (auto _ : state) {
    for (int round = 0; round < 5; ++round) {
      Timing verify;
      Timing md5sum;
      if (round % 2 == 0) {
        verify = TimeVerifyZone();
        md5sum = TimeMd5sum();
      } else {
        md5sum = TimeMd5sum();
        verify = TimeVerifyZone();
      }
      if (verify.elapsed < 0 || md5sum.elapsed < 0) {
        state.SkipWithError(verify.elapsed < 0 ? "the client did not pass verification" : "md5sum failed");
        return;
      }
      std::printf("round %d: VerifyZone %.3f s (processor %.3f s), md5sum %.3f s (processor %.3f s)\n", round + 1,
                  verify.elapsed, verify.cpu, md5sum.elapsed, md5sum.cpu);
      best_verify = std::min(best_verify, verify.elapsed);
      best_md5sum = std::min(best_md5sum, md5sum.elapsed);
      best_verify_cpu = std::min(best_verify_cpu, verify.cpu);
      best_md5sum_cpu = std::min(best_md5sum_cpu, md5sum.cpu);
    }
  }
  const Client& client = TheClient();
  const double megabytes = static_cast<double>(client.total_bytes) / 1e6;
  state.counters["files"] = static_cast<double>(client.native_files.size());
  state.counters["MB"] = megabytes;
  state.counters["verify_MBps"] = megabytes / best_verify;
  state.counters["md5sum_MBps"] = megabytes / best_md5sum;
  state.counters["ratio"] = best_verify / best_md5sum;
  state.counters["verify_cpu_MBps"] = megabytes / best_verify_cpu;
  state.counters["md5sum_cpu_MBps"] = megabytes / best_md5sum_cpu;
  state.counters["cpu_ratio"] = best_verify_cpu / best_md5sum_cpu;
  std::printf("best of 5 over %zu files, %.1f MB: VerifyZone %.1f MB/s, md5sum %.1f MB/s, time ratio %.3f\n",
              client.native_files.size(), megabytes, megabytes / best_verify, megabytes / best_md5sum, best_verify / best_md5sum);
  std::printf("per processor second: VerifyZone %.1f MB/s, md5sum %.1f MB/s, processor time ratio %.3f\n",
              megabytes / best_verify_cpu, megabytes / best_md5sum_cpu, best_verify_cpu / best_md5sum_cpu);
}

// The walk of every group with the zone's patterns, without reading any file.
void BM_WalkZoneGroups(benchmark::State& state) {
  const Client& client = TheClient();
  int64_t files = 0;
  for (auto _ : state) {
    std::vector<std::string> list;
    for (const Group& g : Groups()) {
      quillon::launcher::WalkDirectory(client.root + g.directory, g.pattern, list, true, g.subdirectories);
    }
    files += static_cast<int64_t>(list.size());
    benchmark::DoNotOptimize(list);
  }
  state.SetItemsProcessed(files);
}

BENCHMARK(BM_WalkZoneGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifyZoneAgainstMd5sum)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const char* tmp = std::getenv("TMPDIR");
  std::string native_root = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/quillon_verify_zone_bench.XXXXXX";
  if (mkdtemp(native_root.data()) == nullptr) {
    std::fprintf(stderr, "cannot create a folder under %s\n", tmp != nullptr && *tmp != '\0' ? tmp : "/tmp");
    return 1;
  }
  Client& client = TheClient();
  client.native_root = native_root;
  // The temporary directory's path is ASCII, so it is also its GBK text; the system form uses "\".
  client.root = quillon::platform::HostPathToSystem(native_root);

  int status = 0;
  const double start = Seconds();
  if (!GenerateClient(client.root)) {
    std::fprintf(stderr, "cannot write the client folder under %s\n", native_root.c_str());
    status = 1;
  } else {
    client.verification = RecordZone(client.root, client.native_files);
    client.whitelist.Parse();
    client.total_bytes = ReadAll(client.native_files);
    if (client.total_bytes < 500 * 1000 * 1000) {
      std::fprintf(stderr, "the client folder holds only %lld bytes of .jar files\n", static_cast<long long>(client.total_bytes));
      status = 1;
    } else {
      std::printf("client folder %s: %zu .jar files, %.1f MB, prepared in %.1f s\n", native_root.c_str(),
                  client.native_files.size(), static_cast<double>(client.total_bytes) / 1e6, Seconds() - start);
      std::fflush(stdout);
      benchmark::RunSpecifiedBenchmarks();
    }
  }
  benchmark::Shutdown();
  RemoveTree(native_root);
  return status;
}
