# SPDX-License-Identifier: MIT
"""Reads the running program through AT-SPI, as a screen reader does: types 長谷川 and 由美子
through the boxes' editable text, presses 画数計算 and 鑑　定 and checks the names and roles of
the tree. Runs inside its own session bus and X server (dbus-run-session, xvfb-run)."""
import subprocess
import sys
import time

from gi.repository import Gio, GLib

# What Orca does on start: Qt exposes its tree once the a11y bus says a screen reader is there.
Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
    "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
    GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
    None, Gio.DBusCallFlags.NONE, 5000, None)

import pyatspi  # noqa: E402  (connects to the a11y bus that the call above started)

EXPECTED = {
    ("text", "姓"), ("text", "名"),
    ("text", "姓の1文字目の画数"), ("text", "姓の2文字目の画数"), ("text", "姓の3文字目の画数"),
    ("text", "名の1文字目の画数"), ("text", "名の2文字目の画数"), ("text", "名の3文字目の画数"),
    ("label", "天格 18"), ("label", "人格 8"), ("label", "地格 17"), ("label", "外格 27"),
    ("label", "総格 35"), ("label", "長谷川 由美子"),
}
SHOWN_IMAGES = {"未来 上昇", "仕事 上昇", "対人 上昇"}
THEMES = ("未来 ", "仕事 ", "対人 ")


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"accessibility_tree: no {what} after {seconds} s")


def application():
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == "quendrel"), None)


def nodes(root):
    yield root
    for child in root:
        yield from nodes(child)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for("quendrel on the a11y bus", application)
        def showing(name):
            return wait_for(repr(name), lambda: next(
                (node for node in nodes(app)
                 if node.name == name and node.getState().contains(pyatspi.STATE_SHOWING)), None))
        showing("姓").queryEditableText().setTextContents("長谷川")
        showing("名").queryEditableText().setTextContents("由美子")
        # A button pressed through its action clicks a moment later, as a key press shows it.
        showing("画数計算").queryAction().doAction(0)
        showing("総格 35")
        showing("鑑\u3000定").queryAction().doAction(0)
        showing("対人 上昇")
        tree = [(node.getRoleName(), node.name, node.getState().contains(pyatspi.STATE_SHOWING))
                for node in nodes(app)]
        for role, name, showing in tree:
            print(f"{role}: {name!r}{'' if showing else ' (not showing)'}")
        failures = [f"missing {role} {name!r}" for role, name in EXPECTED
                    if (role, name, True) not in tree]
        images = {name for role, name, showing in tree if role == "image" and showing}
        if images != SHOWN_IMAGES:
            failures.append(f"images showing: {sorted(images)}")
        if sum(role == "image" for role, _, _ in tree) != 15:
            failures.append("not 15 images")
        rows = [name for role, name, _ in tree if role == "label" and name.startswith(THEMES)]
        if not any(len(name) > 3 for name in rows) or len(rows) != 3:
            failures.append(f"fortune rows: {rows}")
        if failures:
            sys.exit("accessibility_tree:\n  " + "\n  ".join(failures))
    finally:
        program.terminate()
        program.wait(timeout=10)


main()
