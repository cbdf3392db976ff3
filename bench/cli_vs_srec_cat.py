#!/usr/bin/env python3
"""quaxel-cli set of one slot on a full-size firmware, as a whole process,
against srec_cat reading and rewriting the same file.

Usage: bench/cli_vs_srec_cat.py [QUAXEL-CLI] [RUNS]
  QUAXEL-CLI defaults to build/cli/quaxel-cli, RUNS to 200.

Both commands run in turns in one loop, so they share the machine's load.
Reported per process: median and 90th percentile of the wall time, and the
mean CPU time (user + system) taken from the children's resource usage.
"""
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "samples", "full-457-led-signal-001-dcc.hex")


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run(command):
    cpu = children_cpu()
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    wall = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit("failed: %s\n%s" % (" ".join(command), done.stderr.decode(errors="replace")))
    return wall, children_cpu() - cpu


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "cli", "quaxel-cli")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    srec_cat = shutil.which("srec_cat")
    if not os.access(cli, os.X_OK):
        sys.exit("quaxel-cli not found at %s: build it first (ninja -C build quaxel-cli)" % cli)
    if not srec_cat:
        sys.exit("srec_cat not found: install the Debian package srecord (tools/setup.sh does)")

    with tempfile.TemporaryDirectory() as work:
        commands = {
            "quaxel-cli set": [cli, "set", SAMPLE, "-o", os.path.join(work, "q.hex"), "--slot", "1=5r"],
            "srec_cat": [srec_cat, SAMPLE, "-intel", "-o", os.path.join(work, "s.hex"), "-intel"],
        }
        for command in commands.values():  # warm the page cache
            run(command)
        walls = {name: [] for name in commands}
        cpus = {name: [] for name in commands}
        for _ in range(runs):
            for name, command in commands.items():
                wall, cpu = run(command)
                walls[name].append(wall * 1000)
                cpus[name].append(cpu * 1000)

    print("%d runs each on %s (%d bytes)" % (runs, os.path.basename(SAMPLE), os.path.getsize(SAMPLE)))
    print("%-16s %12s %12s %12s" % ("process", "median ms", "p90 ms", "CPU ms"))
    for name in commands:
        w = sorted(walls[name])
        print("%-16s %12.2f %12.2f %12.2f" % (name, statistics.median(w), w[int(len(w) * 0.9) - 1],
                                             statistics.mean(cpus[name])))
    q, s = (statistics.median(walls[n]) for n in commands)
    print("quaxel-cli / srec_cat (median wall): %.2f" % (q / s))


if __name__ == "__main__":
    main()
