#!/usr/bin/env python3
"""Measures what the tests catch: draws one-line slips over src/ with a seed,
builds each into a scratch build folder, runs the quick tests and reports
which slips they caught.

    usage: mutation_sample.py <build folder> [--seed N] [--count N] [--list]
           mutation_sample.py <build folder> --replay <an earlier report>

The build folder must be configured from this checkout. Each slip is put in
place, the test programs are rebuilt and run, and the line is put back, so
the checkout ends as it began. --list only prints the slips drawn. --replay
tries the slips of an earlier report again, found by their lines' text, so
that two versions of the code are measured on the same sample.

A slip is one of: a comparison turned round, && for || and back, a negation
dropped, true for false and back, a number one higher, + for - and back, or
a statement left out. A slip that does not compile is drawn again. A table
(a file named *_table.cpp or *_rows.h) gives at most three slips, so the
sample measures the code rather than its data.
"""
import argparse
import os
import random
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TEST_TIMEOUT = 300

SWAPS = [
    (r"==", "!="), (r"!=", "=="),
    (r"(?<= )<=(?= )", "<"), (r"(?<= )<(?= )", "<="),
    (r"(?<= )>=(?= )", ">"), (r"(?<= )>(?= )", ">="),
    (r"&&", "||"), (r"\|\|", "&&"),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r"(?<![+\w])\+(?![+=])", "-"), (r"(?<![-\w>])-(?![-=>])", "+"),
]
NEGATION = re.compile(r"!(?=[\w(])")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
# A line that declares something rather than does it.
DECLARATION = re.compile(r"^\s*[\w:<>,*& ]+[\s*&]+\w+\s*[({=;\[]")


def is_code(line):
    text = line.strip()
    return (text and not text.startswith(("//", "#", "*", "/*")) and
            not text.startswith(("namespace", "}", "{")) and "static_assert" not in text)


def is_table(path):
    return path.name.endswith("_table.cpp") or path.name.endswith("_rows.h")


def slips_of(line, source=True):
    """Every one-line slip of a line, as (description, new line); only a
    source file's statements are left out."""
    code = line.split("//")[0]
    found = []
    for pattern, replacement in SWAPS:
        for m in re.finditer(pattern, code):
            if '"' in code[:m.start()] and code[:m.start()].count('"') % 2:
                continue  # inside a string
            found.append((f"{m.group(0)} -> {replacement}",
                          line[:m.start()] + replacement + line[m.end():]))
    for m in NEGATION.finditer(code):
        if code[m.start():m.start() + 2] != "!=":
            found.append(("drop !", line[:m.start()] + line[m.end():]))
    for m in NUMBER.finditer(code):
        if '"' in code[:m.start()] and code[:m.start()].count('"') % 2:
            continue
        value = int(m.group(1))
        found.append((f"{value} -> {value + 1}", line[:m.start()] + str(value + 1) + line[m.end():]))
    stripped = code.strip()
    if (source and stripped.endswith(";") and "(" in stripped and
            not stripped.startswith(("return", "case", "default")) and
            "=" not in stripped.split("(")[0] and not DECLARATION.match(code)):
        indent = line[:len(line) - len(line.lstrip())]
        found.append(("statement left out", indent + ";\n"))
    return found


def candidates():
    lines = []
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        for number, line in enumerate(path.read_text().splitlines(keepends=True), 1):
            if is_code(line) and slips_of(line, path.suffix == ".cpp"):
                lines.append((path, number, line))
    return lines


def draw(seed, count):
    rng = random.Random(seed)
    pool = candidates()
    rng.shuffle(pool)
    per_table = {}
    for path, number, line in pool:
        if is_table(path):
            if per_table.get(path, 0) >= 3:
                continue
            per_table[path] = per_table.get(path, 0) + 1
        what, new = rng.choice(slips_of(line, path.suffix == ".cpp"))
        yield path, number, line, what, new


def replayed(report):
    """The slips of a report, where their lines still stand."""
    for row in Path(report).read_text().splitlines():
        fields = row.split("\t")
        if len(fields) < 6 or fields[0] not in ("caught", "SURVIVED"):
            continue
        where, what, old, new = fields[1], fields[2], fields[3], fields[4]
        path = ROOT / where.rsplit(":", 1)[0]
        lines = path.read_text().splitlines(keepends=True) if path.exists() else []
        numbers = [n for n, line in enumerate(lines, 1) if line.strip() == old]
        if not numbers:
            print(f"GONE\t{where}\t{what}\t{old}", flush=True)
            continue
        number = min(numbers, key=lambda n: abs(n - int(where.rsplit(":", 1)[1])))
        line = lines[number - 1]
        indent = line[:len(line) - len(line.lstrip())]
        yield path, number, line, what, indent + new + "\n"


def run(command, timeout, env=None):
    try:
        return subprocess.run(command, cwd=ROOT, timeout=timeout, env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        return "hung"


def caught(build):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    programs = [[f"{build}/tests/korvalin_core_tests", "--gtest_brief=1"],
                [f"{build}/tests/korvalin_gui_tests", "--gtest_brief=1"],
                ["xvfb-run", "-a", f"{build}/tests/korvalin_x11_tests"]]
    for program in programs:
        status = run(program, TEST_TIMEOUT, env)
        if status != 0:
            return f"{Path(program[0]).name if program[0] != 'xvfb-run' else 'x11'}: {status}"
    scaled = dict(env, QT_SCALE_FACTOR="2")
    status = run([f"{build}/tests/korvalin_gui_tests", "--gtest_filter=EnglishWalk.*:THelpDlgEnglishTest.*"],
                 TEST_TIMEOUT, scaled)
    return f"gui at twice the scale: {status}" if status != 0 else None


def build(folder):
    return run(["cmake", "--build", folder, "-j2", "--target", "korvalin_core_tests",
                "korvalin_gui_tests", "korvalin_x11_tests"], 1800) == 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--seed", type=int, default=20261208)
    parser.add_argument("--count", type=int, default=50)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--replay")
    args = parser.parse_args()

    if not args.list and not build(args.build):
        sys.exit("the unchanged checkout does not build")
    kept = caught_count = 0
    slips = replayed(args.replay) if args.replay else draw(args.seed, 10 * args.count)
    for path, number, line, what, new in slips:
        if kept == args.count:
            break
        where = f"{path.relative_to(ROOT)}:{number}"
        if args.list:
            print(f"{where}\t{what}\t{line.strip()}")
            kept += 1
            continue
        original = path.read_text()
        lines = original.splitlines(keepends=True)
        lines[number - 1] = new
        path.write_text("".join(lines))
        try:
            if not build(args.build):
                continue
            kept += 1
            verdict = caught(args.build)
            caught_count += verdict is not None
            print(f"{'caught' if verdict else 'SURVIVED'}\t{where}\t{what}\t{line.strip()}"
                  f"\t{new.strip()}\t{verdict or ''}", flush=True)
        finally:
            path.write_text(original)
    if not args.list:
        build(args.build)
        print(f"caught {caught_count} of {kept} ({100 * caught_count // max(kept, 1)} %)")


if __name__ == "__main__":
    main()
