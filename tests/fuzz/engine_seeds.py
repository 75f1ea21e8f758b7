#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_engine into corpus/engine/.

fuzz_engine reads its input with FuzzedDataProvider, which takes every
number from the end of the input backwards; a seed is therefore written here
as the calls in order and reversed at the end.  The encoding follows
fuzz_engine.cpp: one byte per call (its index in the Op list, modulo the
number of calls), then the call's arguments.

    python3 tests/fuzz/engine_seeds.py     # rewrites tests/fuzz/corpus/engine/
"""

import os

OPS = [
    "NewSized", "NewDefault", "SetSize", "SetAntCount", "SetFood", "SetHome",
    "SetAlpha", "SetBeta", "SetRo", "Reset", "ResetAnts", "AddObstacle",
    "AddObstacles", "IsObstacle", "RunGeneration", "ChooseNextCell",
    "IsOnAntPath", "SeedRandom", "ScriptRandom", "DropRandomScript",
    "RandomValue", "PrintAntPath", "PrintAntMap", "PrintTables", "ReadTables",
    "WritePheromone", "CompareWithReference",
]
OP = {name: i for i, name in enumerate(OPS)}

# fuzzDouble's picks
NAN, INF, NEG_INF, ZERO, ONE, MINUS_ONE, DOUBLE_MAX, DENORM = range(8)


class Program:
    def __init__(self):
        self.consumed = []  # bytes in the order the harness takes them

    def byte(self, b):
        self.consumed.append(b & 0xFF)

    def u32(self, v):
        # The first byte taken is the most significant.
        for shift in (24, 16, 8, 0):
            self.byte(v >> shift)

    def i32(self, v):
        # ConsumeIntegral<int> is INT_MIN plus the unsigned number read.
        self.u32((v + 2**31) & 0xFFFFFFFF)

    def size(self, n):  # 1..40
        self.byte(n - 1)

    def ants(self, k):  # 0..40
        self.byte(k)

    def coord(self, c):  # -2..41
        assert -2 <= c <= 41
        self.byte(c + 2)

    def ant_index(self, a):  # -2..41, or any int
        if -2 <= a <= 41:
            self.byte(a + 2)
        else:
            self.byte(230)
            self.i32(a)

    def small_int(self, v):  # -2..9, or any int
        if -2 <= v <= 9:
            self.byte(v + 2)
        else:
            self.byte(200)
            self.i32(v)

    def op(self, name, *args):
        self.byte(OP[name])
        for kind, value in args:
            getattr(self, kind)(value)
        return self

    def start(self, sized, size=0, ants=0, seed=1):
        self.byte(1 if sized else 0)
        if sized:
            self.size(size)
            self.ants(ants)
        self.u32(seed)
        return self

    def data(self):
        return bytes(reversed(self.consumed))


def seeds():
    out = {}

    p = Program().start(False, seed=1)
    for _ in range(3):
        p.op("RunGeneration")
    p.op("PrintAntPath", ("ant_index", 0)).op("ChooseNextCell", ("ant_index", 0))
    out["default-three-generations"] = p

    # A wall with one gap between home and food.
    p = Program().start(True, 10, 5, seed=42)
    for y in range(9):
        p.op("AddObstacle", ("coord", 5), ("coord", y))
    for _ in range(4):
        p.op("RunGeneration")
    p.op("PrintAntMap", ("ant_index", 1)).op("IsOnAntPath", ("ant_index", 1), ("coord", 4), ("coord", 9))
    p.op("CompareWithReference").u32(42)
    p.byte(2)  # three generations
    out["wall-with-gap"] = p

    # Size and ant count changed without a reset, then everything else.
    p = Program().start(True, 6, 4, seed=7)
    p.op("RunGeneration").op("SetSize", ("size", 30)).op("SetAntCount", ("ants", 9))
    p.op("SetHome", ("coord", 20), ("coord", 20)).op("AddObstacle", ("coord", 25), ("coord", 3))
    p.op("RunGeneration").op("ChooseNextCell", ("ant_index", 3)).op("IsOnAntPath", ("ant_index", 8), ("coord", 0), ("coord", 0))
    p.op("PrintTables").op("PrintAntMap", ("ant_index", 8)).op("ResetAnts")
    p.op("SetSize", ("size", 2)).op("RunGeneration").op("Reset").op("RunGeneration")
    out["resize-without-reset"] = p

    # Home and food on the same cell.
    p = Program().start(True, 5, 3, seed=3)
    p.op("SetFood", ("coord", 2), ("coord", 2)).op("SetHome", ("coord", 2), ("coord", 2)).op("Reset")
    p.op("RunGeneration").op("RunGeneration")
    p.op("CompareWithReference").u32(3)
    p.byte(3)  # four generations
    out["home-is-food"] = p

    # A careless world: an obstacle on home, another on the food.
    p = Program().start(True, 4, 2, seed=5)
    p.op("AddObstacle", ("coord", 0), ("coord", 0)).op("RunGeneration")
    p.op("AddObstacle", ("coord", 3), ("coord", 3)).op("RunGeneration")
    p.op("Reset").op("AddObstacle", ("coord", 1), ("coord", 0)).op("AddObstacle", ("coord", 1), ("coord", 1))
    p.op("AddObstacle", ("coord", 0), ("coord", 1)).op("RunGeneration")
    p.op("CompareWithReference").u32(5)
    p.byte(1)
    out["blocked-home"] = p

    # Scripted draws, odd parameters.
    p = Program().start(True, 8, 6, seed=9)
    p.op("ScriptRandom")
    p.byte(4 - 1)  # four draws
    for v in (-5, 40000, 0, 16383):
        p.small_int(v)
    p.op("SetRo").byte(NAN)
    p.op("SetAlpha", ("small_int", 2**31 - 1)).op("SetBeta", ("small_int", -(2**31)))
    p.op("RunGeneration").op("RunGeneration").op("PrintTables")
    p.op("SetRo").byte(INF)
    p.op("DropRandomScript").op("RunGeneration").op("ReadTables")
    p.op("RandomValue").byte(DOUBLE_MAX)
    p.byte(MINUS_ONE)
    out["scripted-draws-odd-parameters"] = p

    # Ant indexes outside the colony, and a shrunk ant count.
    p = Program().start(True, 5, 5, seed=11)
    p.op("RunGeneration").op("SetAntCount", ("ants", 2))
    for a in (-1, 2, 4, 5, 2**31 - 1, -(2**31)):
        p.op("ChooseNextCell", ("ant_index", a)).op("IsOnAntPath", ("ant_index", a), ("coord", 4), ("coord", 4))
        p.op("PrintAntPath", ("ant_index", a))
    out["ant-indexes"] = p

    # More obstacles than the list holds.
    p = Program().start(True, 3, 2, seed=13)
    p.op("AddObstacles", ("coord", 1), ("coord", 1))
    p.byte(0)
    p.byte(20)  # 21 times the same cell; the list holds 9
    p.op("AddObstacle", ("coord", 2), ("coord", 0)).op("IsObstacle", ("coord", 2), ("coord", 0))
    p.op("AddObstacle", ("coord", -1), ("coord", 0)).op("AddObstacle", ("coord", 3), ("coord", 1))
    p.op("RunGeneration")
    out["obstacles-beyond-capacity"] = p

    # The largest world the fuzzer uses, a few generations.
    p = Program().start(True, 40, 3, seed=17)
    p.op("RunGeneration").op("RunGeneration").op("NewSized", ("size", 1), ("ants", 4))
    p.u32(0)
    p.op("RunGeneration").op("PrintTables")
    out["largest-then-smallest"] = p

    return out


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "engine")
    os.makedirs(folder, exist_ok=True)
    for name, program in seeds().items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(program.data())


if __name__ == "__main__":
    main()
