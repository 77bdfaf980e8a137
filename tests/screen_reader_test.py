"""Tavrel as a screen reader meets it over AT-SPI: every control a user can reach has a role and a
name, the picture says what it shows and how large it prints, the too-large notice is announced
as it appears, a unit chosen with the Toggle action that voice and switch control use acts as a
click, and the windows the program opens are named, placed and stacked as on a desktop.

Run by screen_reader_test.sh, which sets up the X server, the window manager and the buses.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

checks = {"passed": 0, "failed": 0}


def check(condition, what):
    checks["passed" if condition else "failed"] += 1
    if not condition:
        print("FAILED:", what, flush=True)


def wait_for(find, what, seconds=10):
    """Pumps the accessibility events until find() gives something."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        GLib.MainContext.default().iteration(False)
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name, shown=True):
    """The first node of `role` and `name` under root, showing unless `shown` is False."""
    for node in descendants(root):
        if node.getRoleName() == role and node.name == name and (showing(node) or not shown):
            return node
    return None


def window(application, name):
    for i in range(application.childCount):
        node = application.getChildAtIndex(i)
        if node is not None and node.name == name and showing(node):
            return node
    return None


def labels(node):
    return [relation.getTarget(i).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def do_action(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check(action in names, f"{node.getRoleName()} '{node.name}' offers {action}: {names}")
    if action in names:
        actions.doAction(names.index(action))


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True).stdout


def x_window(name):
    return xdotool("search", "--sync", "--onlyvisible", "--name", f"^{name}$").split()[0]


def shown_windows(name):
    """The X windows of that title on screen now."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                           capture_output=True, text=True).stdout
    return [int(window) for window in found.split()]


def stacking():
    """The window manager's windows, bottom to top."""
    listed = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], check=True,
                            capture_output=True, text=True).stdout
    return [int(window, 16) for window in listed.split("#")[1].split(",")]


def unnamed_controls(root):
    """Showing controls that take the focus but have no name to be read by."""
    return [node.getRoleName() for node in descendants(root)
            if node.getState().contains(pyatspi.STATE_FOCUSABLE) and showing(node)
            and not node.name]


def expect_table(root, expectations, where):
    shown = [(node.getRoleName(), node.name) for node in descendants(root) if showing(node)]
    for role, name in expectations:
        check((role, name) in shown, f"{where}: [{role}] '{name}' among {shown}")
    check(unnamed_controls(root) == [], f"{where}: unnamed controls {unnamed_controls(root)}")


def main(program):
    announced = []

    def on_showing(event):
        if event.detail1 and event.source.getRoleName() in ("alert", "notification"):
            announced.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    tavrel = subprocess.Popen([program])
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        application = wait_for(
            lambda: next((desktop.getChildAtIndex(i) for i in range(desktop.childCount)
                          if desktop.getChildAtIndex(i).name == "Tavrel"), None),
            "Tavrel on the accessibility bus")
        main_window = wait_for(lambda: window(application, "Tavrel"), "the main window")
        expect_table(main_window, [
            ("radio button", "Inches (Decimal)"),
            ("radio button", "Inches (Fractions)"),
            ("radio button", "Millimeter"),
            ("push button", "Print Pattern"),
        ], "at start")

        # Choosing a unit by its Toggle action shows the prompt and the box, focused, as a click.
        for unit, prompt in [("Millimeter", "Enter the measurement in millimeters"),
                             ("Inches (Fractions)", "Enter the measurement in inches")]:
            do_action(find(main_window, "radio button", unit), "Toggle")
            box = wait_for(lambda: find(main_window, "text", prompt), f"the box after {unit}")
            check(box.getState().contains(pyatspi.STATE_FOCUSED),
                  f"the box has the focus after {unit}")
            option = find(main_window, "radio button", unit)
            check(option.getState().contains(pyatspi.STATE_CHECKED), f"{unit} is checked")

        xdotool("type", "--delay", "50", "2 1/2")
        picture = wait_for(lambda: find(main_window, "image", "Pattern"), "the picture")
        wait_for(lambda: picture.description, "the picture's description")
        check(picture.description == "Pattern for 2 1/2 inches, 5.6 by 7.9 inches when printed",
              f"the picture's description: {picture.description!r}")
        expect_table(main_window, [
            ("text", "Enter the measurement in inches"),
            ("image", "Pattern"),
            ("label", "When printed, each division above should measure one inch"),
            ("push button", "Print Pattern"),
        ], "with a pattern")

        # On its way to "2 1/2" the box held "2 1" and "2 1/", which draw 2 inches: the notice
        # that says so is announced as it shows, in the words of either.
        wait_for(lambda: any(re.match(r"2 1/? is drawn as 2 inches", text) for text in announced),
                 "the notice of what is drawn to be announced")
        erase = ["BackSpace"] * 20
        xdotool("key", *erase)
        xdotool("type", "--delay", "50", "99999999999")
        too_large = lambda: any(text.startswith("Too large to draw.") for text in announced)
        wait_for(too_large, "the too-large notice to be announced")
        xdotool("key", *erase)
        xdotool("type", "--delay", "50", "2 1/2")

        # The About box, opened from the keyboard: its client area at 156, 129 pixels (2340,
        # 1935 twips) under the window manager's frame.
        xdotool("key", "--delay", "200", "alt+h", "a")
        about = wait_for(lambda: window(application, "About Tavrel Maker"), "the About box")
        expect_table(about, [
            ("image", "Program icon"),
            ("link", "Send mail to the author"),
            ("push button", "OK"),
        ], "About box")
        # Pressing the link follows it as a click does, which leaves the focus on the icon.
        do_action(find(about, "link", "Send mail to the author"), "Press")
        wait_for(lambda: find(about, "image", "Program icon").getState().contains(
            pyatspi.STATE_FOCUSED), "the focus on the icon after the link")
        corner = subprocess.run(["xwininfo", "-id", x_window("About Tavrel Maker")], check=True,
                                capture_output=True, text=True).stdout
        check("Absolute upper-left X:  156\n  Absolute upper-left Y:  129" in corner,
              f"About box's client area: {corner}")
        xdotool("key", "Escape")
        wait_for(lambda: window(application, "About Tavrel Maker") is None,
                 "the About box to close")

        # The projector: its window, the calibration and the pattern's view, named; one view at
        # a time, kept above the projector window.
        do_action(find(main_window, "menu item", "Projector View...", shown=False), "Press")
        projector = wait_for(lambda: window(application, "Projector"), "the projector window")
        expect_table(projector, [("combo box", "screen (1280 x 1024)"),
                                 ("push button", "Calibrate...")], "projector window")
        # Qt names a list by its choice and labels it by a relation, which screen readers read.
        screens = find(projector, "combo box", "screen (1280 x 1024)")
        check(labels(screens) == ["Screen:"], f"the screen list's label: {labels(screens)}")
        projector_x = int(x_window("Projector"))
        do_action(find(projector, "push button", "Calibrate..."), "Press")
        calibration = wait_for(lambda: window(application, "Screen Calibration"),
                               "the calibration")
        expect_table(calibration, [("text", "Bar length in inches")], "calibration")
        xdotool("type", "--delay", "50", "10")
        xdotool("key", "Return")
        wait_for(lambda: window(application, "Screen Calibration") is None,
                 "the calibration to close")
        do_action(find(projector, "push button", "Show Pattern"), "Press")
        first = wait_for(lambda: shown_windows("Projector View"), "the projector view")
        do_action(find(projector, "push button", "Show Pattern"), "Press")
        views = wait_for(lambda: [view for view in shown_windows("Projector View")
                                  if view not in first] and shown_windows("Projector View"),
                         "the second projector view")
        check(len(views) == 1, f"one projector view after Show Pattern twice: {views}")
        # Alt+Tab to the projector window, as the window manager does it: the view comes back on
        # top of it.
        xdotool("windowactivate", "--sync", str(projector_x))
        try:
            wait_for(lambda: stacking().index(views[0]) > stacking().index(projector_x),
                     "the view to come above the projector window", seconds=5)
        except AssertionError as failure:
            check(False, f"{failure}: stacking {stacking()}")
    finally:
        tavrel.terminate()
        tavrel.wait()
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
