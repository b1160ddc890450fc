#!/usr/bin/python3
"""What the Windows build hands a Windows screen reader (NVDA, Narrator)
through UI Automation while it is used from the keyboard, under Wine.

    uia_test.py PROGRAM-FOLDER WAKE-EXE WORK-DIR

Run by scripts/windows-test, with WINEPREFIX a prefix whose system folder
holds the recording stand-in for UIAutomationCore.dll (tests/uia/recorder.c)
and DISPLAY a display of its own. Starts the program from its folder on
Windows' own platform plugin, wakes its UI Automation as a screen reader
does (wake.exe), then walks every window through the same keys as the Orca
test, and checks what each key raised: where Orca says an outcome, one UI
Automation notification with the outcome's text, sent from the control the
user pressed, on the screen; where Orca reads a message box, none (the box
is a dialog, read when it takes the focus); nowhere else any. Where Orca
reads a control the focus moved to, the focus must be on it (UI Automation's
focus event), before the next keys are sent. Stops at the first step that
fails: the keys after it would land elsewhere.
"""

import os
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "orca"))
from orca_test import STEPS, keystrokes  # noqa: E402

WINE = os.path.join(here, "..", "..", "scripts", "wine64")

# What Orca says of each outcome (the last line of its step) → the
# notification Windows gets: the sender's control type and name, and the
# text. None: a message box, and no notification.
WINDOWS = {
    "6 已选中": ("button", "加", "6"),
    "13": ("button", "等于", "13"),
    "结果是: 14": ("button", "计算表达式", "结果是:  14"),
    "确定 按钮": None,
    "0.999999999999998": ("button", "正切", "0.999999999999998"),
    "0.999847695156391": ("button", "余弦", "0.999847695156391"),
    "1.74497486210941E-02": ("button", "正弦", "1.74497486210941E-02"),
    "3.14159265358979": ("button", "角度转换为弧度", "3.14159265358979"),
    "结果为:1515": ("button", "进制转换", "结果为:1515"),
    "结果是: 1112": ("button", "计算高精度加法", "结果是:  1112"),
    "结果是: 0.52": ("button", "计算高精度乘法", "结果是:  0.52"),
    "警告 几何计算 请选择一个选项": None,
    "面积为:6": ("button", "计算三角形面积", "面积为:6."),
    "面积为: 6": ("button", "按顶点坐标计算三角形面积", "面积为:    6"),
    "已设为保留2位小数": ("button", "确定小数位数", "已设为保留2位小数"),
    "面积为: 6.28": ("button", "计算椭圆形面积", "面积为:    6.28"),
    "结果为:120": ("button", "计算阶乘", "结果为:120"),
    "结果为:1024": ("button", "计算乘方", "结果为:1024"),
    "已复制 299792458": ("list", "常数列表", "已复制 299792458"),
    "已复制 8.85418782^-12": ("list", "常数列表", "已复制 8.85418782^-12"),
}
ROLES = {"按钮": "button", "文本": "edit"}  # Orca's role words
SECONDS = 60  # Wine on a busy machine is slow
QUIET = 1.0


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def wait(what, ready, seconds=SECONDS):
    deadline = time.monotonic() + seconds
    while not ready():
        if time.monotonic() > deadline:
            raise AssertionError("waited %d s for %s" % (seconds, what))
        time.sleep(0.1)


class Log:
    def __init__(self, path):
        self.path, self.seen = path, 0

    def lines(self):
        try:
            with open(self.path, encoding="utf-8") as f:
                return [line.rstrip("\n").split("\t") for line in f]
        except FileNotFoundError:
            return []

    def new(self):
        """The lines written since the last call."""
        lines = self.lines()
        fresh, self.seen = lines[self.seen:], len(lines)
        return fresh


def expectations(speech, counts):
    """A step's notifications and the control it leaves focused."""
    outcome = WINDOWS[speech[-1]] if any(counts.values()) else ()
    notifications = [] if outcome in ((), None) else [["notification", outcome[0], outcome[1], "on screen", outcome[2]]]
    role = speech[-1].rsplit(" ", 1)[-1]
    focus = [ROLES[role], speech[-1].rsplit(" ", 1)[0]] if role in ROLES and not notifications else None
    return notifications, focus


def main():
    folder, wake, work = sys.argv[1:4]
    log = Log(os.path.join(work, "uia.log"))
    if os.path.exists(log.path):
        os.remove(log.path)
    env = dict(os.environ, QORVI_UIA_LOG=windows_path(log.path),
               WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "") + ";uiautomationcore=n")
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.Popen([WINE, "qorvi-calculator.exe"], cwd=folder, env=env, **quiet)
    subprocess.Popen([WINE, wake, "qorvi-calculator.exe"], env=env, **quiet)
    wait("UI Automation to be asked for the main window", lambda: any(l[0] == "asked" for l in log.lines()), 120)
    log.new()
    failures = []
    for number, (keys, speech, counts) in enumerate(STEPS, 1):
        if not keys:
            continue
        notifications, focus = expectations(speech, counts)
        for command in keystrokes(keys):
            subprocess.run(["xdotool"] + command, check=True)
            time.sleep(0.1)
        got, last_focus = [], None
        deadline = time.monotonic() + SECONDS

        def settled():
            nonlocal last_focus
            for line in log.new():
                if line[0] == "notification":
                    got.append(line)
                elif line[0] == "focus":
                    last_focus = line[1:3]
            return len(got) >= len(notifications) and (focus is None or last_focus == focus)

        while not settled() and time.monotonic() < deadline:
            time.sleep(0.1)
        time.sleep(QUIET)  # anything more it raises
        settled()
        if got != notifications or (focus and last_focus != focus):
            failures.append("step %d (%s): raised %r, focus on %r; expected %r, focus on %r"
                            % (number, keys, got, last_focus, notifications, focus))
            print("FAIL " + failures[-1], flush=True)
            break  # the later steps' keys would land elsewhere
    print("%d steps; %d failures; every line UI Automation was handed is in %s"
          % (len(STEPS), len(failures), log.path))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
