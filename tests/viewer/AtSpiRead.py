# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the reading window through AT-SPI, as a screen reader does.

Usage: AtSpiRead.py YOMIWA YOMIWA-TOOL SAMPLE.Ywk
Runs the program on a private Xvfb with its own session bus and accessibility bus, opens a
collection whose first verse has a reading, and checks what a screen reader gets: the strip's
columns as labels named by the text heard, the page turn announced, the controls named by
their captions. Exits 77 (skipped) when the packages it needs are missing.
"""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
VERSE = "蜩《ひぐらし》の鳴く山路かな"
HEARD = "蜩（ひぐらし）の鳴く山路かな"


def skip_reason():
    for tool in ("Xvfb", "dbus-run-session"):
        if not shutil.which(tool):
            return tool + " is missing (packages xvfb, dbus-daemon)"
    if not os.access(LAUNCHER, os.X_OK):
        return "at-spi-bus-launcher is missing (package at-spi2-core)"
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        return "pyatspi is missing (package python3-pyatspi)"
    return None


def make_collection(tool, sample, folder):
    dumped = subprocess.run([tool, "dump", sample], check=True, capture_output=True,
                            timeout=30).stdout
    kushu = json.loads(dumped)
    first_verse = next(e for e in kushu["entries"] if e["kind"] == "Ku")
    first_verse["verse"] = VERSE
    kushu["title"] = "読み上げ"
    source = os.path.join(folder, "source.json")
    with open(source, "w", encoding="utf-8") as out:
        json.dump(kushu, out, ensure_ascii=False)
    subprocess.run([tool, "build", source, folder], check=True, capture_output=True, timeout=30)
    return next(os.path.join(folder, n) for n in os.listdir(folder) if n.endswith(".Ywk"))


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    if not display:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + display


def outer(args):
    reason = skip_reason()
    if reason:
        print("SKIPPED:", reason)
        return SKIP
    yomiwa, tool, sample = args
    with tempfile.TemporaryDirectory(prefix="yomiwa-atspi-") as home:
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime,
                   XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"))
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        collection = make_collection(tool, sample, home)
        # A copy away from the build's portable folder keeps its lock and files in `home`.
        yomiwa = shutil.copy(yomiwa, os.path.join(home, "yomiwa"))
        xvfb, display = start_xvfb()
        try:
            env["DISPLAY"] = display
            inner = subprocess.run(["dbus-run-session", "--", sys.executable, __file__,
                                    "--inner", yomiwa, collection], env=env, timeout=90)
            return inner.returncode
        finally:
            xvfb.terminate()
            xvfb.wait(timeout=10)


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(what, condition, seconds=20):
    from gi.repository import GLib
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def inner(args):
    yomiwa, collection = args
    children = [subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    try:
        time.sleep(1)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        children.append(subprocess.Popen([yomiwa, collection], env=env))
        return read_window()
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(timeout=10)
            except subprocess.TimeoutExpired:
                child.kill()


def read_window():
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)

    def app():
        for i in range(desktop.childCount):
            candidate = desktop.getChildAtIndex(i)
            if candidate is not None and "yomiwa" in (candidate.name or "").lower():
                return candidate
        return None

    window = wait_for("the program on the accessibility bus", app)
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.name), "object:property-change:accessible-name")

    def column(description):
        return find(window, lambda n: n.description == description)

    verse = wait_for("the verse column", lambda: column("句"))
    failures = []

    def check(what, got, expected):
        if got != expected:
            failures.append("%s: got %r, expected %r" % (what, got, expected))

    for description in ("前書", "句", "後書"):
        check(description + "'s role", column(description).getRoleName() in ("label", "static"),
              True)
    button = find(window, lambda n: n.name == "次のページ")
    check("the next-page button", button is not None, True)
    check("the strip", find(window, lambda n: n.name == "短冊") is not None, True)
    check("the comment box", find(window, lambda n: n.name.startswith("読者の感想")) is not None,
          True)
    if button is not None:
        button.queryAction().doAction(0)
        wait_for("the verse's new name", lambda: verse.name == HEARD, 10)
        wait_for("the page turn announced", lambda: HEARD in heard, 10)
    if failures:
        print("\n".join(failures))
        return 1
    print("read through AT-SPI:", verse.getRoleName(), repr(verse.name))
    return 0


def main():
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("timed out"))
    signal.alarm(110)
    if sys.argv[1:2] == ["--inner"]:
        return inner(sys.argv[2:])
    return outer(sys.argv[1:])


if __name__ == "__main__":
    sys.exit(main())
