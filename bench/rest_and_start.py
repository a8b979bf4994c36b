#!/usr/bin/env python3
"""Measures the game at rest and at start-up against its floors, side by side.

Idle: the game and idle_floor (a bare window with the 10 ms timer) run at the
same time on one Xvfb and their CPU time is read from /proc/<pid>/stat over
the same seconds, first on the title screen, then after START standing still.
Start-up: map_watch times each program from its start to the X server mapping
its window: start_floor's bare main window against the game's main window and
its title screen, in interleaved pairs. Only ratios are printed: the machine
is shared, so absolute times say little.

usage: bench/rest_and_start.py [BUILD_DIR] [--runs N] [--seconds S] [--starts M]
"""
import argparse
import glob
import os
import statistics
import subprocess
import sys
import time

TICKS = os.sysconf("SC_CLK_TCK")
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


def cpu_seconds(pid):
    """User plus system time from /proc/<pid>/stat, and the scheduler's own
    nanosecond count, summed over all threads (Qt's X event reader is one),
    as a cross-check of the tick-sampled figure."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    exact = 0
    for task in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(task) as sched:
                exact += int(sched.read().split()[0]) / 1e9
        except FileNotFoundError:  # a thread that has just ended
            pass
    return (int(fields[11]) + int(fields[12])) / TICKS, exact


def measure(pids, seconds):
    before = [cpu_seconds(pid) for pid in pids]
    began = time.monotonic()
    time.sleep(seconds)
    wall = time.monotonic() - began
    after = [cpu_seconds(pid) for pid in pids]
    return [tuple(100 * (a - b) / wall for a, b in zip(end, start))
            for start, end in zip(before, after)]


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


def idle_run(build, tools, env, seconds):
    """Both idle figures of one run, or None when a program could not start."""
    game = subprocess.Popen(["./korvalin"], cwd=build, env=env, stderr=subprocess.DEVNULL)
    floor = subprocess.Popen([os.path.join(tools, "idle_floor")], env=env,
                             stderr=subprocess.DEVNULL)
    try:
        if not title_screen_up(env, game):
            return None
        time.sleep(3)
        if floor.poll() is not None:
            return None
        title = measure([game.pid, floor.pid], seconds)
        leave_title_screen(env)
        time.sleep(3)
        return title, measure([game.pid, floor.pid], seconds)
    finally:
        for process in (game, floor):
            process.terminate()
            process.wait()


def idle_runs(build, tools, env, runs, seconds):
    title, travel = [], []
    while len(title) < runs:
        if run := idle_run(build, tools, env, seconds):
            title.append(run[0])
            travel.append(run[1])
    return title, travel


def map_time(tools, env, cwd, title, command):
    for _ in range(ATTEMPTS):
        result = subprocess.run([os.path.join(tools, "map_watch"), title, command], cwd=cwd,
                                env=env, capture_output=True, text=True, timeout=60)
        if result.returncode == 0:
            return float(result.stdout)
    sys.exit(result.stderr.strip())


def start_runs(build, tools, env, starts):
    main, title = [], []
    for i in range(starts):
        floor_first = i % 2 == 0
        if floor_first:
            floor = map_time(tools, env, tools, "start floor", "./start_floor")
        game = map_time(tools, env, build, MAIN_TITLE, "./korvalin")
        help_up = map_time(tools, env, build, HELP_TITLE, "./korvalin")
        if not floor_first:
            floor = map_time(tools, env, tools, "start floor", "./start_floor")
        main.append(game / floor)
        title.append(help_up / floor)
    return main, title


def spread(values):
    values = sorted(values)
    if len(values) < 4:
        return f"{statistics.median(values):.2f} (min {values[0]:.2f}, max {values[-1]:.2f})"
    q1, q2, q3 = statistics.quantiles(values, n=4)
    return f"{q2:.2f} (quartiles {q1:.2f}-{q3:.2f}, min {values[0]:.2f}, max {values[-1]:.2f})"


def report_idle(name, samples):
    for column, source in ((0, "/proc/<pid>/stat"), (1, "schedstat")):
        game = [s[0][column] for s in samples]
        floor = [s[1][column] for s in samples]
        ratios = [g / f for g, f in zip(game, floor) if f > 0]
        print(f"  {name:<14} {source:<17} game {spread(game)} % of a core")
        print(f"  {'':<14} {'':<17} floor {spread(floor)} %")
        print(f"  {'':<14} {'':<17} ratio {spread(ratios)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build-release")
    parser.add_argument("--runs", type=int, default=5, help="idle runs (each 2 x seconds)")
    parser.add_argument("--seconds", type=float, default=30)
    parser.add_argument("--starts", type=int, default=20, help="start-up pairs")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    tools = os.path.join(build, "bench", "floors")

    # Other work on the machine blurs start-up times; where allowed, the
    # harness, its Xvfb and the programs it measures run ahead of it.
    try:
        os.nice(-10)
        priority = "raised priority (nice -10)"
    except PermissionError:
        priority = "normal priority"
    server, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    try:
        load_before = os.getloadavg()[0]
        main_ratio, title_ratio = start_runs(build, tools, env, args.starts)
        title, travel = idle_runs(build, tools, env, args.runs, args.seconds)
        load_after = os.getloadavg()[0]
    finally:
        server.terminate()
        server.wait()

    print(f"load average {load_before:.2f} before, {load_after:.2f} after "
          f"({os.cpu_count()} cores), {priority}")
    if args.starts:
        print(f"start-up, {args.starts} pairs, time to the mapped window / start_floor's:")
        print(f"  main window   {spread(main_ratio)}")
        print(f"  title screen  {spread(title_ratio)}")
    if args.runs:
        print(f"idle, {args.runs} runs of {args.seconds:g} s, game and idle_floor side by side:")
        report_idle("title screen", title)
        report_idle("after START", travel)


if __name__ == "__main__":
    main()
