#!/usr/bin/env python3
"""Mutation check of the colony engine: does a wrong engine fail the tests?

Each mutant in tools/engine-mutants.txt is one small, deliberate fault in
the engine's source.  For each, a copy of the source tree gets the fault,
engine_tests is built, and its tests are run in two groups:

  unit         every engine test except the comparison with the reference
  reference    Equivalence.*: the engine against the linear-scan walk

A mutant is killed when a group fails (a crash or a time-out counts).  The
report says which groups killed which mutant; the check fails when a mutant
survives both, unless the list marks it "equivalent" (a change that cannot
alter any result, such as dropping a shortcut, and is listed to show so).

    tools/check-mutants.py                  # all mutants
    tools/check-mutants.py batch step-back  # those whose name has a word given
    tools/check-mutants.py --list

The list's format, one block per mutant:

    == name: what the fault is            (add "[equivalent]" if it is one)
    file: engine/colony.cpp
    - the original code, on one line or several
    + the code that replaces it (none: the code is deleted)

The original code is found by its characters other than white space, so
indentation, line breaks and spacing may change without touching the list.
It must occur exactly once in the file, and not as the middle of a longer
name.  The copy and its build are in build-mutants/ (--build to change); the
working tree is never touched.  A mutant whose original code is not found
exactly once stops the check: the list has to follow the code.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GROUPS = [("unit", "-Equivalence.*"), ("reference", "Equivalence.*")]
# The tree the copy needs: the engine, the reference and the engine tests.
ENGINE_ONLY = ["-DVORMIS_WINDOW=OFF", "-DVORMIS_RUNNER=OFF", "-DVORMIS_BENCHMARKS=OFF"]


class Mutant:
    def __init__(self, name, description, equivalent):
        self.name = name
        self.description = description
        self.equivalent = equivalent
        self.path = None
        self.original = []
        self.replacement = []


def read_mutants(path):
    mutants = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            where = f"{path}:{number}"
            if line.startswith("== "):
                name, _, description = line[3:].partition(":")
                equivalent = "[equivalent]" in description
                description = description.replace("[equivalent]", "").strip()
                mutants.append(Mutant(name.strip(), description, equivalent))
            elif not line.strip() or line.startswith("#"):
                continue
            elif not mutants:
                sys.exit(f"{where}: a mutant starts with '== name: description'")
            elif line.startswith("file: "):
                mutants[-1].path = line[6:].strip()
            elif line.startswith("- "):
                mutants[-1].original.append(line[2:])
            elif line.startswith("+ ") or line == "+":
                mutants[-1].replacement.append(line[2:])
            else:
                sys.exit(f"{where}: expected 'file:', '- ' or '+ ', not: {line}")
    names = set()
    for m in mutants:
        if not m.path or not m.original:
            sys.exit(f"mutant {m.name}: needs a 'file:' line and at least one '- ' line")
        if m.name in names:
            sys.exit(f"mutant {m.name}: the name is used twice")
        names.add(m.name)
    return mutants


def squeezed(text):
    """The text without its white space, and where each character left came from."""
    where = [i for i, c in enumerate(text) if not c.isspace()]
    return "".join(text[i] for i in where), where


def is_name_character(c):
    return c.isalnum() or c == "_"


def places(mutant, text):
    """Where the mutant's original code stands in the text, as (first, end) offsets."""
    pattern = "".join("".join(line.split()) for line in mutant.original)
    body, where = squeezed(text)
    found = []
    start = body.find(pattern)
    while start >= 0:
        first, end = where[start], where[start + len(pattern) - 1] + 1
        cut_before = first > 0 and is_name_character(text[first - 1]) and is_name_character(text[first])
        cut_after = end < len(text) and is_name_character(text[end]) and is_name_character(text[end - 1])
        if not cut_before and not cut_after:
            found.append((first, end))
        start = body.find(pattern, start + 1)
    return found


def mutated_text(mutant, text):
    found = places(mutant, text)
    if len(found) != 1:
        original = "\n".join(mutant.original)
        sys.exit(f"mutant {mutant.name}: its code occurs {len(found)} times in {mutant.path}, not once:\n{original}")
    first, end = found[0]
    return text[:first] + "\n".join(mutant.replacement) + text[end:]


def copy_tree(source):
    os.makedirs(os.path.dirname(source), exist_ok=True)
    if os.path.isdir(source):
        shutil.rmtree(source)
    ignore = shutil.ignore_patterns(".git", "build*", "__pycache__")
    # Fresh times, not the originals': a file left mutated by an interrupted
    # run must look older than the copy replacing it.
    shutil.copytree(ROOT, source, ignore=ignore, copy_function=shutil.copy)


def run(command, timeout, cwd=None):
    try:
        result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                timeout=timeout, text=True, errors="replace")
        return result.returncode, result.stdout
    except subprocess.TimeoutExpired:
        return "timeout", f"stopped after {timeout} s"


def build(build_dir, jobs):
    status, output = run(["cmake", "--build", build_dir, "--parallel", str(jobs), "--target", "engine_tests"],
                         timeout=900)
    return status == 0, output


def test_group(build_dir, gtest_filter, timeout):
    binary = os.path.join(build_dir, "tests", "engine", "engine_tests")
    status, output = run([binary, f"--gtest_filter={gtest_filter}", "--gtest_brief=1"], timeout=timeout)
    return status == 0, output


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("words", nargs="*", help="check only mutants whose name contains one of these")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--mutants", default=os.path.join(ROOT, "tools", "engine-mutants.txt"))
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--timeout", type=int, default=0,
                        help="seconds per test group (default: ten times the unchanged engine's time, at least 20)")
    args = parser.parse_args()

    mutants = read_mutants(args.mutants)
    if args.words:
        mutants = [m for m in mutants if any(w in m.name for w in args.words)]
    if args.list:
        for m in mutants:
            print(f"{m.name:28} {m.description}{'  [equivalent]' if m.equivalent else ''}")
        return 0
    if not mutants:
        sys.exit("no mutant matches")

    build_dir = os.path.abspath(args.build)
    source = os.path.join(build_dir, "src")
    binary_dir = os.path.join(build_dir, "bin")
    copy_tree(source)
    originals = {}
    for m in mutants:
        with open(os.path.join(source, m.path), encoding="utf-8") as f:
            originals.setdefault(m.path, f.read())
        mutated_text(m, originals[m.path])  # every mutant must apply before any is built

    print("check-mutants: configuring and building the unchanged engine tests", flush=True)
    status, output = run(["cmake", "-S", source, "-B", binary_dir, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                          *ENGINE_ONLY], timeout=600)
    if status != 0:
        sys.exit(f"check-mutants: configuring failed:\n{output}")
    built, output = build(binary_dir, args.jobs)
    if not built:
        sys.exit(f"check-mutants: the unchanged tree does not build:\n{output}")
    # A mutant may make a walk endless; a group that takes far longer than
    # it does on the unchanged engine is stopped and counts as failed.
    timeouts = {}
    for group, gtest_filter in GROUPS:
        started = time.time()
        passed, output = test_group(binary_dir, gtest_filter, 600)
        if not passed:
            sys.exit(f"check-mutants: the unchanged engine fails its {group} tests:\n{output}")
        timeouts[group] = args.timeout or max(20, int(10 * (time.time() - started)))

    results = []
    for m in mutants:
        started = time.time()
        target = os.path.join(source, m.path)
        with open(target, "w", encoding="utf-8") as f:
            f.write(mutated_text(m, originals[m.path]))
        built, output = build(binary_dir, args.jobs)
        killers = []
        if not built:
            killers = ["does not compile"]
        else:
            for group, gtest_filter in GROUPS:
                passed, _ = test_group(binary_dir, gtest_filter, timeouts[group])
                if not passed:
                    killers.append(group)
        with open(target, "w", encoding="utf-8") as f:
            f.write(originals[m.path])
        if not killers:
            verdict = "survived (equivalent)" if m.equivalent else "SURVIVED"
        elif m.equivalent:
            verdict = "killed, but listed as equivalent"
        else:
            verdict = "killed by " + " and ".join(killers)
        results.append((m, killers, verdict))
        print(f"check-mutants: {m.name:28} {verdict}  ({time.time() - started:.0f} s)", flush=True)

    survivors = [m for m, killers, _ in results if not killers and not m.equivalent]
    misjudged = [m for m, killers, _ in results if killers and m.equivalent]
    broken = [m for m, killers, _ in results if killers == ["does not compile"]]
    only_reference = [m for m, killers, _ in results if killers == ["reference"]]
    killed = sum(1 for _, killers, _ in results if killers)
    print(f"check-mutants: {len(results)} mutants: {killed} killed "
          f"({len(only_reference)} only by the reference comparison), "
          f"{sum(1 for m in mutants if m.equivalent)} listed as equivalent, {len(survivors)} survived")
    for m in survivors:
        print(f"check-mutants: SURVIVED {m.name}: {m.description}")
    for m in misjudged:
        print(f"check-mutants: {m.name} is listed as equivalent but the tests told it apart")
    for m in broken:
        print(f"check-mutants: {m.name} does not compile; a mutant should")
    return 1 if survivors or misjudged or broken else 0


if __name__ == "__main__":
    sys.exit(main())
