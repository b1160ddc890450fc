#!/usr/bin/python3
"""A signed build, with a throwaway self-signed certificate:
   sign_test.py OUT NAME VERSION

Makes the certificate (openssl, in the Windows builder), packages the build
already made in OUT again with it (scripts/windows package), and checks
with osslsigncode verify, against that certificate, the signatures of the
program, the installer and the uninstaller the installer writes (installed
silently under Wine, in a prefix of its own that it ends); and that the
signed program is the unsigned one plus its signature. Prints a line a
failing check and "N passed, N failed".
"""

import os
import shutil
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.abspath(os.path.join(here, "..", ".."))
WINE = os.path.join(root, "scripts", "wine64")
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
PASSWORD = "throwaway"


def in_builder(args, **kwargs):
    return subprocess.run([os.path.join(root, "scripts", "windows-deps"), "run"] + args, cwd=root, **kwargs)


def main():
    out, name, version = sys.argv[1:4]
    work = os.path.join(out, "sign-test")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    passed = failed = 0

    def check(what, ok):
        nonlocal passed, failed
        if ok:
            passed += 1
        else:
            failed += 1
            print("FAIL: " + what)

    key, cert, p12 = (os.path.join(work, n) for n in ("key.pem", "cert.pem", "cert.p12"))
    in_builder(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Qorvi test",
                "-keyout", key, "-out", cert], check=True, **QUIET)
    in_builder(["openssl", "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", p12, "-passout", "pass:" + PASSWORD],
               check=True, **QUIET)
    signed = os.path.join(work, "signed")
    env = dict(os.environ, QORVI_SIGN_PKCS12=p12, QORVI_SIGN_PASSWORD=PASSWORD)
    subprocess.run([os.path.join(root, "scripts", "windows"), "package", signed, version], cwd=root, env=env,
                   check=True, **QUIET)

    def verifies(path):
        r = in_builder(["osslsigncode", "verify", "-CAfile", cert, "-in", path], capture_output=True, text=True)
        return r.returncode == 0 and "Signature verification: ok" in r.stdout

    program = os.path.join(signed, name, "qorvi-calculator.exe")
    setup = os.path.join(signed, name + "-windows-x64-setup.exe")
    check("the program's signature verifies", verifies(program))
    check("the installer's signature verifies", verifies(setup))
    check("the unsigned build's program has no signature",
          not verifies(os.path.join(out, name, "qorvi-calculator.exe")))

    # The uninstaller as the installer writes it.
    prefix = os.path.join(work, "wine")
    wine_env = dict(os.environ, WINEPREFIX=prefix)
    os.makedirs(prefix)
    try:
        subprocess.run([WINE, "wineserver", "-p"], env=wine_env, check=True)
        subprocess.run([WINE, "wineboot", "-u"], env=wine_env, **QUIET)
        subprocess.run([WINE, "Z:" + setup.replace("/", "\\"), "/S", "/AllUsers"], env=wine_env, **QUIET)
        uninstaller = os.path.join(prefix, "drive_c", "Program Files", "Qorvi数学计算器", "uninstall.exe")
        check("the uninstaller written by the installer is signed, and verifies",
              os.path.exists(uninstaller) and verifies(uninstaller))
    finally:
        subprocess.run([WINE, "wineserver", "-k"], env=wine_env, **QUIET)

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
    with open(os.path.join(out, name, "qorvi-calculator.exe"), "rb") as f:
        unsigned = f.read()
    check("the signed program, its signature removed, is the unsigned program",
          without_checksum(without) == without_checksum(unsigned) and len(without) - len(unsigned) < 8)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
