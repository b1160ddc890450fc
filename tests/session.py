"""A desktop session of a test's own, shared by the tests that use the real
desktop parts (Orca, the AT-SPI bus, the input methods).

Run inside `dbus-run-session` (each test's run script). The session has its
own HOME, XDG folders and runtime folder under the test's work folder, its
own X display (Xvfb) and window manager, and tells the D-Bus daemon the
same, so that the services D-Bus starts on demand (the accessibility bus,
dconf, speech-dispatcher, the input methods) write into the session and
never into the user's real HOME, and two such tests at once (two clones'
`make test`) never share a bus, a display or a cache. Every process the
session started, or that was started on its behalf, carries a marker in its
environment; close() ends them all and checks the real HOME was left alone.
"""

import glob
import os
import shutil
import signal
import subprocess
import time
import uuid

# The main window's title, with the version CTest passes from the project.
MAIN_TITLE = "Qorvi数学计算器 V" + os.environ.get("QORVI_VERSION", "")

# What the session's programs write under a HOME, and so must never appear
# in the real one while the test runs.
HOME_TRACES = ("at-spi", "fcitx", "ibus", "dconf", "speech-dispatcher", "orca", "pulse")


def chinese_locale(work):
    """A zh_CN.UTF-8 locale of the test's own (the machine may have none)."""
    path = os.path.join(work, "locale")
    if not os.path.isdir(os.path.join(path, "zh_CN.UTF-8")):
        os.makedirs(path, exist_ok=True)
        subprocess.run(["localedef", "-i", "zh_CN", "-f", "UTF-8", os.path.join(path, "zh_CN.UTF-8")],
                       check=True, stdout=subprocess.DEVNULL)
    return path


def parts_env(parts):
    """The environment that reaches the input methods scripts/test-parts
    unpacked under `parts` (programs, libraries, fcitx5's addons and data,
    ibus's components, their schemas, the Qt frontend), ahead of whatever
    the system has installed."""
    root = os.path.join(parts, "root")
    lib = glob.glob(os.path.join(root, "usr", "lib", "*-linux-gnu*"))
    lib = lib[0] if lib else os.path.join(root, "usr", "lib")

    def ahead(name, value, default):
        rest = os.environ.get(name, default)
        return value + ":" + rest if rest else value
    return {
        "PATH": ahead("PATH", os.path.join(root, "usr", "bin"), "/usr/bin:/bin"),
        "LD_LIBRARY_PATH": ahead("LD_LIBRARY_PATH", lib, ""),
        "XDG_DATA_DIRS": ahead("XDG_DATA_DIRS", os.path.join(root, "usr", "share"), "/usr/local/share:/usr/share"),
        "FCITX_ADDON_DIRS": os.path.join(lib, "fcitx5") + ":" + os.path.join(lib[len(root):], "fcitx5"),
        "IBUS_COMPONENT_PATH": os.path.join(parts, "ibus-component"),
        "QT_PLUGIN_PATH": ahead("QT_PLUGIN_PATH", os.path.join(lib, "qt6", "plugins"), ""),
    }


def wait_for(what, find, seconds=30.0, step=0.1):
    """Calls find() until it answers something other than None."""
    deadline = time.monotonic() + seconds
    while True:
        found = find()
        if found is not None:
            return found
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(step)


def walk(node):
    """An accessible object and all below it, depth first."""
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application_window(atspi, title):
    """A window of that title (blanks at its ends aside) of any application
    on the accessibility bus."""
    for app in atspi.Registry.getDesktop(0):
        for window in app or []:
            if window is not None and window.name.strip() == title:
                return window
    return None


class Session:
    def __init__(self, work, chinese=True, extra_env=None):
        self.work = os.path.abspath(work)
        self.root = os.path.join(self.work, "session")
        shutil.rmtree(self.root, ignore_errors=True)
        self.runtime = os.path.join(self.root, "run")
        os.makedirs(self.runtime, mode=0o700)
        self.real_home = os.environ.get("HOME", "")
        self.started = time.time()
        self.marker = "%s-%s" % (os.getpid(), uuid.uuid4().hex)
        env = dict(os.environ, HOME=os.path.join(self.root, "home"),
                   XDG_CONFIG_HOME=os.path.join(self.root, "config"),
                   XDG_CACHE_HOME=os.path.join(self.root, "cache"),
                   XDG_DATA_HOME=os.path.join(self.root, "data"),
                   XDG_STATE_HOME=os.path.join(self.root, "state"),
                   XDG_RUNTIME_DIR=self.runtime, QORVI_TEST_SESSION=self.marker)
        if chinese:
            env.update(LOCPATH=chinese_locale(self.work), LANG="zh_CN.UTF-8", LC_ALL="zh_CN.UTF-8",
                       LANGUAGE="zh_CN")
        env.pop("QT_QPA_PLATFORM", None)  # the real display, not offscreen
        env.update(extra_env or {})
        for key in ("HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"):
            os.makedirs(env[key], exist_ok=True)
        self.env = env
        self.processes = []
        self.own_bus = True  # run inside dbus-run-session: the bus is the session's
        self.log = open(os.path.join(self.root, "programs.log"), "w")

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def spawn(self, args, env=None, **kwargs):
        p = subprocess.Popen(args, env=env or self.env, stdout=self.log, stderr=subprocess.STDOUT, **kwargs)
        self.processes.append(p)
        return p

    def run(self, args, **kwargs):
        return subprocess.run(args, env=self.env, **kwargs)

    def start_desktop(self, bus=True):
        """Xvfb and openbox, then (with `bus`) the D-Bus daemon told of both
        and of the session's folders (what it starts on demand gets them)."""
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp", "-noreset"],
                                pass_fds=[write], env=self.env, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        self.spawn(["openbox"])
        if not bus:
            # No bus of its own: the one in the environment (if any) is the
            # user's, and what runs on it is none of the session's.
            self.own_bus = False
            return
        names = ["DISPLAY", "HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                 "XDG_RUNTIME_DIR", "QORVI_TEST_SESSION", "LANG", "LC_ALL", "LANGUAGE", "LOCPATH", "PATH"]
        self.run(["dbus-update-activation-environment"] + [n for n in names if n in self.env], check=True,
                 stdout=self.log, stderr=subprocess.STDOUT)
        wait_for("the X display", lambda: True if self.run(["xdpyinfo"], stdout=subprocess.DEVNULL,
                                                            stderr=subprocess.DEVNULL).returncode == 0 else None)

    def atspi(self):
        """pyatspi, loaded once this session's D-Bus knows the session's
        folders: loading it starts the accessibility bus, which must not see
        the user's own HOME."""
        import pyatspi
        return pyatspi

    def members(self):
        """The processes of this session but this one: {pid: name, marked},
        those carrying the marker and those D-Bus started for this session's
        bus (they carry its address, and have left the process tree)."""
        mark = ("QORVI_TEST_SESSION=" + self.marker).encode()
        bus = os.environ.get("DBUS_SESSION_BUS_ADDRESS", "").encode() if self.own_bus else b""
        ours = {b"DBUS_SESSION_BUS_ADDRESS=" + bus, b"DBUS_STARTER_ADDRESS=" + bus} if bus else set()
        found = {}
        for name in os.listdir("/proc"):
            if not name.isdigit() or int(name) == os.getpid():
                continue
            try:
                with open("/proc/%s/environ" % name, "rb") as f:
                    variables = set(f.read().split(b"\0"))
                with open("/proc/%s/comm" % name) as f:
                    command = f.read().strip()
            except OSError:
                continue
            if mark in variables or variables & ours:
                found[int(name)] = (command, mark in variables)
        return found

    def close(self):
        """Ends every process of the session, and answers what it left in the
        real HOME or started without the session's folders (a list, empty
        when nothing)."""
        strays = ["%s started without the session's folders" % name
                  for name, marked in self.members().values() if not marked]
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
        for p in self.processes:
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self.members():
                try:
                    os.kill(pid, sig)
                except OSError:
                    pass
            deadline = time.monotonic() + 5
            while self.members() and time.monotonic() < deadline:
                time.sleep(0.1)
        self.log.close()
        return strays + self.traces_in_home()

    def traces_in_home(self):
        """What those programs make lies at the top of these folders
        (~/.cache/at-spi, ~/.config/dconf/user, ~/.config/fcitx5/...)."""
        found = []
        for folder in (".cache", ".config", ".local/share", ".local/state", ".dbus"):
            top = os.path.join(self.real_home, folder)
            for path in glob.glob(os.path.join(top, "*")) + glob.glob(os.path.join(top, "*", "*")):
                if any(t in path[len(top):].lower() for t in HOME_TRACES) and _changed_since(path, self.started):
                    found.append(path)
        return found


def _changed_since(path, moment):
    try:
        return os.lstat(path).st_mtime >= moment
    except OSError:
        return False
