"""Checks of the figures bench/analyse.py takes from callgrind dumps and of
the report's verdicts. Run: python3 -m unittest bench/test_analyse.py"""
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import analyse  # noqa: E402

# An idle period as callgrind writes it, with compressed names: the event
# loop calls the timer dispatch 4 times; the handler reads the clock once per
# tick; a helper the handler calls allocates twice; the event loop allocates
# on its own; a function entered before the counters were zeroed shows an
# arc with no calls.
DUMP = """\
# callgrind format
version: 1
positions: line
events: Ir
summary: 9000

ob=(1) /x/yoruka
fl=(1) ???
fn=(1) loop
0 5000
cfn=(2) fw::dispatch::Timer(fw::CWnd&, unsigned int)
calls=4 0
0 2000
cfn=(3) malloc
calls=7 0
0 700
cfn=(9) CMainDlg::OnPaint()
calls=0 0
0 300

fn=(2)
+1 100
cfn=(4) CMainDlg::OnTimer(unsigned int)
calls=4 0
* 1900

fn=(4)
0 40
+2 60
cfn=(5) fw::LocalNow()
calls=4 0
0 1200
cfn=(6) helper()
calls=4 0
0 600

fn=(5)
0 800
cfn=(7) time
calls=4 0
0 400

fn=(6)
0 300
cfn=(3)
calls=2 0
0 300
"""


class CallgrindDumpTest(unittest.TestCase):
    def setUp(self):
        self.dump = analyse.CallgrindDump(DUMP)

    def test_names_defined_once_are_found_again_by_their_number(self):
        self.assertEqual(self.dump.name("3"), "malloc")
        self.assertEqual(self.dump.ids_named("CMainDlg::OnTimer("), ["4"])

    def test_calls_and_inclusive_cost_come_from_the_line_after_calls(self):
        self.assertEqual(self.dump.calls_into(["4"]), (4, 1900))
        self.assertEqual(self.dump.calls_into(["3"]), (9, 1000))

    def test_self_cost_adds_every_cost_line_but_not_call_costs(self):
        self.assertEqual(self.dump.self_cost["4"], 100)
        self.assertEqual(self.dump.self_cost["2"], 100)

    def test_reach_follows_calls_but_not_arcs_without_calls(self):
        self.assertEqual(self.dump.reachable(["4"]), {"4", "5", "6", "7", "3"})
        self.assertNotIn("9", self.dump.reachable(["1"]))

    def test_allocations_count_only_inside_the_handler(self):
        self.assertEqual(self.dump.calls_within(["4"], analyse.ALLOCATORS), {"malloc": 2})


class TickFiguresTest(unittest.TestCase):
    def test_figures_of_an_idle_period(self):
        f = analyse.tick_figures(DUMP)
        self.assertEqual(f["ticks"], 4)
        self.assertEqual(f["handler_ir"], 1900)
        self.assertEqual(f["process_ir"], 9000)
        self.assertEqual(f["clock_reads"], 4)
        self.assertEqual(f["allocations"], {"malloc": 2})
        self.assertEqual(f["paints"], 0)

    def test_a_paint_and_operator_new_are_seen(self):
        text = DUMP.replace("calls=0 0\n0 300", "calls=1 0\n0 300").replace(
            "fn=(6)\n0 300\n", "fn=(6)\n0 300\ncfn=(8) operator new(unsigned long)\ncalls=1 0\n0 20\n")
        f = analyse.tick_figures(text)
        self.assertEqual(f["paints"], 1)
        self.assertEqual(f["painters"], {"CMainDlg::OnPaint()": 1})
        self.assertEqual(f["allocations"], {"malloc": 2, "operator new(unsigned long)": 1})


class ReportTest(unittest.TestCase):
    def write(self, directory, startup, rss, tick):
        d = Path(directory)
        (d / "startup_ms").write_text("".join(f"{p} {v}\n" for p, v in startup))
        (d / "paint_ms").write_text("".join(f"{p} {v + 10}\n" for p, v in startup) + "floor -1\n")
        (d / "startup_cpu_ms").write_text("".join(f"{p} {v / 2}\n" for p, v in startup))
        (d / "paint_cpu_ms").write_text("".join(f"{p} {v}\n" for p, v in startup) + "yoruka -1\n")
        (d / "rss_kb").write_text("".join(f"{p} {v}\n" for p, v in rss))
        (d / "idle_cpu_stat_pct").write_text("yoruka 0.01\nfloor 0\n")
        (d / "idle_cpu_sched_pct").write_text("yoruka 0.02\nfloor 0.001\n")
        (d / "tick").write_text(tick)
        return analyse.report(d)

    def row(self, text, start):
        return next(line for line in text.splitlines() if line.startswith("| " + start))

    def test_medians_ratios_and_verdicts(self):
        with tempfile.TemporaryDirectory() as d:
            text = self.write(
                d,
                [("yoruka", 130), ("yoruka", 100), ("yoruka", 900), ("floor", 100), ("floor", 90), ("floor", 110)],
                [("yoruka", 116000), ("floor", 100000)],
                "ticks=20\nhandler_ir=20000\nprocess_ir=100000\nallocations=\nclock_reads=20\npaints=0\npainters=\n")
        startup = self.row(text, "start-up")
        self.assertIn("| 130.0 (100.0–900.0) |", startup)
        self.assertIn("1.30×", startup)
        self.assertIn("**missed**", startup)
        paint = self.row(text, "start-up: exec to first drawing")
        self.assertIn("| 140.0 (110.0–910.0) | 110.0 (100.0–120.0) | 1.27× | – | beyond 1.2× |", paint)
        self.assertIn("| 65.0 (50.0–450.0) | 50.0 (45.0–55.0) | 1.30× |", self.row(text, "start-up: CPU time of the program to the map"))
        self.assertIn("| 130.0 (100.0–900.0) | 100.0 (90.0–110.0) | 1.30× |",
                      self.row(text, "start-up: CPU time of the program to the first drawing"))
        memory = self.row(text, "resident memory")
        self.assertIn("1.160×", memory)
        self.assertIn("**missed**", memory)
        self.assertIn("| 1,000 |", self.row(text, "timer tick, `CMainDlg"))
        self.assertIn("| met |", self.row(text, "clock reads"))
        self.assertIn("| met |", self.row(text, "allocations"))
        self.assertIn("| met |", self.row(text, "paints"))

    def test_the_fonts_first_floor_is_compared_only_when_measured(self):
        with tempfile.TemporaryDirectory() as d:
            plain = self.write(d, [("yoruka", 130), ("floor", 100)], [("yoruka", 1), ("floor", 1)], "")
            both = self.write(d, [("yoruka", 130), ("floor", 100), ("fonts_first", 125)],
                              [("yoruka", 1), ("floor", 1)], "")
        self.assertNotIn("fonts first", plain)
        self.assertIn("| 130.0 | 125.0 (125.0–125.0) | 1.04× |", self.row(both, "exec to window mapped"))
        self.assertIn("| 140.0 | 135.0 (135.0–135.0) | 1.04× |", self.row(both, "exec to first drawing"))
        self.assertIn("| 65.0 | 62.5 (62.5–62.5) | 1.04× |", self.row(both, "CPU time to the map"))

    def test_a_tick_that_allocates_or_paints_misses(self):
        with tempfile.TemporaryDirectory() as d:
            text = self.write(
                d, [("yoruka", 100), ("floor", 100)], [("yoruka", 100), ("floor", 100)],
                "ticks=20\nhandler_ir=1\nprocess_ir=1\nallocations=malloc:20\nclock_reads=40\n"
                "paints=1\npainters=QPainter::begin(QPaintDevice*):1\n")
        self.assertIn("| met |", self.row(text, "start-up"))
        self.assertIn("**missed**", self.row(text, "clock reads"))
        self.assertIn("malloc:20", self.row(text, "allocations"))
        self.assertIn("**missed**", self.row(text, "allocations"))
        self.assertIn("**missed**", self.row(text, "paints"))


if __name__ == "__main__":
    unittest.main()
