#!/usr/bin/env python3
"""Measures the game at rest and at start-up against its floors, side by side,
and the pace of the travel view's frames while the hiker rides and walks.

Idle: the game, idle_floor (a bare window with the 10 ms timer) and
title_floor (the same, moving its title at 20 Hz) run at the same time on one
Xvfb and their CPU time is read from /proc/<pid>/stat over the same seconds,
first on the title screen, then after START standing still.
Start-up: map_watch times each program from its start to the X server mapping
its window: start_floor's bare main window and splash_floor's main window
after its splash, against the game's main window and its title screen, in
interleaved rounds. Only ratios are printed: the machine is shared, so
absolute times say little.
Frames: frame_watch stamps every frame of the travel view while the hiker
goes up and down Honshu, and tells riding from walking by the marker's colour.

usage: bench/rest_and_start.py [BUILD_DIR] [--runs N] [--seconds S] [--starts M]
                               [--rides F] [--walks F]
"""
import argparse
import glob
import os
import statistics
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # the harness's own modules leave no cache in the source tree
from game_driver import (ATTEMPTS, HELP_TITLE, MAIN_TITLE, leave_title_screen, start_game,
                         start_xvfb, title_screen_up)
from travel_frames import frame_intervals, report_frames

TICKS = os.sysconf("SC_CLK_TCK")
IDLE_FLOORS = ("idle_floor", "title_floor")
# Each start-up floor by the title of the window that ends its start.
START_FLOORS = (("start_floor", "start floor"), ("splash_floor", "splash floor"))
FRAME_SECONDS = 150  # the most the frames may take, should rides keep failing


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


def idle_run(build, tools, env, seconds):
    """Both idle figures of one run, each a list of (cpu, exact) per program,
    the game first; None when a program could not start."""
    game = start_game(build, env)
    floors = [subprocess.Popen([os.path.join(tools, floor)], env=env, stderr=subprocess.DEVNULL)
              for floor in IDLE_FLOORS]
    pids = [game.pid] + [floor.pid for floor in floors]
    try:
        if not title_screen_up(env, game):
            return None
        time.sleep(3)
        if any(floor.poll() is not None for floor in floors):
            return None
        title = measure(pids, seconds)
        leave_title_screen(env)
        time.sleep(3)
        return title, measure(pids, seconds)
    finally:
        for process in (game, *floors):
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


def floor_times(tools, env, floors):
    return {floor: map_time(tools, env, tools, title, "./" + floor) for floor, title in floors}


def start_runs(build, tools, env, starts):
    """Per floor, the game's times to its main window and to its title screen
    divided by the floor's, one of each per round; every other round the
    order turns round, so that drift in the machine's load evens out."""
    ratios = {floor: ([], []) for floor, _ in START_FLOORS}
    for i in range(starts):
        floor_first = i % 2 == 0
        if floor_first:
            times = floor_times(tools, env, START_FLOORS)
        game = map_time(tools, env, build, MAIN_TITLE, "./korvalin")
        help_up = map_time(tools, env, build, HELP_TITLE, "./korvalin")
        if not floor_first:
            times = floor_times(tools, env, START_FLOORS[::-1])
        for floor, (main_window, title_screen) in ratios.items():
            main_window.append(game / times[floor])
            title_screen.append(help_up / times[floor])
    return ratios


def spread(values):
    values = sorted(values)
    if len(values) < 4:
        return f"{statistics.median(values):.2f} (min {values[0]:.2f}, max {values[-1]:.2f})"
    q1, q2, q3 = statistics.quantiles(values, n=4)
    return f"{q2:.2f} (quartiles {q1:.2f}-{q3:.2f}, min {values[0]:.2f}, max {values[-1]:.2f})"


def report_idle(name, samples):
    for column, source in ((0, "/proc/<pid>/stat"), (1, "schedstat")):
        game = [run[0][column] for run in samples]
        print(f"  {name:<14} {source:<17} game {spread(game)} % of a core")
        for index, floor_name in enumerate(IDLE_FLOORS, start=1):
            floor = [run[index][column] for run in samples]
            ratios = [g / f for g, f in zip(game, floor) if f > 0]
            print(f"  {'':<14} {'':<17} {floor_name} {spread(floor)} %")
            print(f"  {'':<14} {'':<17}   game / {floor_name} {spread(ratios)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build-release")
    parser.add_argument("--runs", type=int, default=4, help="idle runs (each 2 x seconds)")
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--starts", type=int, default=20, help="start-up rounds")
    parser.add_argument("--rides", type=int, default=200, help="frame intervals on a ride")
    parser.add_argument("--walks", type=int, default=60, help="frame intervals on foot")
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
        start_ratios = start_runs(build, tools, env, args.starts)
        at_title, after_start = idle_runs(build, tools, env, args.runs, args.seconds)
        frames = (frame_intervals(build, tools, env, args.rides, args.walks, FRAME_SECONDS)
                  if args.rides or args.walks else None)
        load_after = os.getloadavg()[0]
    finally:
        server.terminate()
        server.wait()

    print(f"load average {load_before:.2f} before, {load_after:.2f} after "
          f"({os.cpu_count()} cores), {priority}")
    if args.starts:
        print(f"start-up, {args.starts} rounds, the game's time to its mapped window / the floor's:")
        for floor, (main_window, title_screen) in start_ratios.items():
            print(f"  main window  / {floor:<12} {spread(main_window)}")
            print(f"  title screen / {floor:<12} {spread(title_screen)}")
    if args.runs:
        print(f"idle, {args.runs} runs of {args.seconds:g} s, the game and its floors side by side:")
        report_idle("title screen", at_title)
        report_idle("after START", after_start)
    if frames:
        report_frames(*frames)


if __name__ == "__main__":
    main()
