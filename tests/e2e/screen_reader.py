# The program as a screen reader meets it on the AT-SPI bus, played with real keys
# (XTEST): names, descriptions and states, and every notification shown, which is
# what a screen reader speaks unasked. Run by screen_reader.sh with Debian's Python.
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

heard = []


def shown(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(" | ".join(filter(None, [event.source.name, event.source.description])))


def wait(seconds, done=lambda: False):
    end = time.time() + seconds
    while time.time() < end and not done():
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        wait(0.3)


# The window titled so, or the object named so in it.
def find(window, name=None):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Numerandia")
    top = next((w for w in app if w.name == window and w.getState().contains(pyatspi.STATE_SHOWING)), None)
    return top if top is None or name is None else pyatspi.findDescendant(top, lambda o: o.name == name)


def expect(what, got, want):
    wait(5, lambda: got() == want)
    print(("ok: " if got() == want else "FAIL: ") + what + ("" if got() == want else f": {got()!r}, not {want!r}"))
    got() == want or sys.exit(1)


pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
has = lambda window, name, state: find(window, name).getState().contains(state)
focusable = pyatspi.findAllDescendants(find("Numerandia"), lambda o: o.getState().contains(pyatspi.STATE_FOCUSABLE))
expect("everything in the start window that takes the focus has a name",
       lambda: [o.getRoleName() for o in focusable if not o.name], [])
keys("space")
wait(2)
expect("the abacus opens, and says nothing", lambda: [bool(find("Componi con l'abaco")), heard], [True, []])
keys("Tab", "space")
expect("a wrong answer is spoken", lambda: heard, ["Attento... Riprova!"])
keys("Tab", "Tab", "Tab", "space", "space", "Delete")
expect("each Space and Delete on the units rod says what it holds, and so does its description",
       lambda: heard[1:] + [find("Componi con l'abaco", "unità").description],
       ["unità, 1 pallina", "unità, 2 palline", "unità, 1 pallina", "1 pallina"])
wait(3.5)
expect("the timer empties the message without a word", lambda: len(heard), 4)

keys("Escape", "Tab", "space", "Tab", "Tab", "Tab", "Tab", "space")
expect("Space on the first row's button colours the row's cells, checked",
       lambda: [has("Colora la frazione", f"riga {row}, colonna 1", pyatspi.STATE_CHECKED) for row in (1, 2)]
       + [find("Colora la frazione", "colonna 1").description, heard[-1]],
       [True, False, "1 casella colorata", "riga 1, 10 caselle colorate"])
keys("Delete")
expect("Delete clears them", lambda: [has("Colora la frazione", "riga 1, colonna 1", pyatspi.STATE_CHECKED),
                                      heard[-1]], [False, "riga 1, 0 caselle colorate"])

keys("Escape", "Tab", "Tab", "space", "Tab", "Tab", "Tab", "space", "space", "space")
expect("the units button counts its blocks", lambda: find("Componi il numero", "Unità").description, "3 cubetti")

keys("Escape", "Tab", "Tab", "Tab", "space", "1", "2", "Return")
expect("the prime checker's result is spoken, with the start of the list",
       lambda: heard[-1], "12 non è primo, ha 4 divisori | È divisibile per 2, 3, 4 e 6.")
keys("2", "Return")
expect("and a prime's, while the typing box keeps the focus",
       lambda: [heard[-1], has("Numeri primi", "numero", pyatspi.STATE_FOCUSED)], ["2 è primo", True])
wait(1)
expect("each was spoken once", lambda: len(heard), 11)
