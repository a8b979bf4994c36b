#!/usr/bin/env python3
"""Measures the whole desktop's cost at rest under each window manager: the
game, the window manager (with whatever it started) and the X server.

For each window manager a private Xvfb is started with it, the game is taken
past its title screen as a player would and left standing still; then the
share of a core used by each of the three is read from /proc over the same
seconds, in three states: the game played (its main window active), another
program in front (an xmessage window active), and the game minimised.
GNOME on Wayland ("gnome-wayland") is GNOME's compositor, headless, with
the Xwayland it starts, through which the game runs as on that desktop:
there the X server is Xwayland and the window manager mutter.

usage: bench/desktop_at_rest.py [BUILD_DIR] [--seconds S] [--runs N] [--wm NAME ...]
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # the harness's own modules leave no cache in the source tree
from game_driver import MAIN_TITLE, leave_title_screen, shown_windows, start_game, start_xvfb, \
    title_screen_up, xdotool

TICKS = os.sysconf("SC_CLK_TCK")
# Each window manager by its name in the report and its command; those that
# talk to the session bus get one of their own.
WINDOW_MANAGERS = {
    "openbox": ["openbox", "--sm-disable"],
    "xfwm4": ["xfwm4"],
    "metacity": ["dbus-run-session", "metacity", "--replace"],
    "kwin_x11": ["dbus-run-session", "kwin_x11", "--replace"],
    "mutter": ["dbus-run-session", "mutter", "--x11", "--replace"],
    "gnome-wayland": ["dbus-run-session", "mutter", "--wayland", "--headless",
                      "--virtual-monitor", "1024x768", "--wayland-display=korvalin-bench"],
}
STATES = ("played", "behind another", "minimised")


def descendants(pid):
    """The process and all it started, as pids."""
    found, todo = [], [pid]
    while todo:
        current = todo.pop()
        found.append(current)
        for task in os.listdir(f"/proc/{current}/task") if os.path.isdir(f"/proc/{current}") else ():
            try:
                with open(f"/proc/{current}/task/{task}/children") as children:
                    todo.extend(int(child) for child in children.read().split())
            except FileNotFoundError:
                pass
    return found


def cpu_seconds(pids):
    total = 0.0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            total += (int(fields[11]) + int(fields[12])) / TICKS
        except FileNotFoundError:  # a helper that has just ended
            pass
    return total


def measure(groups, seconds):
    """Per group of processes, its share of a core in percent."""
    before = [cpu_seconds(group()) for group in groups]
    began = time.monotonic()
    time.sleep(seconds)
    wall = time.monotonic() - began
    return [100 * (cpu_seconds(group()) - start) / wall for group, start in zip(groups, before)]


def wait_until(check, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if check():
            return True
        time.sleep(0.2)
    return False


def window_manager_up(env):
    result = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                            capture_output=True, text=True)
    return "window id" in result.stdout


def active_window(env):
    result = subprocess.run(["xdotool", "getactivewindow"], env=env, capture_output=True,
                            text=True)
    return result.stdout.strip()


def named(pid, name):
    try:
        with open(f"/proc/{pid}/comm") as comm:
            return comm.read().strip() == name
    except FileNotFoundError:
        return False


def start_x_desktop(wm, env, processes):
    """An Xvfb and the window manager on it; their groups of processes."""
    server, env["DISPLAY"] = start_xvfb()
    processes.append(server)
    manager = subprocess.Popen(WINDOW_MANAGERS[wm], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    processes.append(manager)
    return lambda: descendants(manager.pid), lambda: [server.pid]


def start_wayland_desktop(env, processes, home):
    """mutter as the compositor; the program it starts for the session tells
    the display and key of its Xwayland, which it starts on the way."""
    # Xwayland's socket folder must be writable by all, as a desktop makes it.
    os.makedirs("/tmp/.X11-unix", exist_ok=True)
    os.chmod("/tmp/.X11-unix", 0o1777)
    told = os.path.join(home, "display")
    compositor = subprocess.Popen(
        WINDOW_MANAGERS["gnome-wayland"] +
        ["--", "sh", "-c", 'echo "$DISPLAY $XAUTHORITY" >"$0"; exec sleep infinity', told],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    processes.append(compositor)
    if wait_until(lambda: os.path.getsize(told) > 0 if os.path.exists(told) else False, 20):
        with open(told) as reply:
            env["DISPLAY"], env["XAUTHORITY"] = reply.read().split()
    env.update(WAYLAND_DISPLAY="korvalin-bench", XDG_SESSION_TYPE="wayland")
    xwayland = lambda: [pid for pid in descendants(compositor.pid) if named(pid, "Xwayland")]
    manager = lambda: [pid for pid in descendants(compositor.pid) if not named(pid, "Xwayland")]
    return manager, xwayland


def one_run(build, wm, seconds):
    """The figures of one run, {state: (game, wm, X server)}; None when
    something did not come up."""
    home = tempfile.mkdtemp(prefix="korvalin-bench-")
    runtime = os.path.join(home, "run")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=home, XDG_RUNTIME_DIR=runtime,
               XDG_CONFIG_HOME=os.path.join(home, ".config"))
    for unset in ("WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DBUS_SESSION_BUS_ADDRESS"):
        env.pop(unset, None)
    processes = []
    try:
        if wm == "gnome-wayland":
            manager, server = start_wayland_desktop(env, processes, home)
        else:
            manager, server = start_x_desktop(wm, env, processes)
        if "DISPLAY" not in env or not wait_until(lambda: window_manager_up(env), 20):
            return None
        game = start_game(build, env)
        processes.append(game)
        if not title_screen_up(env, game):
            return None
        try:
            leave_title_screen(env)
        except SystemExit:  # a click the busy window manager lost: this run is tried again
            return None
        main = shown_windows(env, MAIN_TITLE)
        if not main:
            return None
        groups = (lambda: descendants(game.pid), manager, server)
        figures = {}
        time.sleep(3)
        figures["played"] = measure(groups, seconds)

        other = subprocess.Popen(["xmessage", "-geometry", "+600+500", "in front"], env=env,
                                 stderr=subprocess.DEVNULL)
        processes.append(other)
        wait_until(lambda: shown_windows(env, "xmessage"), 10)
        xdotool(env, "windowactivate", shown_windows(env, "xmessage")[0])
        time.sleep(2)
        if active_window(env) in main:
            return None
        figures["behind another"] = measure(groups, seconds)

        xdotool(env, "windowminimize", main[0])
        time.sleep(2)
        figures["minimised"] = measure(groups, seconds)
        return figures
    finally:
        # A desktop is ended with all it started (a session bus, Xwayland).
        for process in reversed(processes):
            try:
                leads = os.getpgid(process.pid) == process.pid
            except ProcessLookupError:
                leads = False
            if leads:
                os.killpg(process.pid, signal.SIGTERM)
            else:
                process.terminate()
            process.wait()
        shutil.rmtree(home, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build-release")
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--runs", type=int, default=2, help="runs per window manager")
    parser.add_argument("--wm", nargs="*", default=list(WINDOW_MANAGERS),
                        choices=list(WINDOW_MANAGERS))
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    print(f"% of a core at rest, median of {args.runs} runs of {args.seconds:g} s "
          f"(load average {os.getloadavg()[0]:.2f}, {os.cpu_count()} cores)")
    print(f"{'desktop':<15} {'game is':<15} {'game':>6} {'wm':>6} {'X':>6} {'whole':>6}")
    for wm in args.wm:
        command = WINDOW_MANAGERS[wm]
        if not shutil.which(command[1] if command[0] == "dbus-run-session" else command[0]):
            print(f"{wm:<15} not installed")
            continue
        runs = []
        for _ in range(args.runs * 2):
            if run := one_run(build, wm, args.seconds):
                runs.append(run)
            if len(runs) == args.runs:
                break
        if not runs:
            print(f"{wm:<15} did not come up")
            continue
        for state in STATES:
            game, manager, server = (statistics.median(run[state][i] for run in runs)
                                     for i in range(3))
            print(f"{wm:<15} {state:<15} {game:6.2f} {manager:6.2f} {server:6.2f} "
                  f"{statistics.median(sum(run[state]) for run in runs):6.2f}")


if __name__ == "__main__":
    main()
