#!/usr/bin/env python3
"""Reads yoruka's windows through AT-SPI, as a screen reader does.

    read_window.py main           checks the countdown window
    read_window.py daycount       checks the day-count dialog

Each exits 1 with a message saying what was missing or wrong. The day is
1 June 1999 with the default settings (see read_window.sh).
"""
import sys
import time

import pyatspi

APP = "yoruka"
# A window or a name comes within a second on a quiet machine; far more for
# a 2-core one at a load of 8, where a start of the sanitized program was
# seen to take over ten seconds. Only a real fault waits this long.
WAIT_SECONDS = 60


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def descendants(node, depth=0):
    yield node
    if depth > 30:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP:
            return app
    return None


def wait_for(what, find):
    """Polls `find` until it returns something: the bridge registers windows
    and fills in names a moment after the window shows."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # an object went away while it was walked
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    app = application()
    seen = [] if app is None else [f"{n.getRoleName()} '{n.name}'" for n in descendants(app)]
    fail(f"{what} not found; the program shows: {seen}")


def window(name_start):
    app = application()
    if app is None:
        return None
    for top in app:
        if top is not None and top.name.startswith(name_start):
            return top
    return None


def named(top, role, name):
    for node in descendants(top):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def expect(what, expected, actual):
    if expected != actual:
        fail(f"{what}: expected '{expected}', read '{actual}'")
    print(f"ok: {what}: {actual}")


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def check_main():
    top = wait_for("the countdown window", lambda: window("ヨルカ"))
    expect("window name", "ヨルカ (6/1)", top.name)
    expect("window role", "dialog", top.getRoleName())
    title = wait_for("the exam title", lambda: named(top, "label", "99年度秋期情報処理技術者試験まで"))
    expect("title text", "99年度秋期情報処理技術者試験まで", title.name)
    days = wait_for("the days-left text", lambda: named(top, "label", "あと 138日"))
    expect("days-left text", "あと 138日", days.name)
    graph = wait_for("the graph", lambda: named(top, "image", "経過 43日 / 全日程 181日 (23%)"))
    expect("graph in words", "経過 43日 / 全日程 181日 (23%)", graph.name)
    bar = wait_for("the progress bar", lambda: next(
        (n for n in descendants(top) if n.getRoleName() == "progress bar"), None))
    value = bar.queryValue()
    expect("progress position", 43, int(value.currentValue))
    expect("progress range", (0, 181), (int(value.minimumValue), int(value.maximumValue)))
    expect("exit button", "終了", named(top, "push button", "終了").name)


def check_daycount():
    top = wait_for("the day-count dialog", lambda: window("日数計算ダイアログ"))
    expect("dialog name", "日数計算ダイアログ", top.name)
    count = wait_for("the day count field", lambda: named(top, "text", "日です。"))
    # 1 January of this year to today, 1 June 1999.
    expect("day count", "151", text_of(count))
    expect("first weekday", "金曜日", text_of(named(top, "text", "から")))
    expect("second weekday", "火曜日", text_of(named(top, "text", "まで")))
    expect("first year field", "1999", text_of(named(top, "text", "から 年")))
    spin = named(top, "spin button", "まで 日")
    if spin is None:
        fail("no spin button named 'まで 日'")
    expect("second day spin", 1, int(spin.queryValue().currentValue))


def main(argv):
    if len(argv) >= 2 and argv[1] == "main":
        check_main()
    elif len(argv) >= 2 and argv[1] == "daycount":
        check_daycount()
    else:
        fail(f"usage: {argv[0]} main | daycount")


if __name__ == "__main__":
    main(sys.argv)
