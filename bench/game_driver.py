"""Drives the game and its floors on a private Xvfb, as a player would:
the harness's shared part (see rest_and_start.py)."""
import os
import subprocess
import sys
import time

# A busy Xvfb now and then turns a new client away; such a try is repeated.
ATTEMPTS = 5
MAIN_TITLE = "Korvalin ver"
HELP_TITLE = "Korvalin Help"
HELP_SIZE, HELP_BAR = 480, 24  # the title screen's client size and its bottom bar


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reply:
        display = reply.readline().strip()
    return server, ":" + display


def start_game(build, env):
    return subprocess.Popen(["./korvalin"], cwd=build, env=env, stderr=subprocess.DEVNULL)


def xdotool(env, *args):
    for _ in range(ATTEMPTS):
        result = subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True)
        if result.returncode == 0:
            return result.stdout.split()
    sys.exit(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")


def shown_windows(env, title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=env,
                          capture_output=True, text=True).stdout.split()


def title_screen_up(env, game):
    """Waits for the title screen; False when the game ended instead."""
    while game.poll() is None:
        if shown_windows(env, HELP_TITLE):
            return True
        time.sleep(0.2)
    return False


def leave_title_screen(env):
    """Right-click Level, take the first course, START, give a name, OK."""
    help_window = shown_windows(env, HELP_TITLE)[0]
    bar_middle = HELP_SIZE - HELP_BAR // 2
    xdotool(env, "mousemove", "--sync", "--window", help_window, "125", str(bar_middle))
    xdotool(env, "click", "3")
    time.sleep(0.5)
    xdotool(env, "key", "Down", "Return")
    time.sleep(0.5)
    xdotool(env, "mousemove", "--sync", "--window", help_window, "225", str(bar_middle))
    xdotool(env, "click", "1")
    time.sleep(0.8)
    xdotool(env, "type", "Taro")
    xdotool(env, "key", "Return")
    time.sleep(0.8)
    if shown_windows(env, HELP_TITLE):
        sys.exit("the title screen did not close: START was not reached")
