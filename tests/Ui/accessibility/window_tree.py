#!/usr/bin/python3
"""The configuration program as a screen reader meets it: the real program and agent on a
private X server, read and worked through the accessibility bus alone (AT-SPI), the way an
assistive tool does. Run inside its own session bus:

    dbus-run-session -- window_tree.py --ui whirlenUI --agent PelvaneMultimediaController \
        --build 31

Each step names the control a user must be able to reach, with its role and visible text,
and presses it through its accessible action; the one key of the walk is typed on the X
server, as a keyboard types it, after the key field was pressed. With --dump the tree is printed as found.
"""

import argparse
import ctypes
import itertools
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi


class Failure(Exception):
    pass


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24", "-nolisten",
         "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    return xvfb, ":" + number


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Keyboard:
    """Keys typed on the X server as a keyboard types them (XTest), into the window
    under the pointer."""

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.xtest = ctypes.CDLL("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x.XStringToKeysym.restype = ctypes.c_ulong
        self.xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                 ctypes.c_ulong]
        self.xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                    ctypes.c_int, ctypes.c_ulong]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(display.encode())
        if not self.display:
            raise Failure("cannot open the X display")

    def point_at(self, x, y):
        self.xtest.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.x.XFlush(self.display)

    def type(self, name):
        code = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(name.encode()))
        for down in (1, 0):
            self.xtest.XTestFakeKeyEvent(self.display, code, down, 0)
            self.x.XFlush(self.display)
            time.sleep(0.1)


def showing(node):
    try:
        states = node.getState()
    except Exception:
        # A node that went while it was read, or a reply late on a busy machine.
        return False
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def role_of(node):
    try:
        return node.getRole()
    except Exception:
        return None


def walk(node, depth=0):
    """Every node below node that is on screen, depth first."""
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node[i]
        except Exception:
            continue
        if child is None or not showing(child):
            continue
        yield child, depth
        yield from walk(child, depth + 1)


def dump(application):
    for node, depth in walk(application):
        print("  " * depth + "%s %r" % (node.getRoleName(), node.name), flush=True)


class Window:
    def __init__(self, application):
        self.application = application

    def nodes(self, role):
        return [node for node, _ in walk(self.application) if role_of(node) == role]

    def find(self, role, name, timeout=10):
        """The node of that role and accessible name, waited for."""
        deadline = time.monotonic() + timeout
        while True:
            for node in self.nodes(role):
                if node.name == name:
                    return node
            if time.monotonic() > deadline:
                seen = sorted({n.name for n in self.nodes(role)})
                raise Failure("no %s %r on screen; seen: %r" % (role, name, seen))
            time.sleep(0.2)

    def gone(self, role, name, timeout=10):
        deadline = time.monotonic() + timeout
        while any(node.name == name for node in self.nodes(role)):
            if time.monotonic() > deadline:
                raise Failure("%r still on screen" % name)
            time.sleep(0.2)

    def names(self, role):
        return [node.name for node in self.nodes(role)]


def find_in(node, role, name, timeout=10):
    """The node of that role and name below node, waited for."""
    deadline = time.monotonic() + timeout
    while True:
        for child, _ in walk(node):
            if role_of(child) == role and child.name == name:
                return child
        if time.monotonic() > deadline:
            raise Failure("no %r in %r" % (name, node.name))
        time.sleep(0.2)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Press", "press", "Toggle", "toggle", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise Failure("%r offers no press action (%r)" % (node.name, names))


def has_state(node, state):
    return node.getState().contains(state)


def wait_for(condition, what, timeout=10):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise Failure(what)
        time.sleep(0.2)


def settings_folder(folder):
    return os.path.join(folder, "data", "PelvaneDesignMediaControllerSoftware")


def start_programs(arguments, folder, display, settings, environment=None):
    """The agent, then the program, on display, each with its folders under folder and no
    controller; settings is the text of the settings file, environment what is added to the
    programs' environment. The processes, to be stopped last first."""
    runtime = os.path.join(folder, "runtime")
    os.makedirs(runtime, mode=0o700)
    os.makedirs(settings_folder(folder), exist_ok=True)
    with open(os.path.join(settings_folder(folder), "ApplicationSettings.ini"), "w") as ini:
        ini.write(settings)
    for name in ("sys", "dev"):
        os.makedirs(os.path.join(folder, name))
    full = dict(os.environ)
    full.update({
        "DISPLAY": display,
        "QT_QPA_PLATFORM": "xcb",
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        "XDG_DATA_HOME": os.path.join(folder, "data"),
        "XDG_CONFIG_HOME": os.path.join(folder, "data"),
        "XDG_CACHE_HOME": os.path.join(folder, "data"),
        "XDG_RUNTIME_DIR": runtime,
        "WHIRLEN_SYSFS_ROOT": os.path.join(folder, "sys"),
        "WHIRLEN_DEV_ROOT": os.path.join(folder, "dev"),
    })
    full.update(environment or {})
    # The agent first, so that the program finds it and starts none of its own.
    processes = [subprocess.Popen([arguments.agent], env=full, stdout=subprocess.DEVNULL)]
    time.sleep(0.5)
    processes.append(subprocess.Popen([arguments.ui], env=full, stdout=subprocess.DEVNULL))
    return processes


def find_application(name, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            application = desktop[i]
            if application is not None and application.name == name:
                return application
        time.sleep(0.5)
    raise Failure("the program never appeared on the accessibility bus")


def check(window, keyboard, build):
    """The steps of a user binding a key with a screen reader; the About page tells the
    build's number."""
    push, tab, item = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST_ITEM

    # The connect screen: a configuration for the larger model.
    press(window.find(push, "Create a configuration Multimedia Controller Max", timeout=30))

    # The four tabs, the Global Settings page in front.
    for name in ("Global Settings", "Application specific", "Set up", "About & Support"):
        window.find(tab, name)
    wait_for(lambda: has_state(window.find(tab, "Global Settings"), pyatspi.STATE_SELECTED),
             "the first tab is not reported selected")
    press(window.find(tab, "Set up"))
    wait_for(lambda: has_state(window.find(tab, "Set up"), pyatspi.STATE_SELECTED),
             "pressing a tab does not select it")

    # The About page: pointing at the version, left of its button, tells the build number.
    press(window.find(tab, "About & Support"))
    wait_for(lambda: has_state(window.find(tab, "About & Support"), pyatspi.STATE_SELECTED),
             "the About page is not reported selected")
    tip = "Build no: " + build
    offsets = itertools.cycle((40, 41))

    def tip_shown():
        # The pointer moves anew each time: the page may still be settling under it.
        extents = window.find(push, "Check for updates").queryComponent().getExtents(
            pyatspi.DESKTOP_COORDS)
        keyboard.point_at(extents.x - next(offsets), extents.y + extents.height // 2)
        return any(node.name == tip for node in window.nodes(pyatspi.ROLE_TOOL_TIP))

    wait_for(tip_shown, "no tool tip %r on the version" % tip)
    press(window.find(tab, "Global Settings"))

    # The keybind rows, named by their control, each with its "Edit".
    wait_for(lambda: window.find(item, "No. 1").description != "",
             "the keybind row does not tell what the control does")
    edits = window.names(push).count("Edit")
    if edits < 10:
        raise Failure("only %d keybind rows offer their Edit" % edits)
    # The rows are rebuilt whenever the preferences are read again: ask for the row anew
    # until one answers with its Edit.
    def row_edit():
        for node in window.nodes(item):
            if node.name == "No. 1":
                for child, _ in walk(node):
                    if role_of(child) == push and child.name == "Edit":
                        return child
        return None

    edit = []
    wait_for(lambda: edit.append(row_edit()) or edit[-1] is not None,
             "the row of No. 1 offers no Edit")
    press(edit[-1])

    # The editor: its kinds of action as choices, Apply and Discard.
    keystroke = window.find(pyatspi.ROLE_RADIO_BUTTON, "Type Keystroke")
    for name in ("Disabled", "Run Program", "Run Macro", "Type Text", "Switch To Profile"):
        window.find(pyatspi.ROLE_RADIO_BUTTON, name)
    window.find(push, "Discard")
    press(keystroke)
    wait_for(lambda: has_state(keystroke, pyatspi.STATE_CHECKED),
             "the chosen kind of action is not reported checked")

    # Apply without a key: the refusal alert reads its text and its button.
    field = window.find(pyatspi.ROLE_TEXT, "Not assigned")
    press(window.find(push, "Apply"))
    alerts = []
    wait_for(lambda: alerts.extend(window.nodes(pyatspi.ROLE_ALERT)) or alerts,
             "no alert after a refused Apply")
    if not alerts[0].name:
        raise Failure("the alert has no text")
    texts = [node.name for node, _ in walk(alerts[0])]
    if alerts[0].name not in texts:
        raise Failure("the alert's text is not among its children: %r" % texts)
    press(find_in(alerts[0], push, "Ok"))
    window.gone(pyatspi.ROLE_ALERT, alerts[0].name)

    # The key field takes the keys once pressed, and reads the key it caught.
    extents = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    keyboard.point_at(extents.x + extents.width // 2, extents.y + extents.height // 2)
    press(field)
    wait_for(lambda: field.name == "Press any key", "the key field does not ask for a key")
    keyboard.type("F7")
    wait_for(lambda: field.name == "F7", "the key field does not read its key: %r" % field.name)
    press(window.find(push, "Apply"))
    window.gone(pyatspi.ROLE_RADIO_BUTTON, "Type Keystroke")
    wait_for(lambda: "F7" in window.find(item, "No. 1").description,
             "the row does not tell its new key: %r" % window.find(item, "No. 1").description)

    # The profile menu: its rows and its button.
    press(window.find(push, "Profiles"))
    profiles = window.nodes(item)
    window.find(push, "Create new profile")
    if not any(has_state(node, pyatspi.STATE_SELECTED) for node in profiles):
        raise Failure("no profile row is reported in use")
    press(window.find(push, "Go back"))

    # The settings: every toggle named by its label, pressed as a click presses it.
    press(window.find(push, "Settings"))
    toggle = window.find(pyatspi.ROLE_CHECK_BOX, "Download updates without asking")
    was = has_state(toggle, pyatspi.STATE_CHECKED)
    press(toggle)
    wait_for(lambda: has_state(toggle, pyatspi.STATE_CHECKED) != was,
             "pressing a settings toggle does not flip it")
    if len(window.nodes(pyatspi.ROLE_CHECK_BOX)) < 4:
        raise Failure("not every settings toggle is reachable")


def run(walk, add_arguments=None):
    """Parses the programs' paths (and what add_arguments adds), then runs
    walk(arguments, folder, display, processes) beside a private X server, with a folder of its
    own; what walk starts it adds to processes, which are stopped at the end. The exit code."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--ui", required=True)
    parser.add_argument("--agent", required=True)
    if add_arguments:
        add_arguments(parser)
    arguments = parser.parse_args()
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        print("run me under dbus-run-session", file=sys.stderr)
        return 2
    # Replies in milliseconds: a loaded machine answers slowly, not never.
    pyatspi.setTimeout(20000, 60000)

    folder = tempfile.mkdtemp(prefix="accessibility-")
    processes = []
    try:
        xvfb, display = start_xvfb()
        processes.append(xvfb)
        return walk(arguments, folder, display, processes)
    except Failure as failure:
        print("FAIL: %s" % failure, file=sys.stderr)
        return 1
    finally:
        for process in reversed(processes):
            stop(process)
        shutil.rmtree(folder, ignore_errors=True)


def walk_window(arguments, folder, display, processes):
    if arguments.build == "0":
        # What a stamp that is not filled in, or not read, shows: nothing to tell it from.
        print("the build sets no build number", file=sys.stderr)
        return 2
    # No update check at start: its failure, without a cloud, would show an alert.
    processes += start_programs(arguments, folder, display,
                                "[ApplicationSettings]\nLanguage=en\nUiTheme=0\n"
                                "SoftwareCheckForUpdatesPermission=0\n")
    application = find_application(os.path.basename(arguments.ui))
    if arguments.dump:
        time.sleep(5)
        dump(application)
        return 0
    check(Window(application), Keyboard(display), arguments.build)
    print("the window's controls are reachable by assistive technology")
    return 0


def add_walk_arguments(parser):
    # The build number the build wrote into the program's stamp.
    parser.add_argument("--build", required=True)
    parser.add_argument("--dump", action="store_true")


if __name__ == "__main__":
    sys.exit(run(walk_window, add_walk_arguments))
