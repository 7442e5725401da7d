"""What the Orca checks share: the program is driven with the keyboard alone
(xdotool) while Orca runs, and what Orca said at each step is read from its
debug log. Each step waits for the words it expects rather than for a fixed
time, so a loaded machine only makes it slower."""
import re
import subprocess
import sys
import time

binary, log_path, orca_out = sys.argv[1:4]
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\[?\{'established'", re.DOTALL)
DEG = "\u00b0"
transcript = []
window = None


def log_text():
    try:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            return log.read().replace("\r", "")
    except FileNotFoundError:
        return ""


def spoken_since(offset):
    # Blanks as Orca's speech treats them: runs of any length are one pause.
    return [" ".join(u.split()) for u in UTTERANCE.findall(log_text()[offset:])]


def fail(message, offset=0):
    heard = spoken_since(offset)
    sys.exit(f"FAIL: {message}\n  Orca said: {heard[-15:]}")


def wait_until(what, ready, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if ready():
            return True
        time.sleep(0.1)
    return False


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def wait_closed(title):
    # Keys sent while a modal dialog is still up are lost to its parent.
    def closed():
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                              capture_output=True).returncode != 0
    if not wait_until(title, closed, 30):
        fail(f"'{title}' did not close")


def start(env=None):
    """Starts the program once Orca listens, and finds its main window."""
    global window
    # Orca says this once it listens; without it nothing else can be heard.
    if not wait_until("Orca", lambda: "Screen reader on." in log_text(), 90):
        with open(orca_out, encoding="utf-8", errors="replace") as out:
            sys.exit("FAIL: Orca did not start; it printed:\n" + out.read()[-2000:] +
                     log_text()[-2000:])
    program = subprocess.Popen([binary], env=env)
    # By its process: xdotool matches no title with letters beyond ASCII.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                             str(program.pid)], check=True, timeout=60,
                            capture_output=True, text=True).stdout.split()[0]
    return program


def finish(program):
    # Flushed now, so that a failure's reason, printed on the way out, comes
    # last: a log shown only by its tail then still shows why.
    for what, heard in transcript:
        print(f"{what}: {heard}", flush=True)
    program.terminate()
    program.wait(10)


class Title(str):
    """A window's title. Orca says it when the window takes the keyboard, but
    on a loaded machine its keyboard handler may see the new window before the
    window's own event, and then it stays silent about the title. What counts
    then is that the window told Orca it was activated."""

    def found(self, heard, log):
        return any(self in u for u in heard) or re.search(
            r"OBJECT EVENT: window:activate \(0, 0, " + re.escape(self) + r"\)", log)


def step(what, expected, keys=(), typed=None, seconds=30, handled=None, activate=False):
    """Presses keys (and types text), then waits until Orca has said every
    expected text, each within one utterance, and, where given, has handled
    the event that the pattern handled matches in its log. With activate, the
    main window is given the keyboard first, as a window manager would."""
    offset = len(log_text())
    if activate:
        xdotool("windowfocus", "--sync", window)
    for key in keys:
        xdotool("key", "--clearmodifiers", key)
    if typed is not None:
        xdotool("type", "--delay", "60", typed)

    def heard_all():
        heard, log = spoken_since(offset), log_text()[offset:]
        return all(e.found(heard, log) if isinstance(e, Title) else
                   any(" ".join(e.split()) in u for u in heard) for e in expected) and (
            handled is None or re.search(handled, log, re.DOTALL))

    started = time.monotonic()
    if not wait_until(what, heard_all, seconds):
        fail(f"{what}: Orca never said {expected} in {seconds} s", offset)
    transcript.append((f"{what} ({time.monotonic() - started:.1f} s)", spoken_since(offset)))
    # Let Orca finish speaking this step before the next key.
    time.sleep(0.3)
