#!/usr/bin/python3
"""The calculator through the real screen-reader stack (AT-SPI, pyatspi).

Run inside a D-Bus session and an X display (tests/atspi/run):
    atspi_test.py PATH-TO-qorvi-calculator

Starts the calculator with Qt's AT-SPI bridge on, finds its main window on
the accessibility bus as a screen reader does, types an expression into the
expression box through the EditableText interface, checks that the box's
text is one run of attributes, presses 计算 through the Action interface and
reads the result line. (What Orca says of it: tests/orca.)
"""

import os
import subprocess
import sys
import time

import pyatspi

TITLE = "Qorvi数学计算器 V2.54 "


def wait_for(what, find, seconds=30.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None:
            continue
        for j in range(app.childCount):
            window = app.getChildAtIndex(j)
            if window is not None and window.name == TITLE:
                return window
    return None


def find(window, role, name):
    for node in walk(window):
        if node.getRole() == role and node.name == name:
            return node
    raise AssertionError("no control of role %s named %r" % (role, name))


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    action.doAction(index)


def display_ready():
    result = subprocess.run(["xdpyinfo"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return True if result.returncode == 0 else None


def start(calculator, env):
    """Starts the calculator and waits for its main window on the bus; a
    start that fails at once (the display still busy) is tried again."""
    for attempt in range(3):
        process = subprocess.Popen([calculator], env=env)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and process.poll() is None:
            window = find_window()
            if window is not None:
                return process, window
            time.sleep(0.1)
        if process.poll() is None:
            process.kill()
            raise AssertionError("timed out waiting for the main window on the accessibility bus")
        time.sleep(0.5)
    raise AssertionError("the calculator did not start")


def main():
    calculator = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("QT_QPA_PLATFORM", None)  # the real display, not offscreen
    wait_for("the X display", display_ready, 20.0)
    process, window = start(calculator, env)
    failures = []
    try:
        if window.getRole() != pyatspi.ROLE_FRAME:
            failures.append("main window role is %s, not frame" % window.getRoleName())

        names = [node.name for node in walk(window) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        for expected in ("计算表达式", "计算高精度加法", "计算高精度乘法", "关于几何"):
            if expected not in names:
                failures.append("no button named %s" % expected)

        expression = find(window, pyatspi.ROLE_TEXT, "数学表达式")
        if "计算数学表达式" not in expression.description:
            failures.append("expression box description: %r" % expression.description)
        expression.queryEditableText().setTextContents("2*(3+4)")
        text = expression.queryText()
        for offset in range(text.characterCount):
            attributes, first, last = text.getAttributeRun(offset, False)
            if (first, last) != (0, 7):
                failures.append("attribute run at %d: %d-%d, not 0-7" % (offset, first, last))
                break
        evaluate = find(window, pyatspi.ROLE_PUSH_BUTTON, "计算表达式")
        press(evaluate)
        result = wait_for("the result line",
                          lambda: next((n for n in walk(window) if n.getRole() == pyatspi.ROLE_LABEL
                                        and n.name.startswith("结果是:  ")), None), 10.0)
        if result.name != "结果是:  14":
            failures.append("after 计算 the result line reads %r" % result.name)
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
