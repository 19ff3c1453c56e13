# Environment shared by the project's scripts: the Wine prefix and its settings.
export WINEPREFIX="${WINEPREFIX:-${HOME:-/root}/.wine-quillon}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export TZ="${TZ:-Asia/Shanghai}"
