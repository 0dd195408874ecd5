# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the reading window through AT-SPI as a screen reader does: the program on a private
# Xvfb with its own session and accessibility buses, a collection whose first verse has a
# reading. Usage: AtSpiRead.py YOMIWA YOMIWA-TOOL SAMPLE.Ywk; exits 77 (skipped) when the
# packages it needs are missing.
import json, os, shutil, signal, subprocess, sys, tempfile, time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
HEARD = "蜩（ひぐらし）の鳴く山路かな"


def skip_reason():
    missing = [t for t in ("Xvfb", "dbus-run-session") if not shutil.which(t)]
    if missing or not os.access(LAUNCHER, os.X_OK):
        return "needs xvfb, dbus-daemon and at-spi2-core"
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        return "needs python3-pyatspi"
    return None


def outer(yomiwa, tool, sample):
    reason = skip_reason()
    if reason:
        print("SKIPPED:", reason)
        return 77
    with tempfile.TemporaryDirectory(prefix="yomiwa-atspi-") as home:
        os.mkdir(os.path.join(home, "runtime"), 0o700)
        env = {k: v for k, v in os.environ.items() if "BUS_ADDRESS" not in k}
        env.update(HOME=home, XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        kushu = json.loads(subprocess.run([tool, "dump", sample], check=True, timeout=30,
                                          capture_output=True).stdout)
        next(e for e in kushu["entries"] if e["kind"] == "Ku")["verse"] = "蜩《ひぐらし》の鳴く山路かな"
        kushu["title"] = "読み上げ"
        with open(os.path.join(home, "k.json"), "w", encoding="utf-8") as out:
            json.dump(kushu, out, ensure_ascii=False)
        subprocess.run([tool, "build", out.name, home], check=True, timeout=30)
        collection = next(os.path.join(home, n) for n in os.listdir(home) if n.endswith(".Ywk"))
        # A copy away from the build's portable folder keeps its lock and files in `home`.
        yomiwa = shutil.copy(yomiwa, os.path.join(home, "yomiwa"))
        # A second session on a fresh display, once: a display that another test's server took
        # away while this one started is the machine's fault, not the program's.
        for attempt in range(2):
            code = session(env, yomiwa, collection)
            if code == 0:
                return 0
        return code


def session(env, yomiwa, collection):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"],
                            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        env = dict(env, DISPLAY=":" + os.fdopen(read_end).readline().strip())
        return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, "--inner",
                               yomiwa, collection], env=env, timeout=45).returncode
    except subprocess.TimeoutExpired:
        return 1
    finally:
        xvfb.terminate()
        xvfb.wait(timeout=10)


def wait_for(what, condition, seconds=20):
    from gi.repository import GLib
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return condition()
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    if test(node):
        return node
    children = (find(node.getChildAtIndex(i), test, depth + 1) for i in range(node.childCount))
    return next((c for c in children if c is not None), None)


def inner(yomiwa, collection):
    import pyatspi
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    children = [subprocess.Popen([LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)]
    try:
        time.sleep(1)
        children.append(subprocess.Popen([yomiwa, collection], env=env))
        desktop = pyatspi.Registry.getDesktop(0)
        apps = lambda: [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        app = wait_for("the program", lambda: next(
            (a for a in apps() if a is not None and a.name.lower() == "yomiwa"), None))
        heard = []
        pyatspi.Registry.registerEventListener(lambda e: heard.append(e.source.name),
                                               "object:property-change:accessible-name")
        column = lambda text: find(app, lambda n: n.description == text)
        verse = wait_for("the verse column", lambda: column("句"))
        roles = [column(d).getRoleName() for d in ("前書", "句", "後書")]
        named = [find(app, lambda n: n.name == name) is not None
                 for name in ("次のページ", "短冊", "読者の感想・批評など(書き込みできます)")]
        if not set(roles) <= {"label", "static"} or not all(named):
            sys.exit("roles %s, named %s" % (roles, named))
        find(app, lambda n: n.name == "次のページ").queryAction().doAction(0)
        wait_for("the verse's new name", lambda: verse.name == HEARD, 10)
        wait_for("the page turn announced", lambda: HEARD in heard, 10)
        print("read through AT-SPI:", verse.getRoleName(), repr(verse.name))
        return 0
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(timeout=10)
            except subprocess.TimeoutExpired:
                child.kill()


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("timed out"))
    signal.alarm(110)
    if sys.argv[1] == "--inner":
        sys.exit(inner(*sys.argv[2:]))
    sys.exit(outer(*sys.argv[1:]))
