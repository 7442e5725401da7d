"""Reads every window's captions through AT-SPI, the way a screen reader
meets them, once in English and once in German, and fails on any caption
that reads the same in both: English left in the German program. The
windows are opened by their places in the menus, the same in both."""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi_tools import application, wait_for
from gi.repository import GLib

# Words that are the same in both languages: names, symbols, the words of
# the citations and German words spelt as the English ones.
SAME_IN_BOTH = {"Quorrel", "Halbrook", "Henssge", "Newton", "AM", "PM", "kg", "lb", "Q",
                "Marshall", "Hoare", "Wikipedia", "PDF", "Althaus", "Bolt", "Madea", "Mallach",
                "Crostack", "Koehler", "Int", "Legal", "Med", "Forensic", "Sci", "Table",
                "Minute", "Version", "Information"}
CAPTIONS = {pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX,
            pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG,
            pyatspi.ROLE_PANEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST_ITEM}


def walk(node, found):
    if node is None:
        return
    if node.getRole() in CAPTIONS:
        for text in (node.name, node.description):
            if text:
                found.add(text)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), found)


def captions(binary, language):
    # Settings of its own: the program never reads or writes the user's.
    env = dict(os.environ, LANGUAGE=language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=settings.name)
    program = subprocess.Popen([binary], env=env)
    try:
        app = wait_for("the quorrel application", application)
        bar = wait_for("the menu bar", lambda: pyatspi.findDescendant(
            app, lambda a: a is not None and a.getRole() == pyatspi.ROLE_MENU_BAR))
        # Every menu but the first, File, whose items ask for files.
        opened = 0
        for m in range(1, bar.childCount):
            for item in pyatspi.findAllDescendants(
                    bar.getChildAtIndex(m), lambda a: a is not None and
                    a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name and
                    not a.getState().contains(pyatspi.STATE_CHECKABLE) and
                    # The unit's item, checkable though Qt 6.4 does not say
                    # so, opens no window.
                    "\u00b0" not in a.name):
                try:
                    item.queryAction().doAction(0)
                except GLib.Error:
                    pass  # a modal window answers only once it is closed
                opened += 1
        wait_for("every window", lambda: True if app.childCount > opened else None, 20)
        time.sleep(1)
        found = set()
        walk(app, found)
        return found
    finally:
        program.kill()
        program.wait()
        time.sleep(1)


def english_words(text):
    words = [w for w in re.findall(r"[A-Za-z]{3,}", text) if w not in SAME_IN_BOTH]
    return words


binary = sys.argv[1]
settings = tempfile.TemporaryDirectory()
pyatspi.setTimeout(3000, 15000)
english = captions(binary, "en")
german = captions(binary, "de")
left = sorted(t for t in english & german if english_words(t))
if len(german) < 40:
    sys.exit(f"FAIL: only {len(german)} captions read in German")
if left:
    sys.exit("FAIL: English left in the German windows:\n  " + "\n  ".join(left))
print(f"PASS: {len(german)} captions read in German, none of them English")
