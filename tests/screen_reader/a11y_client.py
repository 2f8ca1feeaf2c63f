# A small client of the accessibility bus: starts a program, finds it in the registry, records
# the events a screen reader listens to, and presses keys and actions as a player would.
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

LISTENED = (
    "object:state-changed:focused",
    "object:state-changed:showing",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
)


class Seen:
    """One event as a reader met it: its kind, and what its source said of itself then."""

    def __init__(self, event):
        self.kind = event.type
        self.on = bool(event.detail1)
        source = event.source
        self.source = source
        try:
            self.role = source.getRole()
            self.name = source.name or ""
            self.description = source.description or ""
            self.index = source.getIndexInParent()
            self.parent_role = source.parent.getRole() if source.parent else None
            self.focused = source.getState().contains(pyatspi.STATE_FOCUSED)
        except Exception:  # a source gone before it was asked
            self.role, self.name, self.description, self.index = None, "", "", -1
            self.parent_role, self.focused = None, False
        self.cell = None  # (row, column) from 0, as the table counts
        if self.role == pyatspi.ROLE_TABLE_CELL and self.index >= 0:
            try:
                columns = source.parent.queryTable().nColumns
                self.cell = (self.index // columns, self.index % columns)
            except Exception:
                self.cell = None

    def is_focus(self):
        return self.kind == "object:state-changed:focused" and self.on

    def is_notice(self):
        return self.kind == "object:state-changed:showing" and self.on and self.role == pyatspi.ROLE_NOTIFICATION

    def __repr__(self):
        return f"{self.kind}({int(self.on)}) role={self.role} name={self.name!r} desc={self.description!r} index={self.index} cell={self.cell}"


class Client:
    def __init__(self):
        self.events = []
        self._listener = lambda event: self.events.append(Seen(event))
        pyatspi.Registry.registerEventListener(self._listener, *LISTENED)

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not context.iteration(False):
                time.sleep(0.01)

    def wait_for(self, predicate, timeout=10, since=0):
        """The first event from index `since` on that fits `predicate`, waiting up to `timeout`."""
        end = time.monotonic() + timeout
        while True:
            for seen in self.events[since:]:
                if predicate(seen):
                    return seen
            if time.monotonic() > end:
                return None
            self.pump(0.05)

    def mark(self):
        return len(self.events)

    def application(self, pid, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                try:
                    if app is not None and app.get_process_id() == pid:
                        return app
                except Exception:
                    pass
            self.pump(0.2)
        return None


def find(root, predicate):
    return pyatspi.findDescendant(root, predicate) if root is not None else None


def named(role, name):
    return lambda node: node is not None and node.getRole() == role and node.name == name


def press(node):
    """Runs the first action of `node` ("Press", "Toggle", "Click"), as a reader does."""
    node.queryAction().doAction(0)


def do_action(node, action_name):
    actions = node.queryAction()
    for k in range(actions.nActions):
        if actions.getName(k) == action_name:
            return actions.doAction(k)
    raise AssertionError(f"{node.name!r} has no action {action_name!r}")


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
