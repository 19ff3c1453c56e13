#!/usr/bin/env bash
# Brings a fresh Debian 12 machine (root) to everything the builds and tests need.
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config file binutils
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  clang libclang-rt-14-dev
  wine wine32:i386 xvfb xauth locales
)

need_install=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_install=1
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    need_install=1
    break
  fi
done

if [ "$need_install" = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${packages[@]}"
fi

# The MinGW compilers must use the posix thread model (std::thread, std::mutex).
for tool in i686-w64-mingw32-g++ i686-w64-mingw32-gcc; do
  if [ -x "/usr/bin/$tool-posix" ] && [ "$(readlink -f /usr/bin/$tool)" != "$(readlink -f /usr/bin/$tool-posix)" ]; then
    update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null
  fi
done

# zh_CN.UTF-8 makes Wine's ANSI code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# A Wine prefix made without installer dialogs.
export WINEPREFIX="${WINEPREFIX:-${HOME:-/root}/.wine-quillon}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEARCH=win32 LANG=zh_CN.UTF-8 wineboot -u >/dev/null 2>&1 || true
  wineserver -w || true
fi
echo "install-deps: ready"
