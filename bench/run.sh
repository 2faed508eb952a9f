#!/usr/bin/env bash
# Measures the countdown program against a minimal Qt Widgets window on a
# virtual display: start-up time, resident memory, idle CPU time and the cost
# of one timer tick. Prints a Markdown report; --write also puts it into
# docs/benchmarks.md. Not part of the tests: the figures depend on the machine.
#
#   bench/run.sh [--write] [--idle SECONDS] [--idle-runs N] [--tick SECONDS] [RUNS]
#
#   RUNS         start-ups of each program (default 10)
#   --idle       length of one idle period (default 60)
#   --idle-runs  idle periods (default 3)
#   --tick       seconds of idling under callgrind (default 10; 0 skips it)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

runs=10 idle=60 idle_runs=3 tick_seconds=10 write=0
usage() { sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 64; }
while [ $# -gt 0 ]; do
  case "$1" in
    --write) write=1 ;;
    --idle) idle=${2:?}; shift ;;
    --idle-runs) idle_runs=${2:?}; shift ;;
    --tick) tick_seconds=${2:?}; shift ;;
    -h|--help) usage ;;
    [0-9]*) runs=$1 ;;
    *) usage ;;
  esac
  shift
done
for n in "$runs" "$idle" "$idle_runs" "$tick_seconds"; do
  [[ "$n" =~ ^[0-9]+$ ]] || usage
done
[ "$runs" -ge 1 ] && [ "$idle" -ge 1 ] && [ "$idle_runs" -ge 1 ] || usage

say() { echo "bench: $*" >&2; }

# ------------------------------------------------------------ what it needs
bash scripts/install-deps.sh run display bench >&2

# ------------------------------------------------------------------- builds
build=$root/build/bench
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DYRK_TESTS=OFF >&2
cmake --build "$build" --target yoruka -j2 >&2
cmake -S "$root/bench" -B "$build/floor" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$build/floor" -j2 >&2
map_wait=$build/floor/map_wait

# ---------------------------------------------------------------- the stage
work=$(mktemp -d "${TMPDIR:-/tmp}/yoruka-bench.XXXXXX")
results=$work/results
mkdir -p "$results"
# Each program runs from its own directory: the countdown keeps yrk.ini
# beside its binary, and the settings and lock directories are private.
for prog in yoruka floor fonts_first; do
  mkdir -p "$work/$prog/config" "$work/$prog/runtime"
  chmod 700 "$work/$prog/runtime"
done
cp "$build/app/yoruka" "$work/yoruka/yoruka"
cp "$build/floor/minimal_window" "$work/floor/minimal_window"
# "fonts_first" is the floor measuring its text before it shows the window.
binary_yoruka=$work/yoruka/yoruka
binary_floor=$work/floor/minimal_window
binary_fonts_first=$work/floor/minimal_window
declare -A arguments=([yoruka]="" [floor]="" [fonts_first]="--fonts-first")

# A private font cache, the only one the programs use. A program run under
# libfaketime sees shifted directory times, finds the system's cache stale and
# rewrites it; every other program then rescans all fonts at start-up until
# the cache is rewritten again. The figures must not depend on that.
#
# The configuration is the system's but for its cache directories.
# Fontconfig checks a font folder's cache in each cache directory in turn and
# believes the last one that holds one: beside the system's own, a stale
# system cache (the font folders touched after it was made, as on a freshly
# set up machine) failed fc-cache's check of every folder, "failed to write
# cache", though our cache was good.
mkdir -p "$work/fontconfig-cache"
system_fonts_conf=/etc/fonts/fonts.conf
sed -e '/<cachedir/d' \
    -e "s|<include\([^>]*\)>\([^/~<][^<]*\)</include>|<include\1>${system_fonts_conf%/*}/\2</include>|" \
    -e "s|</fontconfig>|\t<cachedir>$work/fontconfig-cache</cachedir>\n</fontconfig>|" \
    "$system_fonts_conf" >"$work/fonts.conf"
export FONTCONFIG_FILE=$work/fonts.conf
if ! fc-cache -f >"$work/fc-cache.log" 2>&1; then
  cat "$work/fc-cache.log" >&2
  say "fc-cache could not fill the private font cache in $work/fontconfig-cache"
  exit 1
fi
# The private configuration finds the fonts the system's does: the text
# faces the program asks for, and the fallbacks.
for face in IPAPGothic IPAGothic sans-serif monospace; do
  ours=$(fc-match -f '%{file}' "$face")
  system=$(env -u FONTCONFIG_FILE fc-match -f '%{file}' "$face")
  [ "$ours" = "$system" ] && continue
  say "the private font configuration finds $ours for $face, the system's $system"
  exit 1
done
. "$root/tests/e2e/xsession.sh"
declare -A started=()   # map_wait pid -> program pid, while running
cleanup() {
  local mw
  for mw in "${!started[@]}"; do
    kill "${started[$mw]}" 2>/dev/null || true
    wait "$mw" 2>/dev/null || true
  done
  xsession_stop
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

xsession_start "" 1024x768
export QT_QPA_PLATFORM=xcb

# start PROG [WRAPPER...]: starts the program (through the wrapper, if any)
# under map_wait; sets PID, MAP_MS, PAINT_MS, MAP_CPU_MS, PAINT_CPU_MS and MW
# (map_wait's pid).
start() {
  local prog=$1 binary out
  shift
  binary=binary_$prog
  out=$work/$prog/map
  : >"$out"
  (cd "$work/$prog" &&
     XDG_CONFIG_HOME=$work/$prog/config XDG_RUNTIME_DIR=$work/$prog/runtime \
       exec "$map_wait" "$@" "${!binary}" ${arguments[$prog]} >"$out" 2>>"$work/$prog/stderr") &
  MW=$!
  # map_wait keeps its own time limit (MAP_WAIT_TIMEOUT)
  until [ -s "$out" ]; do
    # map_wait gone (a zombie until it is waited for): the program failed
    case $(sed 's/.*) //' "/proc/$MW/stat" 2>/dev/null | cut -d' ' -f1) in
      "" | Z) break ;;
    esac
    sleep 0.02
  done
  if ! read -r PID MAP_MS PAINT_MS _ MAP_CPU_MS PAINT_CPU_MS <"$out" || [ -z "${PID:-}" ]; then
    say "$prog did not show its window; its messages:"
    tail -n 20 "$work/$prog/stderr" >&2
    exit 1
  fi
  started[$MW]=$PID
}

# stop: ends the program started last by the given map_wait pid.
stop() {
  local mw=$1
  kill "${started[$mw]}" 2>/dev/null || true
  wait "$mw" 2>/dev/null || true
  unset "started[$mw]"
}

cpu_ticks() {  # utime + stime of all threads, in clock ticks
  sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}
cpu_ns() {     # run time of all threads from the scheduler, in nanoseconds
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'
}
rss_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}
now_ns() { date +%s%N; }

{
  echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "nproc=$(nproc)"
  echo "cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)"
  echo "kernel=Linux $(uname -r)"
  echo "qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
  echo "load_before=$(cut -d' ' -f1-3 /proc/loadavg)"
  echo "system_font_cache_before=$(stat -c %y /var/cache/fontconfig 2>/dev/null)"
  echo "runs=$runs"
  echo "idle_runs=$idle_runs"
  echo "idle_seconds=$idle"
} >"$results/info"

# ------------------------------------------------- start-up and memory
say "warming up"
for prog in yoruka floor fonts_first; do
  start "$prog"
  sleep 1
  stop "$MW"
done
[ -f "$work/yoruka/yrk.ini" ] || say "note: the countdown wrote no yrk.ini on its first run"

say "$runs start-ups of each program"
for i in $(seq "$runs"); do
  order="yoruka floor fonts_first"
  [ $((i % 2)) -eq 0 ] && order="fonts_first floor yoruka"
  for prog in $order; do
    start "$prog"
    echo "$prog $MAP_MS" >>"$results/startup_ms"
    echo "$prog $PAINT_MS" >>"$results/paint_ms"
    echo "$prog $MAP_CPU_MS" >>"$results/startup_cpu_ms"
    echo "$prog $PAINT_CPU_MS" >>"$results/paint_cpu_ms"
    sleep 1
    echo "$prog $(rss_kb "$PID")" >>"$results/rss_kb"
    stop "$MW"
  done
done

# --------------------------------------------------------------- idle CPU
clk_tck=$(getconf CLK_TCK)
for r in $(seq "$idle_runs"); do
  say "idle period $r of $idle_runs: $idle s"
  start yoruka; pid_y=$PID; mw_y=$MW
  start floor; pid_f=$PID; mw_f=$MW
  sleep 1
  t0=$(now_ns)
  ty0=$(cpu_ticks "$pid_y"); ny0=$(cpu_ns "$pid_y")
  tf0=$(cpu_ticks "$pid_f"); nf0=$(cpu_ns "$pid_f")
  sleep "$idle"
  ty1=$(cpu_ticks "$pid_y"); ny1=$(cpu_ns "$pid_y")
  tf1=$(cpu_ticks "$pid_f"); nf1=$(cpu_ns "$pid_f")
  t1=$(now_ns)
  stop "$mw_y"
  stop "$mw_f"
  awk -v w=$((t1 - t0)) -v hz="$clk_tck" -v y=$((ty1 - ty0)) -v f=$((tf1 - tf0)) \
    'BEGIN { printf "yoruka %.6f\nfloor %.6f\n", 100 * y / hz * 1e9 / w, 100 * f / hz * 1e9 / w }' \
    >>"$results/idle_cpu_stat_pct"
  awk -v w=$((t1 - t0)) -v y=$((ny1 - ny0)) -v f=$((nf1 - nf0)) \
    'BEGIN { printf "yoruka %.6f\nfloor %.6f\n", 100 * y / w, 100 * f / w }' \
    >>"$results/idle_cpu_sched_pct"
done

# ------------------------------------------------------------ timer tick
if [ "$tick_seconds" -gt 0 ]; then
  say "the countdown under callgrind: start-up, then $tick_seconds s of idling"
  cg=$work/callgrind.out
  export MAP_WAIT_TIMEOUT=300   # a start-up under valgrind takes half a minute
  start yoruka valgrind --tool=callgrind --callgrind-out-file="$cg"
  unset MAP_WAIT_TIMEOUT
  sleep 2   # the first paint is over
  callgrind_control -z "$PID" >&2
  sleep "$tick_seconds"
  callgrind_control -d "$PID" >&2
  stop "$MW"
  if [ -s "$cg.1" ]; then
    { python3 "$root/bench/analyse.py" tick "$cg.1"; echo "seconds=$tick_seconds"; } >"$results/tick"
  else
    say "callgrind wrote no dump of the idle period"
  fi
fi

{
  echo "load_after=$(cut -d' ' -f1-3 /proc/loadavg)"
  echo "system_font_cache_after=$(stat -c %y /var/cache/fontconfig 2>/dev/null)"
} >>"$results/info"

python3 "$root/bench/analyse.py" report "$results" >"$work/report.md"
cat "$work/report.md"
if [ "$write" -eq 1 ]; then
  cp "$work/report.md" "$root/docs/benchmarks.md"
  say "written to docs/benchmarks.md"
fi
