"""The pace a player sees: the intervals between the travel view's frames
while the hiker rides and while he walks (see rest_and_start.py).

frame_watch stamps every frame of the main window's travel view and reads
the colour of the hiker's marker in it, which tells the mode the frame was
drawn in: an interval belongs to the mode of the frame that begins it, as
the tick that drew that frame set the wait for the next. The hiker goes up
and down a strip of Honshu; a key press (any key raises a thumb) is made
until a ride comes, and again to end a ride once it has been measured."""
import os
import select
import statistics
import subprocess
import time

from game_driver import (ATTEMPTS, MAIN_TITLE, leave_title_screen, shown_windows,
                         start_game, title_screen_up, xdotool)

# A frame is the view above the status bar being drawn anew; the probe is
# the middle of the marker's mode square, from the view's top-left corner.
FRAME_SIZE = ("464", "400")
MARKER_PROBE = ("234", "218")
RIDE, WALK = "FF0000", "800080"
TICKS_PER_CELL = 8
# From Kanazawa one cell east lies column 241, open land without a city or
# a mountain from row 117 to row 127; the hiker turns at rows 119 and 125,
# two cells short of the sea.
KANAZAWA_ROW = 119
NORTH_END, SOUTH_END = 119, 125
STALL_SECONDS = 5


class Frames:
    """frame_watch's lines, each read as soon as it comes."""

    def __init__(self, watch):
        self.fd = watch.stdout.fileno()
        self.pending = b""

    def next(self, timeout):
        while b"\n" not in self.pending:
            if not select.select([self.fd], [], [], timeout)[0]:
                return None
            chunk = os.read(self.fd, 4096)
            if not chunk:
                return None
            self.pending += chunk
        line, self.pending = self.pending.split(b"\n", 1)
        return line.decode()


def arrow(step):
    return "Down" if step > 0 else "Up"


class Hiker:
    """Follows the hiker cell by cell, eight frames to a cell, and presses
    the keys at the first frame of a cell, as a key takes effect at the
    cell's end."""

    def __init__(self, env):
        self.env = env
        self.row = KANAZAWA_ROW
        self.step = 0  # the first cell goes east, onto column 241
        self.turn_to = None
        self.frame_in_cell = 0

    def frame(self, thumb_wanted):
        self.frame_in_cell += 1
        if self.frame_in_cell == 1:
            self.press(thumb_wanted)
        if self.frame_in_cell == TICKS_PER_CELL:
            self.frame_in_cell = 0
            self.row += self.step
            if self.turn_to:
                self.step, self.turn_to = self.turn_to, None

    def press(self, thumb_wanted):
        if self.step == 0:
            self.turn_to = 1
        elif self.row + self.step in (NORTH_END, SOUTH_END):
            self.turn_to = -self.step
        elif not thumb_wanted:
            return
        xdotool(self.env, "key", arrow(self.turn_to or self.step))


def drive(env, frames, rides, walks, seconds):
    """Rides and walks until both have their intervals or time is up."""
    hiker = Hiker(env)
    riding, walking = [], []
    xdotool(env, "key", "Right")
    began = time.monotonic()
    last = None
    while len(riding) < rides or len(walking) < walks:
        if time.monotonic() - began > seconds:
            break
        line = frames.next(STALL_SECONDS)
        if line is None:
            break
        at, colour = line.split()
        at = float(at)
        if last and last[1] == RIDE:
            riding.append(at - last[0])
        elif last and last[1] == WALK:
            walking.append(at - last[0])
        last = (at, colour)
        # A thumb for a ride while one is wanted, or to end a ride early.
        hiker.frame(colour == WALK and len(riding) < rides or
                    colour == RIDE and len(riding) >= rides and len(walking) < walks)
    return riding, walking


def frame_run(build, tools, env, rides, walks, seconds):
    game = start_game(build, env)
    try:
        if not title_screen_up(env, game):
            return None
        time.sleep(1)
        leave_title_screen(env)
        window = shown_windows(env, MAIN_TITLE)[0]
        watch = subprocess.Popen([os.path.join(tools, "frame_watch"), window, *FRAME_SIZE,
                                  *MARKER_PROBE], env=env, stdout=subprocess.PIPE)
        try:
            frames = Frames(watch)
            if frames.next(STALL_SECONDS) != "watching":
                return None
            return drive(env, frames, rides, walks, seconds)
        finally:
            watch.terminate()
            watch.wait()
    finally:
        game.terminate()
        game.wait()


def frame_intervals(build, tools, env, rides, walks, seconds):
    for _ in range(ATTEMPTS):
        if run := frame_run(build, tools, env, rides, walks, seconds):
            return run
    return [], []


def report_frames(riding, walking):
    print("travel view, milliseconds between frames:")
    for name, intervals in (("riding", riding), ("walking", walking)):
        if len(intervals) < 2:
            print(f"  {name:<8} too few frames")
            continue
        p99 = statistics.quantiles(intervals, n=100, method="inclusive")[98]
        print(f"  {name:<8} {len(intervals):4d} intervals: median {statistics.median(intervals):.1f}"
              f", 99th percentile {p99:.1f}, longest {max(intervals):.1f}")
