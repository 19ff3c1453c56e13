#!/usr/bin/env bash
# The main job: installs what the builds need, builds the release plugins, stand-in host
# libraries and tools for Linux and Windows into dist/, and runs the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/env.sh
jobs=$(nproc)

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j "$jobs" --target launcher_plugin hostcli_stub qfp quillon_demo
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release -j "$jobs" --target launcher_plugin hostcli_stub qfp

rm -rf dist
mkdir -p dist/linux dist/windows
cp build/linux-release/bin/CP-Quillon反作弊.so build/linux-release/bin/LIB-hostcli.so dist/linux/
cp build/mingw-release/bin/CP-Quillon反作弊.dll build/mingw-release/bin/LIB-hostcli.dll dist/windows/
for tool in qfp; do
  [ -f "build/linux-release/bin/$tool" ] && cp "build/linux-release/bin/$tool" dist/linux/
  [ -f "build/mingw-release/bin/$tool.exe" ] && cp "build/mingw-release/bin/$tool.exe" dist/windows/
done
cp build/linux-release/bin/quillon_demo dist/linux/

echo "== Built"
ls -l dist/linux dist/windows
echo
echo "== Demo"
LD_LIBRARY_PATH="$PWD/dist/linux" dist/linux/quillon_demo demo/sample_client build/demo
