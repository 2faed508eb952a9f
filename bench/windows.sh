#!/usr/bin/env bash
# Measures the Windows build under Wine on a virtual display: the size of
# yoruka.exe, the DLLs it imports (no Qt, no C++ runtime DLLs: it is linked
# statically) and its start-up time against a minimal Win32 window
# (bench/minimal_window_win32.c). Prints a Markdown report; --write also puts
# it into docs/benchmarks.md as the section "The Windows build under Wine".
# Not part of the tests: the figures depend on the machine.
#
#   bench/windows.sh [--write] [--build DIR] [RUNS]
#
#   RUNS     start-ups of each program (default 10)
#   --build  the Windows build directory (default build/win)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

runs=10 write=0 build=$root/build/win
usage() { sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 64; }
while [ $# -gt 0 ]; do
  case "$1" in
    --write) write=1 ;;
    --build) build=$(realpath -m "${2:?}"); shift ;;
    -h|--help) usage ;;
    [0-9]*) runs=$1 ;;
    *) usage ;;
  esac
  shift
done
[[ "$runs" =~ ^[0-9]+$ ]] && [ "$runs" -ge 1 ] || usage

say() { echo "bench: $*" >&2; }
wine=/usr/lib/wine/wine64
objdump=x86_64-w64-mingw32-objdump

# ------------------------------------------------------------------- builds
exe=$build/app/yoruka.exe
if [ ! -f "$exe" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release --toolchain cmake/mingw-w64.cmake >&2
  cmake --build "$build" --target yoruka -j2 >&2
fi
# map_wait as bench/run.sh builds it; only that target, no Qt program.
floor_build=$root/build/bench/floor
cmake -S "$root/bench" -B "$floor_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$floor_build" --target map_wait >&2
map_wait=$floor_build/map_wait

work=$(mktemp -d "${TMPDIR:-/tmp}/yoruka-bench-win.XXXXXX")
mkdir -p "$work/yoruka" "$work/floor"
# The program as the ZIP ships it (stripped), in a directory of its own: it
# writes yrk.ini beside itself.
x86_64-w64-mingw32-strip -o "$work/yoruka/yoruka.exe" "$exe"
x86_64-w64-mingw32-gcc -O2 -municode -mwindows -static \
  -o "$work/floor/minimal_window.exe" "$root/bench/minimal_window_win32.c"

# ------------------------------------------------------ size and imports
size=$(stat -c %s "$exe")
size_stripped=$(stat -c %s "$work/yoruka/yoruka.exe")
size_floor=$(stat -c %s "$work/floor/minimal_window.exe")
dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -f)
qt_dlls=$(grep -ciE '^(qt|libstdc|libgcc|libwinpthread)' <<<"$dlls" || true)
# ASCII and UTF-16 strings alike: a Qt inside would leave its class names.
qt_strings=$({ strings -a "$exe"; strings -a -el "$exe"; } | grep -cE 'QObject|QWidget|QApplication|qt_|Qt6' || true)

# ---------------------------------------------------------------- the stage
. "$root/tests/e2e/xsession.sh"
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all LANG=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
MW="" PID=""
cleanup() {
  [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null
  [ -n "$MW" ] && wait "$MW" 2>/dev/null
  wineserver -k 2>/dev/null || true
  xsession_stop
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
xsession_start "" 1024x768

# The prefix as the tests make it (fonts, colours); its first start is slow.
say "making the Wine prefix"
bash "$root/tests/support/wine-prefix.sh" >&2
# A persistent wineserver, so every start finds it running, as on a desktop
# where Wine is in use.
wineserver -p

# start PROG: starts PROG's exe under Wine and map_wait; sets PID, MAP_MS,
# PAINT_MS, MAP_CPU_MS, PAINT_CPU_MS and MW (map_wait's pid).
start() {
  local prog=$1 out=$work/$1.map
  local binary=$work/$prog/$( [ "$prog" = yoruka ] && echo yoruka.exe || echo minimal_window.exe )
  rm -f "$work/$prog/yrk.ini"   # every start is a first start
  : >"$out"
  (cd "$work/$prog" && exec "$map_wait" "$wine" "$binary" >"$out" 2>>"$work/$prog.stderr") &
  MW=$!
  until [ -s "$out" ]; do
    kill -0 "$MW" 2>/dev/null || break
    sleep 0.02
  done
  if ! read -r PID MAP_MS PAINT_MS _ MAP_CPU_MS PAINT_CPU_MS <"$out" || [ -z "${PID:-}" ]; then
    say "$prog did not show its window; its messages:"
    tail -n 20 "$work/$prog.stderr" >&2
    exit 1
  fi
}
# stop: ends the program started last. KILL: no exit code runs, so nothing
# (yrk.ini) is written while the next program starts.
stop() {
  kill -KILL "$PID" 2>/dev/null || true
  wait "$MW" 2>/dev/null || true
  PID="" MW=""
}

say "warming up"
for prog in yoruka floor; do
  start "$prog"
  sleep 1
  stop
done

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
say "$runs start-ups of each program"
: >"$work/results"
for i in $(seq "$runs"); do
  order="yoruka floor"
  [ $((i % 2)) -eq 0 ] && order="floor yoruka"
  for prog in $order; do
    start "$prog"
    echo "$prog $MAP_MS $PAINT_MS $MAP_CPU_MS $PAINT_CPU_MS" >>"$work/results"
    sleep 1
    stop
  done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# ---------------------------------------------------------------- report
# summary PROG COLUMN: "median (min–max)" of one column of the results.
summary() {
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$work/results" | sort -g | awk '
    { v[NR] = $1 }
    END {
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%.1f (%.1f–%.1f)\n", m, v[1], v[NR]
    }'
}
ratio() {
  awk -v a="${1%% *}" -v b="${2%% *}" 'BEGIN { printf "%.2f×\n", a / b }'
}
row() {  # row LABEL COLUMN
  local y f
  y=$(summary yoruka "$2") f=$(summary floor "$2")
  echo "| $1 | $y | $f | $(ratio "$y" "$f") |"
}
grouped() { sed ':a; s/\B[0-9]\{3\}\>/,&/; ta' <<<"$1"; }

{
  echo "## The Windows build under Wine"
  echo
  echo "\`yoruka.exe\` (mingw-w64, Release, linked statically) under Wine on Xvfb, against a floor: \`bench/minimal_window_win32.c\`, a window of the same client area (225 × 63) registered, created, shown and filled with plain Win32 calls. Rerun with \`bench/windows.sh --write\`."
  echo
  echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "- Machine: $(nproc) cores, $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo | awk '{ print $1, $2 }'), Linux $(uname -r); load average $load_before before, $load_after after"
  echo "- $("$wine" --version), Xvfb 1024×768×24 without a window manager; $(x86_64-w64-mingw32-gcc --version | head -n 1)"
  echo "- Runs: $runs start-ups of each program, in alternating order; every figure is the median, the range is min–max"
  echo
  echo "| File | bytes |"
  echo "|---|---:|"
  echo "| \`yoruka.exe\` as built | $(grouped "$size") |"
  echo "| \`yoruka.exe\` stripped (\`x86_64-w64-mingw32-strip\`), as in the ZIP and as measured below | $(grouped "$size_stripped") |"
  echo "| the floor, \`-O2 -static\` | $(grouped "$size_floor") |"
  echo
  echo "DLLs \`yoruka.exe\` imports (\`x86_64-w64-mingw32-objdump -p\`): $(echo $dlls | sed 's/ /, /g'). Qt, libstdc++, libgcc or winpthread DLLs among them: $qt_dlls. Strings naming Qt (\`QObject\`, \`QWidget\`, \`QApplication\`, \`qt_\`, \`Qt6\`; ASCII and UTF-16) in the file: $qt_strings."
  echo
  echo "| Start-up | yoruka.exe | floor | ratio |"
  echo "|---|---:|---:|---:|"
  row "exec of wine64 to window mapped (ms)" 2
  row "exec of wine64 to first drawing in the window (ms)" 3
  row "CPU time of the process to the map (ms)" 4
  row "CPU time of the process to the first drawing (ms)" 5
  echo
  echo "How the figures are taken (\`bench/windows.sh\`):"
  echo
  echo "- \`bench/map_wait\` (built as \`bench/run.sh\` builds it) starts \`$wine PROGRAM.exe\` and reports the time to the first map of a top-level X window and to the first drawing into it (the first XDamage report). Wine maps each program window as a top-level X window of its own; without a window manager it is a child of the root, and the first one mapped is the program's main window. The CPU time is the Wine process's own (all threads); the wineserver's and Wine's helper processes' are not in it."
  echo "- Environment: a private prefix made once by \`tests/support/wine-prefix.sh\` (as the tests' prefix), \`WINEDEBUG=-all\`, \`LANG=ja_JP.UTF-8\`, \`WINEDLLOVERRIDES=mscoree,mshtml=\`. The wineserver is started persistent (\`wineserver -p\`) and one unmeasured warm-up run of each program comes first, so no figure contains the prefix's first start."
  echo "- Each program runs from a copy in a directory of its own (\`yoruka.exe\` stripped, as the ZIP ships it); the countdown's yrk.ini is deleted before each start, so every start is a first start. A program is ended with SIGKILL 1 s after its window shows."
  echo "- The machine is shared with other builds, so single runs are noisy; the medians are what to compare."
} >"$work/report.md"

cat "$work/report.md"
if [ "$write" -eq 1 ]; then
  doc=$root/docs/benchmarks.md
  # The rest of the page stays: everything before the section, and any
  # section after it.
  awk -v report="$work/report.md" '
    /^## The Windows build under Wine$/ { skip = 1; while ((getline line < report) > 0) print line; next }
    skip && /^## / { skip = 0; print "" }
    !skip { print }' "$doc" >"$work/doc.md"
  if ! grep -q '^## The Windows build under Wine$' "$doc"; then
    { echo; cat "$work/report.md"; } >>"$work/doc.md"
  fi
  cp "$work/doc.md" "$doc"
  say "written to docs/benchmarks.md"
fi
