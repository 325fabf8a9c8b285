#!/bin/bash
# Runs a Windows program of the cross build under Wine, in a Wine prefix of its own:
#   scripts/wine-run.sh [--prefix DIR] [--path DIR]... PROGRAM.exe [ARGUMENTS...]
# Suits CMAKE_CROSSCOMPILING_EMULATOR (a list: "wine-run.sh;--prefix;<build>/wine").
# The prefix (default $ZOZAVUD_WINEPREFIX, else <cache>/wine) is created on first use, set
# to Windows 10 and with Wine's Tahoma in its Fonts folder; a half-made one is made again.
# DLLs are looked up beside the program, in each --path folder, in the Qt and GoogleTest of
# scripts/build-windows-qt.sh and in the mingw runtime. With no X display and no
# QT_QPA_PLATFORM, Qt draws offscreen.
# The program's exit status is this script's.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
CACHE=${ZOZAVUD_CACHE:-$HOME/.cache/zozavud}
WINE_DIR=/usr/lib/wine
PREFIX=${ZOZAVUD_WINEPREFIX:-$CACHE/wine}
DLL_DIRS=()

while [ $# -gt 0 ]; do
  case $1 in
    --prefix) PREFIX=$2; shift 2 ;;
    --path) DLL_DIRS+=("$2"); shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--prefix DIR] [--path DIR]... PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi

export WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
WINEPREFIX=$(mkdir -p "$PREFIX" && cd "$PREFIX" && pwd)
# No Mono or Gecko install prompts: nothing here needs .NET or the HTML engine.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Makes the prefix once; concurrent callers wait for the first. A folder that holds other
# things than a Wine prefix is left alone.
ensure_prefix() {
  local ready=$WINEPREFIX/.zozavud-ready start
  [ -f "$ready" ] && return 0
  exec 8>"$WINEPREFIX.lock"
  flock 8
  if [ ! -f "$ready" ]; then
    if [ -n "$(ls -A "$WINEPREFIX")" ] && [ ! -e "$WINEPREFIX/system.reg" ]; then
      echo "$WINEPREFIX is not empty and not a Wine prefix: not using it" >&2
      exit 2
    fi
    start=$(date +%s%N)
    find "$WINEPREFIX" -mindepth 1 -delete
    DISPLAY='' "$WINE_DIR/wine64" wineboot -i >/dev/null 2>&1
    # Qt 6 is made for Windows 10 and later; Wine's new prefixes say Windows 7.
    DISPLAY='' "$WINE_DIR/wine64" winecfg /v win10 >/dev/null 2>&1
    "$WINE_DIR/wineserver" -w
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$ready"
    local ms=$((($(date +%s%N) - start) / 1000000))
    printf 'wine prefix %s created in %d.%03d s\n' "$WINEPREFIX" $((ms / 1000)) $((ms % 1000)) >&2
  fi
  exec 8>&-
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

dll_path() {
  local dirs=("$(cd "$(dirname "$1")" && pwd)" "${DLL_DIRS[@]}") prefixes p out=""
  if prefixes=$("$ROOT/scripts/build-windows-qt.sh" --prefixes 2>/dev/null); then
    IFS=';' read -ra p <<<"$prefixes"
    for prefix in "${p[@]}"; do dirs+=("$prefix/bin"); done
  fi
  dirs+=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
  for d in "${dirs[@]}"; do
    [ -d "$d" ] && out+="${out:+;}$(windows_path "$d")"
  done
  printf '%s' "$out"
}

ensure_prefix
WINEPATH=$(dll_path "$1")
export WINEPATH
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
exec "$WINE_DIR/wine64" "$@"
