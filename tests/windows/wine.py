"""A Wine prefix of a test's own, for the Windows build's tests (64-bit Wine,
through scripts/wine64)."""

import os
import re
import shutil
import subprocess

WINE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "wine64")
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Prefix:
    """Made anew in `folder`, its server started first and kept until close()
    (without it a test's first Wine program waited minutes for one); close()
    ends the programs start() started, then the server, and with it every
    program of the prefix."""

    def __init__(self, folder, env=None):
        self.folder = folder
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        self.env = dict(env or os.environ, WINEPREFIX=folder)
        self.server("-p")
        self.run(["wineboot", "-u"])
        self.drive = os.path.join(folder, "drive_c")
        self.programs = []

    def server(self, option):
        subprocess.run([WINE, "wineserver", option], env=self.env, check=option == "-p", **QUIET)

    @property
    def user(self):
        return [u for u in os.listdir(os.path.join(self.drive, "users")) if u not in ("Public", "Default")][0]

    def path(self, windows_relative):
        return os.path.join(self.drive, windows_relative.format(user=self.user))

    def run(self, args, cwd=None):
        return subprocess.run([WINE] + args, env=self.env, cwd=cwd, **QUIET).returncode

    def start(self, args, cwd=None):
        p = subprocess.Popen([WINE] + args, env=self.env, cwd=cwd, **QUIET)
        self.programs.append(p)
        return p

    def entry(self, key):
        """The string values of a registry key, {} when there is none."""
        reg = os.path.join(self.folder, "entry.reg")
        if os.path.exists(reg):
            os.remove(reg)
        if self.run(["reg", "export", key, windows_path(reg), "/y"]) != 0:
            return {}
        with open(reg, encoding="utf-16") as f:
            text = f.read()
        # Each string value: "name"="text", with \\ and \" escaped.
        return {m.group(1): re.sub(r"\\(.)", r"\1", m.group(2))
                for m in re.finditer(r'^"([^"]+)"="(.*)"$', text, re.M)}

    def close(self):
        for p in self.programs:
            if p.poll() is None:
                p.kill()
            p.wait()
        self.server("-k")
