#!/usr/bin/python3
"""What the Windows build hands a Windows screen reader (NVDA, Narrator)
through UI Automation, under Wine:  uia_test.py PROGRAM-FOLDER WAKE-EXE WORK-DIR

Run by scripts/windows-test with WINEPREFIX a prefix holding the recording
stand-in for UIAutomationCore.dll (recorder.c) and a display of its own.
Starts the program on Windows' own platform plugin, wakes its UI Automation
(wake.c), walks every window with the Orca test's keys, and checks each
step: where Orca says an outcome, one notification with its text from the
control used, on the screen; where Orca reads a message box or nothing new,
none; where Orca reads the control the focus moved to, the focus on it.
Stops at the first failing step: the keys after it would land elsewhere.
"""

import os
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "orca"))
sys.path.insert(0, os.path.join(here, ".."))
from orca_test import STEPS, keystrokes  # noqa: E402
from session import wait_for  # noqa: E402

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
    "结果为:FF": ("button", "进制转换", "结果为:FF"),
    "结果是: 1112": ("button", "计算高精度加法", "结果是:  1112"),
    "结果是: 65": ("button", "计算高精度乘法", "结果是:  65"),
    "警告 几何计算 请选择一个选项": None,
    "面积为:6": ("button", "计算三角形面积", "面积为:6."),
    "面积为: 6": ("button", "按顶点坐标计算三角形面积", "面积为:    6"),
    "已设为保留2位小数": ("button", "确定小数位数", "已设为保留2位小数"),
    "面积为: 6.28": ("button", "计算椭圆形面积", "面积为:    6.28"),
    "结果为:120": ("button", "计算阶乘", "结果为:120"),
    "结果为:1024": ("button", "计算乘方", "结果为:1024"),
    "已复制 299792458": ("list", "常数列表", "已复制 299792458"),
    "已复制 8.8541878188^-12": ("list", "常数列表", "已复制 8.8541878188^-12"),
}
ROLES = {"按钮": "button", "文本": "edit"}  # Orca's role words
SECONDS = 60  # Wine on a busy machine is slow
QUIET = 1.0


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def read(path):
    try:
        with open(path, encoding="utf-8") as f:
            return [line.rstrip("\n").split("\t") for line in f]
    except FileNotFoundError:
        return []


def expectations(speech, counts):
    """A step's notifications and the control it leaves focused."""
    outcome = WINDOWS[speech[-1]] if any(counts.values()) else ()
    notifications = [] if outcome in ((), None) else [["notification", outcome[0], outcome[1], "on screen", outcome[2]]]
    role = speech[-1].rsplit(" ", 1)[-1]
    focus = [ROLES[role], speech[-1].rsplit(" ", 1)[0]] if role in ROLES and not notifications else None
    return notifications, focus


def main():
    folder, wake, work = sys.argv[1:4]
    log = os.path.join(work, "uia.log")
    if os.path.exists(log):
        os.remove(log)
    env = dict(os.environ, QORVI_UIA_LOG=windows_path(log),
               WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "") + ";uiautomationcore=n")
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.Popen([WINE, "qorvi-calculator.exe"], cwd=folder, env=env, **quiet)
    subprocess.Popen([WINE, wake], env=env, **quiet)
    wait_for("UI Automation to be asked for the main window",
             lambda: True if any(line[0] == "asked" for line in read(log)) else None, 120)
    seen = len(read(log))
    for number, (keys, speech, counts) in enumerate(STEPS, 1):
        if not keys:
            continue
        notifications, focus = expectations(speech, counts)
        for command in keystrokes(keys):
            subprocess.run(["xdotool"] + command, check=True)
            time.sleep(0.1)

        def raised():  # the step's notifications so far, where the focus is, and the lines read
            lines = read(log)
            focused = [line[1:3] for line in lines[seen:] if line[0] == "focus"]
            return [line for line in lines[seen:] if line[0] == "notification"], (focused or [None])[-1], len(lines)

        deadline = time.monotonic() + SECONDS
        while time.monotonic() < deadline:
            got, at, _ = raised()
            if len(got) >= len(notifications) and focus in (None, at):
                break
            time.sleep(0.1)
        time.sleep(QUIET)  # anything more it raises
        got, at, seen = raised()
        if got != notifications or focus not in (None, at):
            print("FAIL step %d (%s): raised %r, focus on %r; expected %r, focus on %r"
                  % (number, keys, got, at, notifications, focus))
            return 1
    print("%d steps passed; every line UI Automation was handed is in %s" % (len(STEPS), log))
    return 0


if __name__ == "__main__":
    sys.exit(main())
