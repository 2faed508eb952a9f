#!/usr/bin/env python3
"""Turns the raw samples of bench/run.sh into figures and a Markdown report.

  analyse.py tick CALLGRIND_OUT      the timer tick, read from a callgrind dump
                                     of an idle period (printed as key=value)
  analyse.py report RESULTS_DIR      the Markdown report for one bench run
"""
import re
import statistics
import sys
from collections import defaultdict
from pathlib import Path

TICK_HANDLER = "CMainDlg::OnTimer("
PAINT_HANDLER = "CMainDlg::OnPaint("
# Entries into the allocator. Any of these reached from the tick handler
# means the tick allocates.
ALLOCATORS = re.compile(
    r"^(malloc|calloc|realloc|reallocarray|posix_memalign|aligned_alloc|memalign|valloc"
    r"|g_malloc\w*|g_realloc\w*|g_slice_alloc\w*"
    r"|operator new(\[\])?\(.*|_Zn[wa]m\w*)$")
# Reads of the clock, as they appear under valgrind (no vDSO there).
CLOCK_READS = re.compile(
    r"^(time|time_syscall|__time\w*|clock_gettime|__clock_gettime\w*|gettimeofday|__gettimeofday\w*"
    r"|__vdso_\w+)$")
# Anything that draws: our paint handler and the start of any painter.
PAINTERS = re.compile(r"^(CMainDlg::OnPaint\(|QPainter::begin\(|QPainter::QPainter\()")


class CallgrindDump:
    """The part of a callgrind output file that the tick figures need: the
    functions, their self cost and the call arcs between them, with call
    counts and inclusive costs. Only the first event (Ir) is kept."""

    def __init__(self, text):
        self.names = {}                               # id -> function name
        self.self_cost = defaultdict(int)             # id -> Ir
        self.arcs = defaultdict(lambda: [0, 0])       # (caller, callee) -> [calls, inclusive Ir]
        self.total = 0
        self._parse(text.splitlines())

    def _function(self, text):
        # "(id) name" defines a compressed name, "(id)" refers to it, and a
        # bare name is used as its own id.
        m = re.match(r"\((\d+)\)\s*(.*)$", text)
        if not m:
            self.names.setdefault(text, text)
            return text
        fid, name = m.group(1), m.group(2)
        if name:
            self.names[fid] = name
        return fid

    @staticmethod
    def _event(line):
        # A cost line: position(s) then events; a missing event counts 0.
        fields = line.split()
        return int(fields[1]) if len(fields) > 1 else 0

    def _parse(self, lines):
        current = None
        callee = None
        pending_calls = None
        for line in lines:
            if not line or line.startswith("#"):
                continue
            if pending_calls is not None:
                # The line after "calls=" holds the inclusive cost of those calls.
                arc = self.arcs[(current, callee)]
                arc[0] += pending_calls
                arc[1] += self._event(line)
                pending_calls = None
                continue
            if line.startswith("fn="):
                current = self._function(line[3:])
            elif line.startswith("cfn="):
                callee = self._function(line[4:])
            elif line.startswith("calls="):
                pending_calls = int(line[6:].split()[0])
            elif line.startswith("summary:"):
                self.total = int(line.split(":", 1)[1].split()[0])
            elif line[0].isdigit() or line[0] in "+-*":
                if current is not None:
                    self.self_cost[current] += self._event(line)
            # every other line (ob=, fl=, fi=, fe=, cob=, cfi=, jump=, headers) is not needed

    def ids_named(self, prefix):
        return [fid for fid, name in self.names.items() if name.startswith(prefix)]

    def name(self, fid):
        return self.names.get(fid, fid)

    def calls_into(self, fids):
        """Calls and inclusive cost of all calls into the given functions."""
        wanted = set(fids)
        calls = cost = 0
        for (caller, callee), (n, c) in self.arcs.items():
            if callee in wanted and caller not in wanted:
                calls += n
                cost += c
        return calls, cost

    def reachable(self, roots):
        """Every function called, directly or not, from the roots during the
        dump. The call graph does not tell contexts apart, so this may hold
        more than the roots really reached, never less."""
        callees = defaultdict(set)
        for (caller, callee), (n, _) in self.arcs.items():
            if n > 0:
                callees[caller].add(callee)
        seen, todo = set(roots), list(roots)
        while todo:
            for nxt in callees[todo.pop()]:
                if nxt not in seen:
                    seen.add(nxt)
                    todo.append(nxt)
        return seen

    def calls_within(self, roots, pattern):
        """Calls into functions whose name matches pattern, made from inside
        what the roots reach: {name: calls}."""
        inside = self.reachable(roots)
        found = defaultdict(int)
        for (caller, callee), (n, _) in self.arcs.items():
            if n > 0 and caller in inside and pattern.match(self.name(callee)):
                found[self.name(callee)] += n
        return dict(found)


def tick_figures(text):
    dump = CallgrindDump(text)
    handler = dump.ids_named(TICK_HANDLER)
    ticks, handler_cost = dump.calls_into(handler)
    painters = defaultdict(int)
    for (caller, callee), (n, _) in dump.arcs.items():
        if PAINTERS.match(dump.name(callee)):
            painters[dump.name(callee)] += n
    return {
        "ticks": ticks,
        "handler_ir": handler_cost,
        "process_ir": dump.total,
        "allocations": dump.calls_within(handler, ALLOCATORS),
        "clock_reads": sum(dump.calls_within(handler, CLOCK_READS).values()),
        "paints": dump.calls_into(dump.ids_named(PAINT_HANDLER))[0],
        "painters": dict(painters),
        "tick_functions": sorted(dump.name(f) for f in dump.reachable(handler)),
    }


def print_tick(path):
    f = tick_figures(Path(path).read_text(errors="replace"))
    print(f"ticks={f['ticks']}")
    print(f"handler_ir={f['handler_ir']}")
    print(f"process_ir={f['process_ir']}")
    print("allocations=" + ",".join(f"{k}:{v}" for k, v in sorted(f["allocations"].items())))
    print(f"clock_reads={f['clock_reads']}")
    print(f"paints={f['paints']}")
    print("painters=" + ",".join(f"{k}:{v}" for k, v in sorted(f["painters"].items())))
    print("tick_functions=" + " | ".join(f["tick_functions"]))


# ---------------------------------------------------------------- the report

def read_key_values(path):
    values = {}
    if path.exists():
        for line in path.read_text().splitlines():
            if "=" in line:
                key, value = line.split("=", 1)
                values[key.strip()] = value.strip()
    return values


def read_samples(path):
    """Rows of "program value" -> {program: [values]}."""
    samples = defaultdict(list)
    if path.exists():
        for line in path.read_text().splitlines():
            fields = line.split()
            if len(fields) == 2:
                samples[fields[0]].append(float(fields[1]))
    return samples


def median(values):
    return statistics.median(values) if values else None


def spread(values, digits=1):
    return f"{min(values):,.{digits}f}–{max(values):,.{digits}f}" if values else "–"


def fmt(value, digits=1):
    return "–" if value is None else f"{value:,.{digits}f}"


def ratio(a, b, digits=2):
    if a is None or b is None or b == 0:
        return "–"
    return f"{a / b:.{digits}f}×"


def verdict(ok):
    return "met" if ok else "**missed**"


def report(results):
    results = Path(results)
    info = read_key_values(results / "info")
    startup = read_samples(results / "startup_ms")
    # -1: the window was never drawn into within map_wait's time limit
    paint = {k: [v for v in vs if v >= 0] for k, vs in read_samples(results / "paint_ms").items()}
    startup_cpu = read_samples(results / "startup_cpu_ms")
    paint_cpu = {k: [v for v in vs if v >= 0] for k, vs in read_samples(results / "paint_cpu_ms").items()}
    rss = read_samples(results / "rss_kb")
    cpu_stat = read_samples(results / "idle_cpu_stat_pct")
    cpu_sched = read_samples(results / "idle_cpu_sched_pct")
    tick = read_key_values(results / "tick")
    p, f, ff = "yoruka", "floor", "fonts_first"

    lines = []
    add = lines.append
    add("# Benchmarks")
    add("")
    add("The countdown program (`yoruka`, Release build) against a floor: "
        "`bench/minimal_window`, the least a Qt Widgets program does to show a "
        "window of the same client area (225 × 63) with one Japanese label. "
        "Rerun with `bench/run.sh --write` (see the end of this page). The targets: start-up "
        "within 1.2× and resident memory within 1.15× of the floor, a timer tick that reads the "
        "clock once and neither paints nor allocates, idle CPU time under 0.05 % of wall time.")
    add("")
    add(f"- Date: {info.get('date', '?')}")
    add(f"- Machine: {info.get('nproc', '?')} cores, {info.get('cpu', '?')}, "
        f"{info.get('kernel', '?')}; load average {info.get('load_before', '?')} before, "
        f"{info.get('load_after', '?')} after")
    add(f"- Qt {info.get('qt', '?')}, Xvfb 1024×768×24 without a window manager")
    if info.get("system_font_cache_before") != info.get("system_font_cache_after"):
        add("- The system's font cache was rewritten during the run (by some other program); "
            "the private font cache kept these figures apart from that")
    add(f"- Runs: {info.get('runs', '?')} start-ups of each program (the countdown, the floor "
        f"and the floor with `--fonts-first`, in alternating order), "
        f"{info.get('idle_runs', '?')} idle period(s) of {info.get('idle_seconds', '?')} s "
        f"with both programs running; every figure is the median, the range is min–max")
    add("")
    s_p, s_f = median(startup.get(p)), median(startup.get(f))
    d_p, d_f = median(paint.get(p)), median(paint.get(f))
    m_p, m_f = median(rss.get(p)), median(rss.get(f))
    c_p, c_f = median(cpu_stat.get(p)), median(cpu_stat.get(f))
    k_p, k_f = median(cpu_sched.get(p)), median(cpu_sched.get(f))
    add("| Metric | yoruka | floor | ratio | target | result |")
    add("|---|---:|---:|---:|---|---|")
    add(f"| start-up: exec to window mapped (ms) | {fmt(s_p)} ({spread(startup.get(p, []))}) "
        f"| {fmt(s_f)} ({spread(startup.get(f, []))}) | {ratio(s_p, s_f)} | ≤ 1.2× floor "
        f"| {verdict(s_p is not None and s_f and s_p <= 1.2 * s_f)} |")
    if d_p is not None:
        add(f"| start-up: exec to first drawing in the window (ms) | {fmt(d_p)} ({spread(paint.get(p, []))}) "
            f"| {fmt(d_f)} ({spread(paint.get(f, []))}) | {ratio(d_p, d_f)} | – "
            f"| {'within 1.2×' if d_f and d_p <= 1.2 * d_f else 'beyond 1.2×'} |")
    for label, samples in (("start-up: CPU time of the program to the map (ms)", startup_cpu),
                           ("start-up: CPU time of the program to the first drawing (ms)", paint_cpu)):
        a, b = median(samples.get(p)), median(samples.get(f))
        if a is not None:
            add(f"| {label} | {fmt(a)} ({spread(samples.get(p, []))}) | {fmt(b)} ({spread(samples.get(f, []))}) "
                f"| {ratio(a, b)} | – | {'within 1.2×' if b and a <= 1.2 * b else 'beyond 1.2×'} |")
    add(f"| resident memory 1 s after the map, VmRSS (KiB) | {fmt(m_p, 0)} ({spread(rss.get(p, []), 0)}) "
        f"| {fmt(m_f, 0)} ({spread(rss.get(f, []), 0)}) | {ratio(m_p, m_f, 3)} | ≤ 1.15× floor "
        f"| {verdict(m_p is not None and m_f and m_p <= 1.15 * m_f)} |")
    add(f"| idle CPU, utime+stime / wall (%) | {fmt(c_p, 4)} | {fmt(c_f, 4)} | – | < 0.05 % "
        f"| {verdict(c_p is not None and c_p < 0.05)} |")
    add(f"| idle CPU, scheduler run time / wall (%) | {fmt(k_p, 4)} | {fmt(k_f, 4)} | – | < 0.05 % "
        f"| {verdict(k_p is not None and k_p < 0.05)} |")
    if tick:
        ticks = int(tick.get("ticks", 0) or 0)
        handler = int(tick.get("handler_ir", 0) or 0)
        process = int(tick.get("process_ir", 0) or 0)
        allocs = tick.get("allocations", "")
        paints = int(tick.get("paints", 0) or 0)
        painters = tick.get("painters", "")
        reads = int(tick.get("clock_reads", 0) or 0)
        per_tick = handler / ticks if ticks else None
        per_tick_all = process / ticks if ticks else None
        add(f"| timer tick, `CMainDlg::OnTimer` inclusive (instructions) | {fmt(per_tick, 0)} | – | – "
            f"| – | {ticks} ticks in {tick.get('seconds', '?')} s |")
        add(f"| clock reads per tick | {fmt(reads / ticks if ticks else None, 2)} | – | – | 1 "
            f"| {verdict(ticks > 0 and reads == ticks)} |")
        add(f"| timer tick, whole process incl. event loop (instructions) | {fmt(per_tick_all, 0)} | – | – | – | |")
        add(f"| allocations inside a tick | {allocs or 'none'} | – | – | none "
            f"| {verdict(ticks > 0 and not allocs)} |")
        add(f"| paints while idle (`CMainDlg::OnPaint`; painters started) | {paints}; "
            f"{painters or 'none'} | – | – | none | {verdict(ticks > 0 and paints == 0 and not painters)} |")
    add("")
    add("How each figure is taken (`bench/run.sh`):")
    add("")
    add("- Start-up: `bench/map_wait` watches the root window for MapNotify, forks and execs "
        "the program and prints the monotonic time to the first map of a top-level window, "
        "and to the first drawing into it (the first XDamage report on that window; Qt's "
        "windows have no server-drawn background, so that is the program's first paint "
        "reaching the screen). At both events it also reads the program's CPU time so far "
        "(all threads, /proc/PID/task/*/schedstat), which depends far less on the machine's "
        "load than the elapsed time. "
        "One unmeasured warm-up run of each program comes first (page cache, font cache, "
        "and the countdown's yrk.ini, which it writes on exit).")
    add("- Memory: VmRSS from /proc/PID/status 1 s after the map, in the same runs.")
    add("- Idle CPU: both programs started, 1 s to settle, then utime+stime from /proc/PID/stat "
        "(10 ms clock ticks) and the sum of the threads' run time from /proc/PID/task/*/schedstat "
        "(nanoseconds) before and after the idle period, as a share of wall time.")
    add("- Timer tick: the countdown under `valgrind --tool=callgrind` on Xvfb; 2 s after its "
        "window is mapped the counters are zeroed (`callgrind_control -z`), after the idle "
        "period they are dumped. Instructions per tick are the inclusive cost of the calls to "
        "`CMainDlg::OnTimer` over their count; the whole-process figure is every instruction "
        "of the idle period over the same count. Allocations are calls to malloc/operator new "
        "and kin from anything the tick handler reaches; paints are calls to `CMainDlg::OnPaint` "
        "and to the start of any QPainter during the idle period.")
    add("- Each run uses a copy of the binary in a temporary directory (its yrk.ini goes beside "
        "it) and temporary XDG_CONFIG_HOME and XDG_RUNTIME_DIR; nothing is written into the tree. "
        "Fontconfig reads a private font cache, filled by `fc-cache` before the runs, instead of "
        "the system's: a program started under libfaketime finds the system's cache stale "
        "(its directory times look shifted) and rewrites it, after which every other program "
        "rescans all fonts at start-up until the cache is rewritten again.")
    add("- The machine is shared with other builds and tests, so single runs are noisy; "
        "the medians are what to compare.")
    s_ff, d_ff = median(startup.get(ff)), median(paint.get(ff))
    if s_ff is not None:
        add("")
        add("Start-up against the floor started with `--fonts-first`, which measures its label's "
            "text before it shows the window (so Qt loads fontconfig's configuration and the font "
            "database before the map, not at the first paint):")
        add("")
        add("| Metric | yoruka | floor, fonts first | ratio |")
        add("|---|---:|---:|---:|")
        add(f"| exec to window mapped (ms) | {fmt(s_p)} | {fmt(s_ff)} ({spread(startup.get(ff, []))}) "
            f"| {ratio(s_p, s_ff)} |")
        add(f"| exec to first drawing (ms) | {fmt(d_p)} | {fmt(d_ff)} ({spread(paint.get(ff, []))}) "
            f"| {ratio(d_p, d_ff)} |")
        for label, samples in (("CPU time to the map (ms)", startup_cpu),
                               ("CPU time to the first drawing (ms)", paint_cpu)):
            a, b = median(samples.get(p)), median(samples.get(ff))
            if a is not None:
                add(f"| {label} | {fmt(a)} | {fmt(b)} ({spread(samples.get(ff, []))}) | {ratio(a, b)} |")
        add("")
        add("The countdown lays its window out in dialog units, which come from its dialog font's "
            "metrics, so it must load the fonts before it can size and map the window; the plain "
            "floor maps first and loads them for its first paint. The time to the first drawing, "
            "when the window shows something, includes the font loading for both.")
    if tick.get("tick_functions"):
        add("")
        add("Functions a tick reaches (from the call graph of the idle period):")
        add("")
        for name in tick["tick_functions"].split(" | "):
            add(f"- `{name}`")
    add("")
    add("Rerun: `bench/run.sh [--write] [--idle SECONDS] [--idle-runs N] [--tick SECONDS] [RUNS]` "
        "(defaults: 60 s idle, 3 idle periods, 10 s under callgrind, 10 runs). "
        "`bench/run.sh --idle 5 --idle-runs 1 3` is a quick check. "
        "The report's own checks: `python3 -m unittest bench/test_analyse.py`.")
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) == 3 and argv[1] == "tick":
        print_tick(argv[2])
    elif len(argv) == 3 and argv[1] == "report":
        sys.stdout.write(report(argv[2]))
    else:
        sys.stderr.write(__doc__)
        return 64
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
