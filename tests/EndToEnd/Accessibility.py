#!/usr/bin/python3
"""A screen reader's session with the program, through the accessibility bus alone: it finds
the list window and reads its rows, presses New… by its action, fills in the fields found by
their labels, presses OK, saves with the administrator prompt answered, and finds the new row.
It prints each role and name it found; it ends with status 1 and says why at the first step
that fails.

Usage: Accessibility.py LOGIN USER ID PASSWORD"""

import sys
import time

import pyatspi
from gi.repository import GLib


def say(text):
    print(text, flush=True)


def fail(text):
    say("FAILED: " + text)
    sys.exit(1)


def nodes(node):
    """The node and everything under it."""
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def await_node(find, what, seconds=20):
    for _ in range(seconds * 10):
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    fail("no " + what)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.name == "korvane":
                return app
        except GLib.Error:  # an application that has ended since the list was read
            pass
    return None


def window(title):
    app = program()
    if app is None:
        return None
    app.clear_cache()  # its windows as they are now
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == title and child.getState().contains(
                pyatspi.STATE_VISIBLE):
            return child
    return None


def find(root, role, name):
    try:
        for node in nodes(root):
            if node.getRoleName() == role and node.name == name:
                return node
    except GLib.Error:  # a window that closed while it was read
        pass
    return None


def press(root, name):
    button = await_node(lambda: find(root, "push button", name), "button " + name)
    actions = button.queryAction()
    say("found push button '%s', action '%s'" % (name, actions.getName(0)))
    await_node(lambda: button if button.getState().contains(pyatspi.STATE_SENSITIVE) else None,
               "usable button " + name)
    actions.doAction(0)


def fill(root, label, text):
    field = await_node(lambda: find(root, "text", label), "field labelled " + label)
    field.queryEditableText().setTextContents(text)
    say("found text '%s', typed '%s'" % (label, text))


def rows(list_window):
    shown = find(list_window, "list", list_window.name)
    if shown is None:
        return None
    shown.clear_cache()
    return [shown.getChildAtIndex(i).name for i in range(shown.childCount)]


def main():
    login, user, account, password = sys.argv[1:5]
    main_window = await_node(lambda: window("Job Accounts"), "window Job Accounts")
    say("found frame 'Job Accounts'")
    say("found list 'Job Accounts', rows: %s" % rows(main_window))
    press(main_window, "New\u2026")
    editor = await_node(lambda: window("Account"), "window Account")
    say("found frame 'Account'")
    fill(editor, "Login name:", login)
    fill(editor, "User name:", user)
    fill(editor, "Account ID:", account)
    press(editor, "OK")
    await_node(lambda: None if window("Account") else True, "editor closing")
    press(main_window, "Save")
    prompt = await_node(lambda: window("Administrator Rights"), "administrator prompt")
    say("found frame 'Administrator Rights'")
    fill(prompt, "Password:", password)
    press(prompt, "OK")
    wanted = "%s, %s" % (user, account)
    found = await_node(lambda: wanted in (rows(main_window) or []) or None, "row " + wanted)
    say("found list item '%s'" % wanted)
    say("rows now: %s" % rows(main_window))


main()
