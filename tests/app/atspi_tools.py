"""What the AT-SPI checks share: waiting for what a client should find, and
finding the program among the desktop's applications."""
import sys
import time

import pyatspi


def wait_for(what, find, seconds=60.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} not found through AT-SPI")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "quorrel":
            return app
    return None
