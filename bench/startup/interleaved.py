#!/usr/bin/env python3
"""Runs programs in turn, each once per round in a shuffled order, so a machine whose load changes
weighs on all of them alike; prints the median wall time, processor time (user and system) and
peak resident size of each, and their ratios to the last one.

    interleaved.py ROUNDS PROGRAM... (the last is the yardstick)
"""
import os
import random
import statistics
import subprocess
import sys
import time

WARM_UP_ROUNDS = 3


def run_once(program):
    start = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{program} failed: status {status}")
    return wall * 1000, (usage.ru_utime + usage.ru_stime) * 1000, usage.ru_maxrss


def main():
    rounds, programs = int(sys.argv[1]), sys.argv[2:]
    samples = {p: [] for p in programs}
    for round_number in range(WARM_UP_ROUNDS + rounds):
        for program in random.sample(programs, len(programs)):
            sample = run_once(program)
            if round_number >= WARM_UP_ROUNDS:
                samples[program].append(sample)
    medians = {p: [statistics.median(column) for column in zip(*s)] for p, s in samples.items()}
    yardstick = medians[programs[-1]]
    for program in programs:
        wall, cpu, rss = medians[program]
        print(f"{os.path.basename(program)}: median wall {wall:.1f} ms ({wall / yardstick[0]:.2f}), "
              f"processor {cpu:.1f} ms ({cpu / yardstick[1]:.2f}), peak RSS {rss:.0f} KiB ({rss / yardstick[2]:.2f})")


if __name__ == "__main__":
    main()
