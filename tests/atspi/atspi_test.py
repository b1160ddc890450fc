#!/usr/bin/python3
"""The calculator through the real screen-reader stack (AT-SPI, pyatspi).

Run inside a D-Bus session of its own (tests/atspi/run), which
tests/session.py gives its own X display, HOME and XDG folders:
    atspi_test.py PATH-TO-qorvi-calculator WORK-DIR

Starts the calculator with Qt's AT-SPI bridge on, finds its main window on
the accessibility bus as a screen reader does, types an expression into the
expression box through the EditableText interface, checks that the box's
text is one run of attributes, presses 计算 through the Action interface and
reads the result line. (What Orca says of it: tests/orca.)
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from session import MAIN_TITLE, Session, application_window, wait_for, walk  # noqa: E402

pyatspi = None  # Session.atspi(), once the session has started

TITLE = MAIN_TITLE


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


def start(calculator, session):
    """Starts the calculator and waits for its main window on the bus; a
    start that fails at once (the display still busy) is tried again."""
    for attempt in range(3):
        process = session.spawn([calculator])
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and process.poll() is None:
            window = application_window(pyatspi, TITLE)
            if window is not None:
                return process, window
            time.sleep(0.1)
        if process.poll() is None:
            process.kill()
            raise AssertionError("timed out waiting for the main window on the accessibility bus")
        time.sleep(0.5)
    raise AssertionError("the calculator did not start")


def main():
    calculator, work = sys.argv[1], sys.argv[2]
    session = Session(work, chinese=False, extra_env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})
    failures = []
    try:
        session.start_desktop()
        global pyatspi
        pyatspi = session.atspi()
        process, window = start(calculator, session)
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
    except AssertionError as e:
        failures.append(str(e))
    finally:
        left = session.close()
        if left:
            failures.append("outside the session: %s" % ", ".join(left))
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
