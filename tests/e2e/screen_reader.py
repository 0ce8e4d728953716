"""What a screen reader learns of the running calculator through AT-SPI.

Run by screen_reader_follows_tape.sh once the program's window is shown and
focused on a display and a session bus of the test's own. Listens to the
accessibility bus as Orca does, presses keys with xdotool and checks that:

- after 12 + 5 = the tape's table tells its current row (the one where the
  next number goes): the focus goes to that row's cell, whose text says
  "Total", and the table's selected row is that row;
- the subtotal tells its new value as a text change;
- Up moves the told row;
- keys typed ahead tell the subtotal at most five times a second, and a
  paste of many lines is told once, not once a line.

Then it types the tape 1250,5 + 380 - 12,5 = with a comment on row 0 and
writes what the reader reads for each row to the file given. Last, with
three tapes open, the tabs are a page tab list whose tabs tell their names,
their places and which one is in use, also after Ctrl+PgUp; the search
band's result list tells its results.

Usage: screen_reader.py <file for the rows read>
Exit status: 0 passed, 1 failed, 77 skipped (no accessibility bus).
"""

import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("SKIPPED: pyatspi is not installed (Debian package python3-pyatspi)")
    sys.exit(77)

WAIT_SECONDS = 10
VALUE_COLUMN = 1


class Failed(Exception):
    pass


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_until(condition, what):
    end = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < end:
        pump(0.05)
        if condition():
            return
    raise Failed(f"{what} within {WAIT_SECONDS} s")


def press(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "40", *keys], check=True)


def find(root, role, name, depth=0):
    """The first element under `root` of that role and name (any name for
    None; tables are not searched into: their cells are reached through the
    table)."""
    if root is None or depth > 12:
        return None
    if root.getRole() == role and name in (None, root.name):
        return root
    if root.getRole() == pyatspi.ROLE_TABLE:
        return None
    for child in root:
        found = find(child, role, name, depth + 1)
        if found is not None:
            return found
    return None


class Reader:
    """The events a screen reader hears, kept in order."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(
            self.heard, "focus:", "object:state-changed:focused",
            "object:state-changed:selected", "object:text-changed:insert",
            "object:property-change:accessible-name")

    def heard(self, event):
        try:
            name = event.source.name
        except Exception:  # the element went away
            name = None
        self.events.append((event.type, event.detail1, name, event.any_data))

    def take(self):
        events, self.events = self.events, []
        return events

    def focused_names(self, events):
        return [name for kind, _, name, _ in events if kind.startswith("focus")]

    def inserted(self, events, source):
        return [data for kind, _, name, data in events
                if kind.startswith("object:text-changed:insert") and name == source]


class Tape:
    """The tape's table as the reader reaches it."""

    def __init__(self, table):
        self.table = table.queryTable()

    def told_row(self):
        rows = list(self.table.getSelectedRows())
        if len(rows) != 1:
            return None, f"selected rows {rows}"
        cell = self.table.getAccessibleAt(rows[0], VALUE_COLUMN)
        states = cell.getState()
        if not states.contains(pyatspi.STATE_FOCUSED):
            return None, f"row {rows[0]} is selected but its cell is not focused"
        return rows[0], cell.name

    def text(self, row):
        return self.table.getAccessibleAt(row, VALUE_COLUMN).name


def expect_told(tape, reader, row, text):
    """The focus came to `row` (any row for None), which the table tells as
    current with `text`; returns the row told."""
    wait_until(lambda: text in reader.focused_names(reader.events),
               f"no focus on a cell reading {text!r} (heard {reader.events})")
    told, said = tape.told_row()
    if (row is not None and told != row) or said != text:
        raise Failed(f"the table tells row {told} ({said!r}), not row {row} ({text!r})")
    return told


def check_following(tape, reader):
    press("1", "2", "KP_Add", "5", "equal")
    expect_told(tape, reader, 2, "Total 17,00, elements: 2")
    wait_until(lambda: "17,00" in reader.inserted(reader.events, "Subtotal"),
               f"the subtotal did not tell 17,00 (heard {reader.events})")
    reader.take()

    press("Up")
    expect_told(tape, reader, 1, "5,00 igual")
    reader.take()

    # Keys typed ahead faster than anyone reads: the subtotal is told at most
    # five times a second, with the value it has by then.
    press("F8")
    keys = ["1", "KP_Add"] * 60
    start = time.monotonic()
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "1", *keys], check=True)
    wait_until(lambda: "60,00" in reader.inserted(reader.events, "Subtotal"),
               "the subtotal did not tell 60,00 after 60 times 1 +")
    seconds = time.monotonic() - start
    subtotals = reader.inserted(reader.take(), "Subtotal")
    if len(subtotals) > seconds / 0.2 + 2:
        raise Failed(f"60 keys in {seconds:.2f} s told {len(subtotals)} subtotals: {subtotals}")

    # 300 lines pasted at the end: one action, told once.
    lines = "".join(f"{n}\n" for n in range(1, 301))
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=lines.encode(),
                   check=True)
    press("ctrl+v")
    told = expect_told(tape, reader, None, "Fila buida")
    if told < 300:
        raise Failed(f"after a paste of 300 lines the table tells row {told}")
    pump(0.5)
    heard = reader.take()
    moves = reader.focused_names(heard)
    subtotals = reader.inserted(heard, "Subtotal")
    if len(moves) > 2 or len(subtotals) != 1:
        raise Failed(f"a paste told {len(moves)} moves and {len(subtotals)} subtotals: "
                     f"{moves[:5]} {subtotals[:5]}")


def read_example(tape, reader, out):
    press("F8")
    press("1", "2", "5", "0", "comma", "5", "KP_Add", "3", "8", "0", "minus",
          "1", "2", "comma", "5", "equal")
    expect_told(tape, reader, 3, "Total 1.618,00, elements: 3")
    press("Up", "Up", "Up", "F3")
    pump(0.3)
    subprocess.run(["xdotool", "type", "--delay", "20", "Lloguer de maig"], check=True)
    press("Return")
    wait_until(lambda: tape.text(0).endswith("Lloguer de maig"), "the comment did not land")
    with open(out, "w", encoding="utf-8") as rows:
        for row in range(5):
            rows.write(f"row {row}: {tape.text(row)}\n")


def page_tabs(tabs):
    return [tab for tab in tabs if tab.getRole() == pyatspi.ROLE_PAGE_TAB]


def tab_names(tabs):
    return [tab.name for tab in page_tabs(tabs)]


# Qt tells the tab in use as the focused one.
def selected_tab(tabs):
    chosen = [tab.getIndexInParent() for tab in page_tabs(tabs)
              if tab.getState().contains(pyatspi.STATE_FOCUSED)]
    return chosen[0] if len(chosen) == 1 else chosen


def check_tabs_and_results(root, reader):
    press("ctrl+shift+n", "ctrl+shift+n")
    tabs = None
    wait_until(lambda: (tabs := find(root, pyatspi.ROLE_PAGE_TAB_LIST, None)) is not None
               and tab_names(tabs) == ["Cinta 1", "Cinta 2", "Cinta 3"],
               "the tabs Cinta 1, Cinta 2, Cinta 3 are not told")
    # Qt names the list by the tab in use.
    tabs = find(root, pyatspi.ROLE_PAGE_TAB_LIST, None)
    if tabs.name != "Cinta 3":
        raise Failed(f"the tabs are told as {tabs.name!r}")
    if selected_tab(tabs) != 2:
        raise Failed(f"the tape in use is the third, but the tab told is {selected_tab(tabs)}")
    reader.take()
    press("ctrl+Prior")
    wait_until(lambda: selected_tab(tabs) == 1, "Ctrl+PgUp did not tell the second tab")

    press("ctrl+f")
    subprocess.run(["xdotool", "type", "--delay", "20", "lloguer"], check=True)
    results = None
    wait_until(lambda: (results := find(root, pyatspi.ROLE_LIST, "Resultats de la cerca"))
               is not None and results.childCount == 1,
               "the result list does not tell the one row found")
    found = find(root, pyatspi.ROLE_LIST, "Resultats de la cerca")[0].name
    if not found.startswith("Cinta 1, fila 1,") or "Lloguer de maig" not in found:
        raise Failed(f"the result is told as {found!r}")
    press("Escape")


def main():
    out = sys.argv[1]
    desktop = pyatspi.Registry.getDesktop(0)
    reader = Reader()
    app = None
    end = time.monotonic() + WAIT_SECONDS
    while app is None and time.monotonic() < end:
        pump(0.1)
        apps = [a for a in desktop if a is not None]
        tables = [(a, find(a, pyatspi.ROLE_TABLE, "Paper")) for a in apps]
        root, app = next(((a, t) for a, t in tables if t is not None), (None, None))
    if app is None:
        raise Failed("the program's tape is not on the accessibility bus")
    tape = Tape(app)
    pump(0.5)
    reader.take()
    check_following(tape, reader)
    read_example(tape, reader, out)
    check_tabs_and_results(root, reader)


if __name__ == "__main__":
    try:
        main()
    except Failed as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
    except GLib.Error as error:
        print(f"SKIPPED: the accessibility bus does not answer ({error.message})")
        sys.exit(77)
