# SPDX-License-Identifier: MIT
"""The running program read through AT-SPI, as a screen reader reads it: 長谷川 and 由美子 go in
through the boxes' editable text, 画数計算 and 鑑　定 are pressed through their actions, and the
tree must name every result. Runs in its own session bus and X server."""
import subprocess
import sys
import time

from gi.repository import Gio, GLib

# As Orca does on start: Qt exposes its tree once the a11y bus says accessibility is on.
# IsEnabled, which Qt reads too: the at-spi2-core of Debian testing has no ScreenReaderEnabled.
Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
    "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
    GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
    None, Gio.DBusCallFlags.NONE, 5000, None)
import pyatspi  # noqa: E402  (reads the a11y bus that the call above started)

# (role, name) of everything a listener must hear after both commands, the rows of the appraisal
# by their themes; of the 15 images exactly these show.
HEARD = {("text", "姓"), ("text", "名"), ("text", "姓の1文字目の画数"), ("text", "名の3文字目の画数"),
         ("label", "天格 18"), ("label", "人格 8"), ("label", "地格 17"), ("label", "外格 27"),
         ("label", "総格 35"), ("label", "長谷川 由美子"), ("label", "未来 繊細運"),
         ("label", "仕事 強肩運"), ("label", "対人 繊細運"),
         ("image", "未来 上昇"), ("image", "仕事 上昇"), ("image", "対人 上昇")}


def role(node):
    """The role's name; at-spi2-core 2.56 (Debian 13) calls a push button "button"."""
    return "push button" if node.getRole() == pyatspi.ROLE_PUSH_BUTTON else node.getRoleName()


def showing(root):
    """(role, name, node) of every node that shows, the first word pair of a label only."""
    nodes = [root]
    while nodes:
        node = nodes.pop()
        nodes.extend(node)
        if node.getState().contains(pyatspi.STATE_SHOWING):
            name = node.name if role(node) != "label" else node.name.split("\u3000")[0]
            yield role(node), name, node


def wait_for(role, name, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == program.pid:
                found = [node for r, n, node in showing(app) if (r, n) == (role, name)]
                if found:
                    return app, found[0]
        time.sleep(0.1)
    sys.exit(f"accessibility_tree: no {role} {name!r} after {seconds} s")


program = subprocess.Popen([sys.argv[1]])
try:
    wait_for("text", "姓")[1].queryEditableText().setTextContents("長谷川")
    wait_for("text", "名")[1].queryEditableText().setTextContents("由美子")
    # A button pressed through its action clicks a moment later, as a key press shows it.
    wait_for("push button", "画数計算")[1].queryAction().doAction(0)
    wait_for("label", "総格 35")
    wait_for("push button", "鑑\u3000定")[1].queryAction().doAction(0)
    app = wait_for("image", "対人 上昇")[0]
    heard = {(role, name) for role, name, _ in showing(app)}
    print("\n".join(sorted(f"{role}: {name}" for role, name in heard)))
    missing = HEARD - heard
    extra_images = {(role, name) for role, name in heard if role == "image"} - HEARD
    if missing or extra_images:
        sys.exit(f"accessibility_tree: missing {sorted(missing)}, showing {sorted(extra_images)}")
finally:
    program.terminate()
    program.wait(timeout=10)
