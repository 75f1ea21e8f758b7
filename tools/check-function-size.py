#!/usr/bin/env python3
"""Lists the functions of the program's code that are too long.

    tools/check-function-size.py [--limit 60] [FOLDER...]

The folders default to every folder of the program's own code: engine, app,
window, display, config, compare, options, runner, pictures, stats, system
and shards.  A folder named on the command line must exist.

A function's length is counted from the first line of its signature to its
closing brace.  The check fails when one is longer than the limit.  It reads
C++ well enough for this code: comments, strings, character literals and
preprocessor lines are blanked first, and a brace opens a function when the text before it, back to
the last ';', '{' or '}', ends in a parameter list (with const, noexcept,
override or a constructor's member initialisers after it).
"""

import argparse
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LITERALS = re.compile(r'^[ \t]*#[^\n]*|//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'',
                      re.S | re.M)
PRODUCT_FOLDERS = ["engine", "app", "window", "display", "config", "compare", "options", "runner", "pictures",
                   "stats", "system", "shards"]
NOT_FUNCTIONS = re.compile(r'\b(if|for|while|switch|catch|return)\s*\(')
SIGNATURE_END = re.compile(r'\)\s*(const\b|noexcept\b|override\b|final\b|\s)*$'
                           r'|\)\s*:\s*[\w:]+\s*[({].*[)}]\s*$', re.S)


def blanked(text):
    """The text with comments and literals replaced by spaces, lines kept."""
    return LITERALS.sub(lambda m: re.sub(r'[^\n]', ' ', m.group(0)), text)


def functions(path):
    """(name, first line, length) of each function defined in the file."""
    text = blanked(open(path, encoding="utf-8").read())
    found = []
    stack = []       # for each open brace: whether it opened a function
    head_start = 0   # where the text before the next brace begins
    for i, c in enumerate(text):
        if c in ";}":
            if c == "}" and stack:
                is_function, start = stack.pop()
                if is_function:
                    first = text.count("\n", 0, start) + 1
                    last = text.count("\n", 0, i) + 1
                    name = re.search(r'([~\w:]+)\s*\(', text[start:i])
                    found.append((name.group(1) if name else "?", first, last - first + 1))
            head_start = i + 1
        elif c == "{":
            inside_function = any(is_function for is_function, _ in stack)
            head = text[head_start:i]
            is_function = (not inside_function and bool(SIGNATURE_END.search(head.strip()))
                           and not NOT_FUNCTIONS.search(head))
            start = head_start + len(head) - len(head.lstrip())
            stack.append((is_function, start))
            head_start = i + 1
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--limit", type=int, default=60)
    parser.add_argument("folders", nargs="*")
    args = parser.parse_args()
    if args.folders:
        missing = [folder for folder in args.folders if not os.path.isdir(os.path.join(ROOT, folder))]
        if missing:
            parser.error(f"no folder {', '.join(missing)} in {ROOT}")
    else:
        args.folders = PRODUCT_FOLDERS
    longest = (0, "")
    too_long = []
    count = 0
    for folder in args.folders:
        for directory, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(directory, name)
                where = os.path.relpath(path, ROOT)
                for function, line, length in functions(path):
                    count += 1
                    longest = max(longest, (length, f"{where}:{line} {function}"))
                    if length > args.limit:
                        too_long.append(f"{where}:{line}: {function} is {length} lines long")
    for line in too_long:
        print(f"check-function-size: {line}")
    print(f"check-function-size: {count} functions in {', '.join(args.folders)}; the longest is "
          f"{longest[0]} lines ({longest[1]}); limit {args.limit}")
    return 1 if too_long else 0


if __name__ == "__main__":
    sys.exit(main())
