#!/usr/bin/python3
"""The window's first texts in the user's language: the real program and agent on a private
X server, started with German in the settings, a damaged preference file and an update check
that a local service fails, read through the accessibility bus alone. Each text the window
shows at the start (the damaged file's alert, the update check's alert, the account popup)
must be the German catalogue's translation of its text in the string table. Run inside its
own session bus:

    dbus-run-session -- start_language.py --ui whirlenUI --agent PelvaneMultimediaController \\
        --strings Strings.qml --catalogue translation_de.ts
"""

import http.server
import os
import re
import sys
import threading
import xml.etree.ElementTree

import pyatspi

import window_tree
from window_tree import Failure, Window, find_in, press, wait_for

UPDATE_CHECK_PATH = "/api/software-version-whirlen"


class Texts:
    """The string table's texts by property name, as the German catalogue translates them."""

    def __init__(self, strings_path, catalogue_path):
        with open(strings_path, encoding="utf-8") as strings:
            source = strings.read()
        self.sources = {
            name: re.sub(r"\\(.)", r"\1", text)
            for name, text in re.findall(
                r'readonly property string (\w+): qsTr\("((?:[^"\\]|\\.)*)"\)', source)
        }
        self.translations = {}
        for context in xml.etree.ElementTree.parse(catalogue_path).getroot().iter("context"):
            if context.findtext("name") != "Strings":
                continue
            for message in context.iter("message"):
                self.translations[message.findtext("source")] = message.findtext("translation")

    def german(self, name):
        source = self.sources.get(name)
        translation = self.translations.get(source)
        if not translation or translation == source:
            raise Failure("the catalogue has no German text for %s (%r)" % (name, source))
        return translation


class FailingCloud(http.server.ThreadingHTTPServer):
    """A cloud service on 127.0.0.1 that answers every request with an error, and counts the
    update checks it was asked."""

    def __init__(self):
        self.update_checks = 0
        cloud = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_POST(self):
                if self.path == UPDATE_CHECK_PATH:
                    cloud.update_checks += 1
                self.send_error(503)

            do_GET = do_POST

            def log_message(self, *arguments):
                pass

        super().__init__(("127.0.0.1", 0), Handler)
        threading.Thread(target=self.serve_forever, daemon=True).start()

    def url(self):
        return "http://127.0.0.1:%d" % self.server_address[1]


def alert_in_show(window, title, timeout=30):
    """The alert with that title, once it is the one shown."""
    wait_for(lambda: [node.name for node in window.nodes(pyatspi.ROLE_ALERT)] == [title],
             "the alert shown is not %r but %r"
             % (title, [node.name for node in window.nodes(pyatspi.ROLE_ALERT)]), timeout)
    return window.find(pyatspi.ROLE_ALERT, title)


def check(window, texts, kept_as, cloud):
    push = pyatspi.ROLE_PUSH_BUTTON
    ok = texts.german("confirmationButtonText")

    # The damaged file's alert, raised as the preferences are first read, stands first.
    damaged = alert_in_show(window, texts.german("preferencesDamagedText").replace("%1", kept_as))
    press(find_in(damaged, push, ok))
    window.gone(pyatspi.ROLE_ALERT, damaged.name)

    # Then the start's update check, which the service failed.
    wait_for(lambda: cloud.update_checks > 0, "the program did not check for updates", 30)
    failed = alert_in_show(window, texts.german("updateCheckFailedLabel"))
    press(find_in(failed, push, ok))
    window.gone(pyatspi.ROLE_ALERT, failed.name)

    # The account popup, opened at the start behind the connect screen, once that gives way.
    create = texts.german("createAConfTxt")
    tiles = []
    wait_for(lambda: tiles.extend(node for node in window.nodes(push)
                                  if node.name.startswith(create)) or tiles,
             "no tile to create a configuration: %r" % window.names(push))
    press(tiles[0])
    for name in ("loginText", "createNewAccountText"):
        window.find(push, texts.german(name), timeout=30)


def walk_start(arguments, folder, display, processes):
    texts = Texts(arguments.strings, arguments.catalogue)
    settings = window_tree.settings_folder(folder)
    os.makedirs(settings)
    preferences = os.path.join(settings, "pelvane_default.json")
    with open(preferences, "w") as damaged:
        damaged.write('{"MajorVersion": 1, "Profiles')
    cloud = FailingCloud()
    try:
        processes += window_tree.start_programs(
            arguments, folder, display,
            "[ApplicationSettings]\nLanguage=de\nUiTheme=0\nSoftwareCheckForUpdatesPermission=1\n",
            {"WHIRLEN_CLOUD_SERVICES_URL": cloud.url(), "WHIRLEN_CLOUD_IDENTITY_URL": cloud.url()})
        application = window_tree.find_application(os.path.basename(arguments.ui))
        check(Window(application), texts, preferences + ".damaged", cloud)
    finally:
        cloud.shutdown()
    print("the window's first texts are in the chosen language")
    return 0


def add_arguments(parser):
    parser.add_argument("--strings", required=True, help="the string table, Strings.qml")
    parser.add_argument("--catalogue", required=True, help="the German catalogue, .ts")


if __name__ == "__main__":
    sys.exit(window_tree.run(walk_start, add_arguments))
