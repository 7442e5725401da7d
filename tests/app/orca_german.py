"""The worked example typed in the German program while Orca runs: Orca must
say the German window titles, and Henssge's German estimate once, not twice."""
import os
import time

from orca_session import DEG, fail, finish, log_text, spoken_since, start, step, xdotool

MAIN, HENSSGE = "Quorrel-Schätzer - Halbrook", "Henssge-Nomogramm - Halbrook"
ESTIMATE = ("Etwa 14 h 20 min vor der Auffindung (95 %-Toleranzgrenzen \u00b12,8 h): Tod "
            "zwischen 6:52 AM und 12:28 PM am Tag vor der Auffindung, am wahrscheinlichsten "
            "gegen 9:40 AM.")

program = start(dict(os.environ, LANGUAGE="de", LC_ALL="de_DE.UTF-8"))
try:
    step("the main window gets the focus", [MAIN, "Std."], activate=True, seconds=60)
    for typed, then in (("12", "Min."), ("00", "Sek."), ("00", "AM / PM"),
                        ("AM", "Zeit setzen")):
        step(f"'{typed}' typed", [typed[-1]], typed=typed)
        step(f"Tab to '{then}'", [then], keys=["Tab"])
    xdotool("key", "space")  # Zeit setzen
    for label, value in ((f"Umgebungstemperatur {DEG}F:", "60"),
                         (f"Körpertemperatur (Messung 1) {DEG}F:", "80"),
                         (f"Körpertemperatur (Messung 2) {DEG}F:", "75"),
                         ("Zeit bis zur 2. Messung der Körpertemperatur (in Stunden):", "2")):
        step(f"Tab into '{label}'", [label], keys=["Tab"])
        step(f"'{value}' typed", [value[-1]], typed=value)
    step("Enter calculates", ["return"], keys=["Return"],
         handled=r"Dequeued object:text-changed:insert \[text \| Geschätzter Todeszeitpunkt:\]"
                 r".*?\^\^\^\^\^ PROCESS OBJECT EVENT")
    step("Ctrl+H opens Henssge's nomogram", [HENSSGE, "Körpergewicht"], keys=["ctrl+h"],
         activate=True)
    step("70 typed", ["0"], typed="70")
    # Orca 43 speaks every text with the voice of its own language and asks
    # for none by the text's: which voice spoke cannot be checked.
    offset = len(log_text())
    step("Enter estimates and the result is read", [ESTIMATE], keys=["Return"])
    # A second reading would come while Orca is still busy: count once its
    # log has stood still for two seconds.
    size, deadline = -1, time.monotonic() + 60
    while size != len(log_text()) and time.monotonic() < deadline:
        size = len(log_text())
        time.sleep(2)
    said = sum(ESTIMATE in u for u in spoken_since(offset))
    if said != 1:
        fail(f"the estimate was said {said} times", offset)
finally:
    finish(program)
print("PASS: Orca said the German titles, and Henssge's German estimate once")
