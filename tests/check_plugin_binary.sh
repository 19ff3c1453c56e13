#!/usr/bin/env bash
# Checks a built plugin library's binary interface.
#   check_plugin_binary.sh linux   LIB export...   exactly these dynamic symbols are defined
#   check_plugin_binary.sh windows LIB export...   a PE32 i686 DLL exporting exactly these
#                                                  undecorated names and importing only system DLLs
set -euo pipefail
kind=$1 lib=$2
shift 2
expected=$(printf '%s\n' "$@" | sort)

if [ "$kind" = linux ]; then
  actual=$(nm -D --defined-only "$lib" | awk '{print $3}' | sort)
  if [ "$actual" != "$expected" ]; then
    echo "defined dynamic symbols differ:"; diff <(echo "$expected") <(echo "$actual") || true; exit 1
  fi
else
  dump=$(i686-w64-mingw32-objdump -p "$lib")
  file -b "$lib" | grep -q 'PE32 executable (DLL).*Intel 80386' || { echo "not a PE32 i686 DLL: $(file -b "$lib")"; exit 1; }
  actual=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s*\[ *[0-9]+\] ' | awk '{print $NF}' | sort)
  if [ "$actual" != "$expected" ]; then
    echo "exports differ:"; diff <(echo "$expected") <(echo "$actual") || true; exit 1
  fi
  system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msvcrt|ntdll|shlwapi|uxtheme)\.dll$'
  imports=$(echo "$dump" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
  bad=$(echo "$imports" | grep -vE "$system_dlls" || true)
  [ -z "$bad" ] || { echo "imports non-system DLLs: $bad"; exit 1; }
fi
echo "ok: $lib"
