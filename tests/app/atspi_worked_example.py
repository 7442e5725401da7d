"""Reads and drives Quorrel through AT-SPI, the way a screen reader does: types
the worked example into the named fields, presses Calculate and reads the
estimated time of death back, and the signs window's probability within bounds;
then opens the brain nomogram by its shortcut, types the brain's reading as a
person does and reads its estimate back."""
import subprocess
import sys
import time

import pyatspi

from atspi_tools import application, wait_for

EXPECTED = "7:25:44 PM"


def named(root, role, name):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and a.name == name)


app = wait_for("the quorrel application", application)
window = wait_for("the main window",
                  lambda: named(app, pyatspi.ROLE_FRAME, "Quorrel Estimator - Halbrook"))

for field, value in (("Hour", "12"), ("Minute", "00"), ("Second", "00"), ("AM/PM", "AM")):
    named(window, pyatspi.ROLE_TEXT, field).queryEditableText().setTextContents(value)
named(window, pyatspi.ROLE_PUSH_BUTTON, "Set Time").queryAction().doAction(0)
wait_for("the time of discovery",
         lambda: named(window, pyatspi.ROLE_TEXT, "Time the Corpse was found")
         if named(window, pyatspi.ROLE_TEXT, "Time the Corpse was found").queryText()
         .getText(0, -1) == "12:00:00 AM" else None)

entries = (
    ("Ambient Room Temperature \u00b0F:", "60"),
    ("Corpse Temperature reading 1 \u00b0F:", "80"),
    ("Corpse Temperature reading 2 \u00b0F:", "75"),
    ("Time elapsed of 2nd Corpse Temperature reading (in hours):", "2"),
)
for name, value in entries:
    named(window, pyatspi.ROLE_TEXT, name).queryEditableText().setTextContents(value)
named(window, pyatspi.ROLE_PUSH_BUTTON, "Calculate").queryAction().doAction(0)

# Henssge's nomogram for 70 kg and a last sighting at 9:00 AM the day before:
# the signs window's probability within those bounds, read as a label's name.
# The result box, filled meanwhile, is read last.
def opened(item):
    named(app, pyatspi.ROLE_MENU_ITEM, item).queryAction().doAction(0)
    return wait_for(item, lambda: named(app, pyatspi.ROLE_FRAME, item[:-1] + " - Halbrook"))


def shown(root, what, test):
    return wait_for(what, lambda: pyatspi.findDescendant(root, lambda a: a is not None and test(a)))


henssge = opened("Henssge Nomogram\u2026")
named(henssge, pyatspi.ROLE_TEXT, "Body mass:").queryEditableText().setTextContents("70")
named(henssge, pyatspi.ROLE_PUSH_BUTTON, "Estimate").queryAction().doAction(0)
shown(henssge, "Henssge's estimate", lambda a: a.name.startswith("About 14 h 20 min"))
signs = opened("Signs of Death\u2026")
seen = named(signs, pyatspi.ROLE_TEXT, "Last seen alive:")
seen.queryEditableText().setTextContents("9:00 AM")
# Its day list, named by its pick, follows it; its open list takes the keys.
day = signs.getChildAtIndex(seen.getIndexInParent() + 1)
day.queryAction().doAction(0)
shown(day, "its open list", lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
for key in (0xFF52, 0xFF0D):  # Up, Return
    pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
shown(signs, "the day before", lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX
      and a.name == "the day before discovery")
named(signs, pyatspi.ROLE_PUSH_BUTTON, "Combine").queryAction().doAction(0)
shown(signs, "the probability within the bounds", lambda a: "died between 9:04 AM and 12:38 PM "
      "the day before discovery (95 %), median 10:14 AM the day before discovery; 68 %" in a.name)
print("PASS: a screen reader reads the probability within the bounds in the signs window")

result = named(window, pyatspi.ROLE_TEXT, "Estimated Time Of Death:")
deadline = time.monotonic() + 10
text = ""
while time.monotonic() < deadline:
    text = result.queryText().getText(0, -1)
    if text == EXPECTED:
        print(f"PASS: a screen reader reads '{text}' as the estimated time of death")
        break
    time.sleep(0.1)
else:
    sys.exit(f"FAIL: the result box reads '{text}', not '{EXPECTED}'")

BRAIN_EXPECTED = ("About 6 h 15 min before the body was found (95 % limits \u00b11.5 h): died "
                  "between 4:15 PM and 7:15 PM the day before discovery, most likely about "
                  "5:45 PM.")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.split()


# Keys go to the window that has the focus; with no window manager, the
# focus is given to it.
main = xdotool("search", "--sync", "--onlyvisible", "--name", "Quorrel Estimator - Halbrook")[0]
xdotool("windowfocus", "--sync", main)
xdotool("key", "--clearmodifiers", "ctrl+b")
brain = wait_for("the brain nomogram's window",
                 lambda: named(app, pyatspi.ROLE_FRAME, "Brain Nomogram - Halbrook"))
xdotool("windowfocus", "--sync",
        xdotool("search", "--sync", "--onlyvisible", "--name", "Brain Nomogram - Halbrook")[0])
xdotool("type", "--delay", "60", "80")
xdotool("key", "Return")


def estimate():
    found = pyatspi.findDescendant(
        brain, lambda a: a is not None and a.getRole() == pyatspi.ROLE_LABEL
        and a.description == "The estimate" and a.name)
    return found.name if found is not None else None


heard = wait_for("the brain nomogram's estimate", estimate, seconds=10)
if heard != BRAIN_EXPECTED:
    sys.exit(f"FAIL: the brain nomogram's estimate reads '{heard}', not '{BRAIN_EXPECTED}'")
print(f"PASS: a screen reader reads the brain nomogram's estimate: '{heard}'")
