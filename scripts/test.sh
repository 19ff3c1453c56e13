#!/usr/bin/env bash
# Runs every test: the native test program under the address and undefined-behaviour
# sanitizers, the cross-compiled Windows test program under Wine (ANSI code page 936), the
# export/import checks of the built libraries, and a replay of the fuzz corpora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/env.sh
jobs=$(nproc)

echo "== Linux (address, undefined)"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan -j "$jobs"
ctest --test-dir build/linux-asan --output-on-failure

echo "== Linux (thread sanitizer, shared-state tests)"
cmake --preset linux-tsan >/dev/null
cmake --build --preset linux-tsan -j "$jobs" --target quillon_tests launcher_plugin hostcli_stub
ctest --test-dir build/linux-tsan --output-on-failure

echo "== Windows i686 under Wine"
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release -j "$jobs"
LANG=zh_CN.UTF-8 xvfb-run -a ctest --test-dir build/mingw-release --output-on-failure

echo "== Fuzz corpus replay"
cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz -j "$jobs"
shopt -s nullglob
for fuzzer in build/linux-fuzz/bin/*_fuzz; do
  name=$(basename "$fuzzer")
  corpus=(fuzz/corpus/"$name"/*)
  [ ${#corpus[@]} -gt 0 ] || continue
  "$fuzzer" "${corpus[@]}" >/dev/null 2>&1 || { echo "fuzz replay failed: $name"; "$fuzzer" "${corpus[@]}"; exit 1; }
  echo "$name: ${#corpus[@]} inputs replayed"
done
echo "All test suites passed."
