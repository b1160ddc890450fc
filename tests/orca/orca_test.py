#!/usr/bin/python3
"""What the Orca screen reader says while the calculator is used from the
keyboard alone.

Run inside a D-Bus session of its own (tests/orca/run):
    orca_test.py PATH-TO-qorvi-calculator WORK-DIR

Starts a session of its own (tests/session.py: a virtual X display with a
window manager, HOME and XDG folders in WORK-DIR), then Orca with settings
of its own there, speaking through speech-dispatcher whose only
output module appends every text it is given to WORK-DIR/spoken. Then
starts the calculator as a user would, sends the keys of each step below as
a user sends them, and after each step waits until Orca has said the step's
lines, in order. Every outcome must be said exactly once, and nothing stale
said after it.
"""

import json
import os
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from session import MAIN_TITLE, Session  # noqa: E402

# Each step: the keys sent (xdotool key names, "*N" to repeat, "type:TEXT"
# to type), the lines Orca must then say, in this order (a line matches
# when it starts with the text, after blanks are squeezed and a final full
# stop dropped), and {text: n}: the step's speech contains the text exactly
# n times (n = 0: not said at all). A step's speech runs from its first key
# to the next step's first key.
MAIN = MAIN_TITLE
STEPS = [
    # The main window opens with the focus on "+".
    ("", [MAIN, "加 按钮"], {}),
    # The four-function calculator: an operator key moves the focus to the
    # display, which is read whole; "=" says the new display, again when
    # it repeats.
    ("Tab*4", ["简易计算显示框 文本"], {}),
    ("type:6 shift+Tab*4", ["加 按钮"], {}),
    ("space", ["简易计算显示框 文本", "6 已选中"], {"6 已选中": 1}),
    ("type:7 Tab*3", ["等于 按钮"], {}),
    ("space", ["13"], {"13": 1}),
    ("space", ["13"], {"13": 1}),
    # The expression: a result line, then an error in a message box, said
    # once with the box, and not again when the box closes. (Whether Orca
    # names the window again as the box closes depends on whether the
    # window's activation or the button's focus reaches it first: where
    # the focus is back is what the user needs, and is always said.)
    ("shift+Tab*2", ["数学表达式 文本"], {}),
    ("ctrl+a type:2+3*4 Tab", ["计算表达式 按钮"], {}),
    ("space", ["结果是: 14"], {"结果是: 14": 1}),
    ("shift+Tab ctrl+a type:1/0 Tab", ["计算表达式 按钮"], {}),
    ("space", ["警告 Qorvi计算器 除数为零", "确定 按钮"], {"除数为零": 1}),
    ("Return", ["计算表达式 按钮"], {"除数为零": 0, "结果是": 0}),
    # Tan, Cos and Sin rewrite the display, each from the one before.
    ("shift+Tab*2 type:45 Tab*16", ["正切 按钮"], {}),
    ("space", ["0.999999999999998"], {"0.999999999999998": 1}),
    ("Tab", ["余弦 按钮"], {}),
    ("space", ["0.999847695156391"], {"0.999847695156391": 1}),
    ("shift+Tab*2", ["正弦 按钮"], {}),
    ("space", ["1.74497486210941E-02"], {"1.74497486210941E-02": 1}),
    # Degrees to radians.
    ("Tab*6 type:180 Tab*2", ["角度转换为弧度 按钮"], {}),
    ("space", ["3.14159265358979"], {"3.14159265358979": 1}),
    # Base conversion: the number, the target base, 转换, the source base.
    ("Tab*16 type:255 Tab type:16 Tab Tab type:10 shift+Tab", ["进制转换 按钮"], {}),
    ("space", ["结果为:FF"], {"FF": 1}),
    # Long addition and multiplication.
    ("shift+Tab*9 type:123 Tab type:989 Tab", ["计算高精度加法 按钮"], {}),
    ("space", ["结果是: 1112"], {"1112": 1}),
    ("Tab type:13 Tab type:5 Tab", ["计算高精度乘法 按钮"], {}),
    ("space", ["结果是: 65"], {"65": 1}),
    # The geometry window: a box, a triangle from its sides, one from its
    # vertices, the decimal places, an ellipse. (A window opened from the
    # keyboard: Orca 48 says its title, and takes the focused control in it
    # without saying it.)
    ("Tab space", ["几何计算"], {}),
    ("Tab*4", ["计算三角形面积 按钮"], {}),
    ("space", ["警告 几何计算 请选择一个选项"], {"请选择一个选项": 1}),
    ("Return shift+Tab*4 alt+Down Return Tab type:3 Tab type:4 Tab type:5 Tab", ["计算三角形面积 按钮"], {}),
    ("space", ["面积为:6"], {"面积为:6": 1}),  # "面积为:6." (the full stop is the pattern's)
    ("Tab*2 type:4 Tab*4 type:3 Tab", ["按顶点坐标计算三角形面积 按钮"], {}),
    ("space", ["面积为: 6"], {"面积为: 6": 1}),
    ("Tab*7 type:2 Tab", ["确定小数位数 按钮"], {}),
    ("space", ["已设为保留2位小数"], {"已设为保留2位小数": 1}),
    ("shift+Tab*7 type:2 Tab type:1 Tab", ["计算椭圆形面积 按钮"], {}),
    ("space", ["面积为: 6.28"], {"面积为: 6.28": 1}),
    # Factorial and power, from the main window, where the focus is back on
    # the button that opened the closed window.
    ("alt+F4", ["关于几何 按钮"], {}),
    ("Tab*9 space", ["关于阶乘和乘方"], {}),
    ("type:5 Tab", ["计算阶乘 按钮"], {}),
    ("space", ["结果为:120"], {"120": 1}),
    ("Tab type:2 Tab type:10 Tab", ["计算乘方 按钮"], {}),
    ("space", ["结果为:1024"], {"1024": 1}),
    # The constants: selecting an entry copies its value and says so.
    ("alt+F4", ["关于阶乘和乘方 按钮"], {}),
    ("shift+Tab space", ["关于常数"], {}),
    # (Orca reads the entry too, before or after: 43 after, 48 before.)
    ("Down", ["已复制 299792458"], {"已复制": 1, "真空中光速": 1}),
    ("Up", ["已复制 8.8541878188^-12"], {"已复制": 1, "真空介电常数": 1}),
]

STEP_SECONDS = 60  # a screen reader on a busy machine can be slow
QUIET_SECONDS = 1.5  # after the last expected line, until nothing more is said


def normalized(line):
    line = re.sub(r"\s+", " ", line).strip()
    line = re.sub(r"[.。]$", "", line)
    # Orca 43 says a notification's role before its text.
    return line[len("通知 "):] if line.startswith("通知 ") else line


def matches(line, expected):
    return line == expected or line.startswith(expected + " ")


class Transcript:
    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            with open(self.path, "rb") as f:
                data = f.read()
        except FileNotFoundError:
            return []
        text = data.decode("utf-8", errors="replace")
        return [normalized(l) for l in text.split("\n") if l.strip()]

    def wait_for(self, start, expected, seconds):
        """Waits until the lines from `start` on say every expected line, in
        order; returns the index after the last one matched."""
        deadline = time.monotonic() + seconds
        while True:
            lines = self.lines()
            at, found = start, 0
            while found < len(expected) and at < len(lines):
                if matches(lines[at], expected[found]):
                    found += 1
                at += 1
            if found == len(expected):
                return at
            if time.monotonic() > deadline:
                raise AssertionError("Orca did not say %r; it said %r" % (expected[found], lines[start:]))
            time.sleep(0.1)

def keystrokes(keys):
    """The xdotool commands of a step's keys, one keystroke each."""
    for token in keys.split():
        if token.startswith("type:"):
            for c in token[5:]:
                yield ["type", c]
        else:
            name, _, times = token.partition("*")
            for _ in range(int(times or 1)):
                yield ["key", name]


def wait_still(size, quiet, seconds):
    """Waits until size() has not changed for `quiet` seconds, or `seconds`
    have passed."""
    deadline = time.monotonic() + seconds
    last, since = size(), time.monotonic()
    while time.monotonic() - since < quiet and time.monotonic() < deadline:
        time.sleep(0.05)
        now = size()
        if now != last:
            last, since = now, time.monotonic()


def wait_idle(log):
    """Waits until Orca has handled what came before: its debug log has been
    still for 0.25 s. A key sent while Orca is busy waits for it only 100 ms
    in Qt 6.4, then reaches the window first, and Orca, handling it late,
    cuts off what the key made it say."""
    wait_still(lambda: os.path.getsize(log) if os.path.exists(log) else 0, 0.25, 20)


def speech_settings(work):
    """speech-dispatcher settings whose one output module writes each text
    it is given on a line of WORK/spoken."""
    conf = os.path.join(work, "config", "speech-dispatcher")
    os.makedirs(os.path.join(conf, "modules"), exist_ok=True)
    spoken = os.path.join(work, "spoken")
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write('LogLevel 3\nLogDir "%s"\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                'DefaultLanguage "zh"\nAddModule "file" "sd_generic" "file.conf"\n'
                'DefaultModule "file"\nTimeout 30\n' % work)
    with open(os.path.join(conf, "modules", "file.conf"), "w") as f:
        f.write("GenericExecuteSynth \"printf '%%s\\\\n' \\'$DATA\\' >> %s\"\n" % spoken)
        f.write('GenericLanguage "zh" "zh" "utf-8"\nGenericLanguage "en" "en" "utf-8"\n'
                'AddVoice "zh" "MALE1" "zh"\nAddVoice "en" "MALE1" "en"\nDefaultVoice "zh"\n')
    return spoken


def orca_settings(folder):
    """Orca's settings as a new user has them, but for key echo: the name
    of each key pressed, said as Orca handles the key, interrupts what the
    key made the program say when a busy machine lets Orca handle the key
    late (seen: "加 按钮" cut off by "左 Shift"), and the test checks what
    the keys make the program say."""
    os.makedirs(folder, exist_ok=True)
    profile = ["Default", "default"]
    with open(os.path.join(folder, "user-settings.conf"), "w") as f:
        json.dump({"general": {"enableKeyEcho": False, "profile": profile, "activeProfile": profile,
                               "startingProfile": profile},
                   "profiles": {"default": {"profile": profile, "enableKeyEcho": False}},
                   "pronunciations": {}, "keybindings": {}}, f)
    return folder


def orca_environment(env, session):
    """Orca refuses to start while another Orca of the same user runs (it
    asks pgrep): the user's own screen reader, say. That one is on another
    accessibility bus and hears nothing of this session, so this session's
    Orca is told of none, and the user's is left alone."""
    bin_dir = os.path.join(session, "bin")
    os.makedirs(bin_dir, exist_ok=True)
    with open(os.path.join(bin_dir, "pgrep"), "w") as f:
        f.write("#!/bin/sh\nexit 1\n")
    os.chmod(os.path.join(bin_dir, "pgrep"), 0o755)
    return dict(env, PATH=bin_dir + os.pathsep + env.get("PATH", "/usr/bin:/bin"))


def stop_speech_dispatcher(runtime):
    """Orca started it, and it would outlive the session by its Timeout."""
    try:
        with open(os.path.join(runtime, "speech-dispatcher", "pid", "speech-dispatcher.pid")) as f:
            os.kill(int(f.read().split()[0]), signal.SIGTERM)
    except (OSError, ValueError, IndexError):
        pass


def main():
    calculator, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    session = Session(work)
    env = session.env
    spoken = speech_settings(session.root)
    transcript = Transcript(spoken)
    failures = []
    try:
        session.start_desktop()
        orca_log = session.path("orca.log")
        session.spawn(["orca", "--user-prefs", orca_settings(session.path("orca")), "--debug-file", orca_log],
                      orca_environment(env, session.root))
        transcript.wait_for(0, ["屏幕阅读器启用"], 120)
        start = len(transcript.lines())
        app = session.spawn([calculator])
        for number, (keys, expected, counts) in enumerate(STEPS, 1):
            if number > 1:
                start = len(transcript.lines())
            for command in keystrokes(keys):
                wait_idle(orca_log)
                subprocess.run(["xdotool"] + command, env=env, check=True)
            try:
                transcript.wait_for(start, expected, STEP_SECONDS)
            except AssertionError as e:
                failures.append("step %d (%s): %s" % (number, keys or "start", e))
                break
            wait_still(lambda: len(transcript.lines()), QUIET_SECONDS, 10 * QUIET_SECONDS)
            said = transcript.lines()[start:]
            for text, n in counts.items():
                times = sum(line.count(text) for line in said)
                if times != n:
                    failures.append("step %d (%s): %r said %d times, not %d: %r" % (number, keys, text, times, n, said))
            if app.poll() is not None:
                failures.append("the calculator ended in step %d" % number)
                break
    finally:
        stop_speech_dispatcher(session.runtime)
        left = session.close()
        if left:
            failures.append("outside the session: %s" % ", ".join(left))
    for f in failures:
        print("FAIL:", f)
    print("%d steps; %d failures; transcript in %s" % (len(STEPS), len(failures), spoken))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
