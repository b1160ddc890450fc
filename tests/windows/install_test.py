#!/usr/bin/python3
"""The installer, the uninstaller and the zip as a user meets them, and a
signed build, under Wine (64-bit):
    install_test.py OUT NAME VERSION OLD-OUT OLD-VERSION

OUT holds this build's zip and installer (NAME-windows-x64.zip and
NAME-windows-x64-setup.exe) and its portable folder OUT/NAME; OLD-OUT an
earlier version's installer whose folder has one file more. Run by
scripts/windows-test with a display of its own (DISPLAY) and a window
manager. Each case runs in a Wine prefix of its own, whose server it ends
(wineserver -k) and so every program started there; the calculator and the
installers it starts are ended by their own process. Prints a line a
failing check and "N passed, N failed".
"""

import os
import re
import shutil
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, ".."))
sys.path.insert(0, here)
from session import wait_for  # noqa: E402
from wine import QUIET, Prefix, windows_path  # noqa: E402

ROOT = os.path.abspath(os.path.join(here, "..", ".."))
PRODUCT = "Qorvi数学计算器"
KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\QorviCalculator"
SECONDS = 120  # Wine on a busy machine is slow

# Where each scope puts the program, its shortcut and its entry (the
# prefix's drive C, the root key).
SCOPES = {
    "AllUsers": ("Program Files/" + PRODUCT, "ProgramData/Microsoft/Windows/Start Menu/Programs", "HKLM"),
    "CurrentUser": ("users/{user}/AppData/Local/Programs/" + PRODUCT,
                    "users/{user}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs", "HKCU"),
}

# The install cases: how the installer is run (a scope switch, silently or
# through its pages), whether the calculator runs meanwhile, and what must
# follow: installed in that scope, or refused with exit code 2 and nothing
# changed.
CASES = [
    # name, switches, silent, running, expect
    ("for all users, silently", ["/AllUsers"], True, False, "AllUsers"),
    ("for the current user, silently", ["/CurrentUser"], True, False, "CurrentUser"),
    ("through its pages, for all users", [], False, False, "AllUsers"),
    ("through its pages, for the current user", ["/CurrentUser"], False, False, "CurrentUser"),
    ("silently while the program runs", ["/CurrentUser"], True, True, "refused"),
    ("through its pages while the program runs, closed on the way", [], False, True, "AllUsers"),
]


def uninstall_entry(prefix, root):
    """The program's uninstall entry in that root key, {} when there is none."""
    return prefix.entry(root + "\\" + KEY)


def in_builder(args, **kwargs):
    return subprocess.run([os.path.join(ROOT, "scripts", "windows-deps"), "run"] + args, cwd=ROOT, **kwargs)


def files_below(folder):
    """Every file below the folder, relative to it."""
    return {os.path.relpath(os.path.join(top, n), folder) for top, _, names in os.walk(folder) for n in names}


def shortcut_target(lnk):
    """The program a shortcut (.lnk) starts: the path, in UTF-16, it holds."""
    with open(lnk, "rb") as f:
        data = f.read()
    for start in (0, 1):
        text = data[start:].decode("utf-16-le", errors="replace")
        found = re.findall(r"[A-Z]:\\[^\x00\ufffd]*?\.exe", text)
        if found:
            return found[0]
    return None


def window(name, seconds=SECONDS):
    """The first visible X window whose name begins so, once there."""
    def find():
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + name],
                           capture_output=True, text=True)
        ids = r.stdout.split()
        return ids[0] if ids else None
    return wait_for("a window named " + name, find, seconds, 0.2)


def key(window_id, keys):
    """Keys typed into a window as a user types them: the window made the
    active one, then the keys from the keyboard."""
    subprocess.run(["xdotool", "windowactivate", "--sync", window_id], **QUIET)
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + keys.split(), **QUIET)


class Run:
    def __init__(self, out, name, version, old_out, old_version):
        self.out, self.name, self.version = out, name, version
        self.setup = os.path.join(out, name + "-windows-x64-setup.exe")
        self.stage = os.path.join(out, name)
        self.old_setup = os.path.join(old_out, "qorvi-calculator-%s-windows-x64-setup.exe" % old_version)
        self.old_stage = os.path.join(old_out, "qorvi-calculator-" + old_version)
        self.old_version = old_version
        self.work = os.path.join(out, "install-test")
        os.makedirs(self.work, exist_ok=True)
        self.passed = self.failed = 0

    def check(self, what, ok):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print("FAIL: " + what)
        return ok

    def calculator(self, prefix, folder):
        """The calculator started from a folder, once its main window is up."""
        p = prefix.start(["qorvi-calculator.exe"], cwd=folder)
        return p, window(PRODUCT + " V")

    def close_calculator(self, p, window_id):
        key(window_id, "alt+F4")
        p.wait(SECONDS)

    def install(self, prefix, setup, switches, silent):
        """Runs an installer; its exit code."""
        if silent:
            return prefix.run([windows_path(setup), "/S"] + switches)
        return self.through_pages(prefix.start([windows_path(setup)] + switches), setup)

    def through_pages(self, installer, setup):
        """Goes through an installer's pages as a user does, with Enter on
        each (接受, 下一步, 安装, 完成); its exit code."""
        version = self.old_version if setup == self.old_setup else self.version
        deadline = time.monotonic() + SECONDS
        while installer.poll() is None and time.monotonic() < deadline:
            try:
                key(window(PRODUCT + " " + version, 10), "Return")
            except AssertionError:
                continue
            time.sleep(2)
        return installer.wait(SECONDS)

    def installed(self, prefix, scope, stage, version, what):
        folder, menu, root = SCOPES[scope]
        folder, menu = prefix.path(folder), prefix.path(menu)
        shortcut = os.path.join(menu, PRODUCT + ".lnk")
        entry = uninstall_entry(prefix, root)
        self.check(what + ": exactly the build's files, and the uninstaller",
                   files_below(folder) == files_below(stage) | {"uninstall.exe"})
        self.check(what + ": one Start-menu shortcut, to the installed program",
                   os.path.exists(shortcut) and shortcut_target(shortcut) is not None
                   and shortcut_target(shortcut).endswith("\\" + PRODUCT + "\\qorvi-calculator.exe")
                   and len([n for n in os.listdir(menu) if n.startswith(PRODUCT)]) == 1)
        self.check(what + ": the entry in %s names %s %s there" % (root, PRODUCT, version),
                   entry.get("DisplayName") == PRODUCT and entry.get("DisplayVersion") == version
                   and entry.get("InstallLocation", "").endswith("\\" + PRODUCT))
        other = "HKCU" if root == "HKLM" else "HKLM"
        self.check(what + ": no entry in " + other, uninstall_entry(prefix, other) == {})
        return folder, shortcut, root

    def nothing_installed(self, prefix, what):
        for scope, (folder, menu, root) in SCOPES.items():
            self.check(what + ": nothing in " + folder.format(user="…"), not os.path.exists(prefix.path(folder)))
            self.check(what + ": no entry in " + root, uninstall_entry(prefix, root) == {})

    def uninstall(self, prefix, folder, root, what):
        """The uninstaller as the entry says to run it, silently; waits
        until it has finished (it runs from a copy of itself)."""
        entry = uninstall_entry(prefix, root)
        command = entry.get("QuietUninstallString", "")
        self.check(what + ": a quiet uninstall command", command.startswith('"'))
        program, _, rest = command[1:].partition('"')
        prefix.run([program] + rest.split())
        try:
            wait_for("the uninstaller to finish", lambda: True if not os.path.exists(folder)
                     and uninstall_entry(prefix, root) == {} else None, SECONDS, 0.5)
        except AssertionError:
            pass
        self.check(what + ": uninstalling leaves no file", not os.path.exists(folder))
        self.check(what + ": uninstalling removes the entry", uninstall_entry(prefix, root) == {})

    def cases(self):
        zip_folder = None
        for number, (what, switches, silent, running, expect) in enumerate(CASES, 1):
            prefix = Prefix(os.path.join(self.work, "case-%d" % number))
            try:
                if running:
                    zip_folder = zip_folder or self.unzip(self.work)
                    p, w = self.calculator(prefix, zip_folder)
                if running and not silent:
                    # The box that asks to close it comes first; closed, 重试 goes on.
                    installer = prefix.start([windows_path(self.setup)] + switches)
                    box = window(PRODUCT + " " + self.version)
                    self.close_calculator(p, w)
                    key(box, "Return")
                    time.sleep(2)
                    code = self.through_pages(installer, self.setup)
                else:
                    code = self.install(prefix, self.setup, switches, silent)
                if expect == "refused":
                    self.check(what + ": exit code 2, not %d" % code, code == 2)
                    self.nothing_installed(prefix, what)
                    self.close_calculator(p, w)
                    continue
                self.check(what + ": exit code 0, not %d" % code, code == 0)
                folder, shortcut, root = self.installed(prefix, expect, self.stage, self.version, what)
                self.uninstall(prefix, folder, root, what)
                self.check(what + ": uninstalling removes the shortcut", not os.path.exists(shortcut))
            finally:
                prefix.close()

    def unzip(self, work):
        folder = os.path.join(work, "任意 文件夹")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        subprocess.run(["unzip", "-q", os.path.join(self.out, self.name + "-windows-x64.zip"), "-d", folder], check=True)
        return os.path.join(folder, self.name)

    def running_uninstall(self):
        """The uninstaller while the installed program runs: refused, nothing
        removed; once it is closed, everything goes."""
        what = "uninstalling while the program runs"
        prefix = Prefix(os.path.join(self.work, "running-uninstall"))
        try:
            self.install(prefix, self.setup, ["/AllUsers"], True)
            folder, menu, root = SCOPES["AllUsers"]
            folder = prefix.path(folder)
            before = files_below(folder)
            p, w = self.calculator(prefix, folder)
            # In place (_?=FOLDER, unquoted at the end of the command line, so
            # given to Wine a word at a time): its exit code is its own, not
            # that of the launcher that would copy it elsewhere first.
            location = uninstall_entry(prefix, root).get("InstallLocation", "")
            code = prefix.run([location + "\\uninstall.exe", "/S"] + ("_?=" + location).split(" "))
            self.check(what + ": exit code 2, not %d" % code, code == 2)
            self.check(what + ": every file left", files_below(folder) == before)
            self.check(what + ": the entry left", uninstall_entry(prefix, root).get("DisplayName") == PRODUCT)
            self.close_calculator(p, w)
            self.uninstall(prefix, folder, root, what + ", then closed")
        finally:
            prefix.close()

    def upgrade(self):
        """An older version whose folder has a file more, then this one over
        it; then this one again, as a repair."""
        what = "upgrading from %s" % self.old_version
        prefix = Prefix(os.path.join(self.work, "upgrade"))
        try:
            for scope in ("CurrentUser", "AllUsers"):
                code = self.install(prefix, self.old_setup, ["/" + scope], True)
                self.check("%s (%s): the old version installs" % (what, scope), code == 0)
                folder, _, root = self.installed(prefix, scope, self.old_stage, self.old_version,
                                                 "%s (%s), before" % (what, scope))
                code = self.install(prefix, self.setup, ["/" + scope], True)
                self.check("%s (%s): exit code 0, not %d" % (what, scope, code), code == 0)
                self.installed(prefix, scope, self.stage, self.version, "%s (%s), after" % (what, scope))
                # The same version again repairs a file gone missing.
                os.remove(os.path.join(folder, "Qt6Core.dll"))
                self.install(prefix, self.setup, ["/" + scope], True)
                self.installed(prefix, scope, self.stage, self.version, "%s (%s), repaired" % (what, scope))
                self.uninstall(prefix, folder, root, "%s (%s)" % (what, scope))
        finally:
            prefix.close()

    def portable(self):
        """The zip's program, run and closed, changes nothing outside its
        folder: the prefix's registry and its users' folders as they were."""
        what = "the zip's program"
        prefix = Prefix(os.path.join(self.work, "portable"))
        try:
            folder = self.unzip(os.path.join(self.work, "portable-folder"))
            # What Wine itself writes at every start (HKLM's network cards,
            # for one) is written by a program that does nothing, first.
            prefix.run(["cmd", "/c", "exit", "0"])
            prefix.server("-k")  # the registry written out
            before = self.snapshot(prefix)
            prefix.server("-p")
            p, w = self.calculator(prefix, folder)
            self.close_calculator(p, w)
            prefix.server("-k")
            after = self.snapshot(prefix)
            for part in before:
                changed = sorted(set(before[part]) ^ set(after[part]))
                self.check("%s: %s as it was%s" % (what, part, (" (" + "; ".join(changed[:5]) + ")") if changed else ""),
                           not changed)
            self.check(what + ": its folder holds what the zip holds, and nothing more",
                       files_below(folder) == files_below(self.stage))
        finally:
            prefix.close()

    def readme(self):
        """The zip's 说明.txt: named in UTF-8 (as Windows' Explorer reads the
        name), in UTF-8 with a byte-order mark and CR LF (as Notepad reads it)."""
        import zipfile
        with zipfile.ZipFile(os.path.join(self.out, self.name + "-windows-x64.zip")) as z:
            names = z.namelist()
            entry = self.name + "/说明.txt"
            self.check("the zip holds 说明.txt, its name in UTF-8", entry in names)
            if entry in names:
                text = z.read(entry)
                lines = text[3:].split(b"\r\n")
                self.check("说明.txt in UTF-8 with a byte-order mark, in CR LF lines", text.startswith(b"\xef\xbb\xbf")
                           and b"\n" not in b"".join(lines) and len(lines) > 5)
                words = text[3:].decode("utf-8")  # strict: a byte that is not UTF-8 fails the test
                self.check("说明.txt says it needs no install and writes nothing outside its folder",
                           "无需安装" in words and "不写注册表" in words)

    def signed(self):
        """A build signed with a throwaway self-signed certificate (made with
        openssl in the Windows builder): the signatures of the program, the
        installer and the uninstaller the installer writes verify against it
        (osslsigncode verify), and the signed program is the unsigned one
        plus its signature."""
        work = os.path.join(self.work, "signed")
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
        key, cert, p12 = (os.path.join(work, n) for n in ("key.pem", "cert.pem", "cert.p12"))
        in_builder(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                    "/CN=Qorvi test", "-keyout", key, "-out", cert], check=True, **QUIET)
        in_builder(["openssl", "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", p12, "-passout",
                    "pass:throwaway"], check=True, **QUIET)
        signed = os.path.join(work, "packages")
        subprocess.run([os.path.join(ROOT, "scripts", "windows"), "package", signed, self.version], cwd=ROOT,
                       env=dict(os.environ, QORVI_SIGN_PKCS12=p12, QORVI_SIGN_PASSWORD="throwaway"),
                       check=True, **QUIET)

        def verifies(path):
            r = in_builder(["osslsigncode", "verify", "-CAfile", cert, "-in", path], capture_output=True, text=True)
            return r.returncode == 0 and "Signature verification: ok" in r.stdout

        program = os.path.join(signed, self.name, "qorvi-calculator.exe")
        unsigned_program = os.path.join(self.stage, "qorvi-calculator.exe")
        setup = os.path.join(signed, self.name + "-windows-x64-setup.exe")
        self.check("signed: the program's signature verifies", verifies(program))
        self.check("signed: the installer's signature verifies", verifies(setup))
        self.check("signed: the unsigned build's program has no signature", not verifies(unsigned_program))
        prefix = Prefix(os.path.join(work, "wine"))
        try:
            prefix.run([windows_path(setup), "/S", "/AllUsers"])
            uninstaller = prefix.path(SCOPES["AllUsers"][0] + "/uninstall.exe")
            self.check("signed: the uninstaller written by the installer is signed, and verifies",
                       os.path.exists(uninstaller) and verifies(uninstaller))
        finally:
            prefix.close()

        # Signed = unsigned + signature: with the signature removed, the same
        # bytes, but for the zeros that align the signature's table and the
        # header's checksum, which counts them.
        def without_checksum(data):
            at = int.from_bytes(data[0x3C:0x40], "little") + 88  # the optional header's CheckSum
            return (data[:at] + bytes(4) + data[at + 4:]).rstrip(b"\0")
        stripped = os.path.join(work, "stripped.exe")
        in_builder(["osslsigncode", "remove-signature", "-in", program, "-out", stripped], check=True, **QUIET)
        with open(stripped, "rb") as f:
            without = f.read()
        with open(unsigned_program, "rb") as f:
            unsigned = f.read()
        self.check("signed: the program, its signature removed, is the unsigned program",
                   without_checksum(without) == without_checksum(unsigned) and len(without) - len(unsigned) < 8)

    # Keys Wine itself writes, whatever program runs: the machine's devices
    # and drivers (System, Hardware: its display adapters and monitors when
    # a program first opens a window), its network cards and services (at
    # every start, a program that does nothing changes them too). A program's
    # own settings would go under Software; in lower case.
    WINE_OWN_KEYS = tuple(k.lower() for k in (
        "System\\\\", "Hardware\\\\",
        "Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\NetworkCards",
        "Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\RunServices"))

    def snapshot(self, prefix):
        """The registry's keys and values (their times aside) and the users' files."""
        registry = []
        for hive in ("system.reg", "user.reg", "userdef.reg"):
            key = ""
            with open(os.path.join(prefix.folder, hive), encoding="utf-8", errors="replace") as f:
                for line in f:
                    line = line.rstrip("\n")
                    if line.startswith(("#time=", ";;")) or not line:
                        continue
                    # A key's line ends in the time it was last written.
                    header = re.match(r"^\[(.*)\](?: \d+)?$", line)
                    if header:
                        key = header.group(1)
                        line = "[" + key + "]"
                    if key.lower().startswith(self.WINE_OWN_KEYS):
                        continue
                    registry.append("%s [%s] %s" % (hive, key, line))
        users = sorted(files_below(os.path.join(prefix.drive, "users")))
        return {"the registry": registry, "the users' folders": users}


def main():
    out, name, version, old_out, old_version = sys.argv[1:6]
    run = Run(out, name, version, old_out, old_version)
    run.cases()
    run.running_uninstall()
    run.upgrade()
    run.portable()
    run.readme()
    run.signed()
    print("%d passed, %d failed" % (run.passed, run.failed))
    return 0 if run.failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
