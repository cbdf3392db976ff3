#!/usr/bin/env python3
"""Runs Quaxel's benchmarks and prints each figure against its reference,
measured in the same run.

    tools/bench.py BUILD_DIR

- Core pipeline (quaxel_bench): the session's load of a 512-line file and the
  regeneration of every record, each against reading the same file's lines
  into memory (BM_ReadFileLines). Goal: under 1 ms and at most 3x.
- Start-up: `quaxel samples/demo.hex --screenshot` against a bare Qt Widgets
  window shown, grabbed and saved the same way (quaxel_bare_window), in wall
  time and peak memory, the runs of the two taking turns. Goal: at most 1.3x.
- Series: `quaxel-cli set --series N` of 10,000 files against one of 100, in
  wall time per file and peak memory. Goal: linear in time (at most 1.5x per
  file) and flat in memory (at most 1.5x for 100 times the files).
- Settings: export, apply, diff --settings and inventory over 10,000 files in
  one process (quaxel_settings_bench), against the series' time per file and
  against 100 files for peak memory. Goal: at most 1 ms per file for the work
  of the settings (export and apply to standard output, diff, inventory) and
  peak memory within 1.2x of 100 files. Export and apply to files are listed
  beside the series: like it, they sync every file to the disk.
- Editors: every other Google Benchmark program in BUILD_DIR/bench (repaints and
  mouse drags), against their goal of 1 ms.
"""
import glob
import json
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run_benchmark(program):
    out = subprocess.run([program, "--benchmark_format=json", "--benchmark_repetitions=5",
                          "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    figures = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[b["time_unit"]]
        figures[b["run_name"]] = b["cpu_time"] * scale  # microseconds
    return figures


def measure_process(argv, runs):
    """Median wall time (ms) and median peak memory (MiB) of a program run."""
    times, peaks = [], []
    for _ in range(runs):
        # A fresh child per run: ru_maxrss of the waited child is its own peak.
        start = time.perf_counter()
        pid = os.fork()
        if pid == 0:
            devnull = os.open(os.devnull, os.O_WRONLY)
            os.dup2(devnull, 1)
            os.dup2(devnull, 2)
            os.execve(argv[0], argv, dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        _, status, usage = os.wait4(pid, 0)
        times.append((time.perf_counter() - start) * 1e3)
        peaks.append(usage.ru_maxrss / 1024.0)
        if os.waitstatus_to_exitcode(status) != 0:
            sys.exit(f"{argv[0]} failed")
    return statistics.median(times), statistics.median(peaks)


def measure_side_by_side(programs, runs):
    """measure_process for several programs, one run of each in turn, so that
    a change in the machine's load falls on all of them alike."""
    times = [[] for _ in programs]
    peaks = [[] for _ in programs]
    for _ in range(runs):
        for i, argv in enumerate(programs):
            t, m = measure_process(argv, 1)
            times[i].append(t)
            peaks[i].append(m)
    return [(statistics.median(t), statistics.median(m)) for t, m in zip(times, peaks)]


def row(name, value, unit, reference, ref_name, goal):
    ratio = value / reference if reference else float("nan")
    verdict = "ok" if goal(value, ratio) else "MISSED"
    print(f"| {name} | {value:.1f} {unit} | {ref_name} {reference:.1f} {unit} | {ratio:.2f}x | {verdict} |")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    bench_dir = os.path.join(build, "bench")
    print("| figure | measured | reference | ratio | goal |")
    print("|---|---|---|---|---|")

    core = run_benchmark(os.path.join(bench_dir, "quaxel_bench"))
    floor = core["BM_ReadFileLines"]
    for name, label in (("BM_SessionLoadFile", "load, identify, slots (512 lines)"),
                        ("BM_SessionBuildLines", "BuildHexLines (full image)")):
        row(label, core[name], "us", floor, "read lines", lambda v, r: v < 1000 and r <= 3.0)

    with tempfile.TemporaryDirectory() as tmp:
        picture = os.path.join(tmp, "x.png")
        bare = [os.path.join(bench_dir, "quaxel_bare_window"), "--screenshot", picture]
        text = bare + ["--with-text"]
        full = [os.path.join(build, "quaxel"), os.path.join(ROOT, "samples", "demo.hex"), "--screenshot", picture]
        measure_process(bare, 2)  # warm the file cache
        measure_process(full, 2)
        (bare_time, bare_mem), (text_time, text_mem), (full_time, full_mem) = \
            measure_side_by_side([bare, text, full], 15)
    row("start-up to window shown, file loaded", full_time, "ms", bare_time, "bare window",
        lambda v, r: r <= 1.3)
    row("start-up peak memory", full_mem, "MiB", bare_mem, "bare window", lambda v, r: r <= 1.3)
    # Not a goal: how much of the gap any window with text pays for its fonts.
    row("(for scale) bare window with one label", text_time, "ms", bare_time, "bare window",
        lambda v, r: True)
    row("(for scale) its peak memory", text_mem, "MiB", bare_mem, "bare window", lambda v, r: True)

    # A DCC function decoder (addresses up to 16128) with every slot low, so
    # that 10,000 files with step 1 stay in range.
    cli = os.path.join(build, "cli", "quaxel-cli")
    sample = os.path.join(ROOT, "samples", "15872-led-dekoder-funktionsdekoder-schalten-dcc.hex")
    slots = [arg for s in range(1, 11) for arg in ("--slot", f"{s}={s}")]
    series = {}
    for count, runs in ((100, 5), (10000, 1)):
        with tempfile.TemporaryDirectory() as tmp:
            argv = [cli, "set", sample, "-o", os.path.join(tmp, "s.hex"), *slots,
                    "--series", str(count), "--step", "1"]
            wall, peak = measure_process(argv, runs)
            series[count] = (wall / count, peak)
    row("series of 10,000 files: time per file", series[10000][0], "ms", series[100][0], "series of 100",
        lambda v, r: r <= 1.5)
    # The names of the staged files (a few hundred bytes each) are all that grows.
    row("series of 10,000 files: peak memory", series[10000][1], "MiB", series[100][1], "series of 100",
        lambda v, r: r <= 1.5)

    settings_rows(bench_dir, series[10000][0])

    for program in sorted(os.listdir(bench_dir)):
        path = os.path.join(bench_dir, program)
        if program in ("quaxel_bench", "quaxel_bare_window") or not program.startswith("quaxel_bench"):
            continue
        if not os.access(path, os.X_OK) or os.path.isdir(path):
            continue
        for name, value in run_benchmark(path).items():
            row(name.removeprefix("BM_"), value, "us", 1000.0, "goal", lambda v, r: v < 1000)


def settings_folder(folder, count):
    """count copies of the bundled samples, taken in turn."""
    samples = sorted(glob.glob(os.path.join(ROOT, "samples", "*.hex")))
    os.makedirs(folder)
    for n in range(count):
        shutil.copyfile(samples[n % len(samples)], os.path.join(folder, f"{n:05d}.hex"))


def settings_rows(bench_dir, series_per_file):
    program = os.path.join(bench_dir, "quaxel_settings_bench")
    # The documents that apply and diff read are those export wrote, so export runs first.
    operations = ("export", "export-out", "apply", "apply-out", "diff", "inventory")
    figures = {}
    for count in (100, 10000):
        with tempfile.TemporaryDirectory() as tmp:
            files, out = os.path.join(tmp, "in"), os.path.join(tmp, "out")
            settings_folder(files, count)
            os.makedirs(out)
            for operation in operations:
                argv = [program, operation, files, out]
                result = subprocess.run(argv, check=True, capture_output=True, text=True)
                _, peak = measure_process(argv, 1)
                figures[(operation, count)] = (float(result.stdout), peak)
    names = {"export": "export to files", "export-out": "export", "apply": "apply to files",
             "apply-out": "apply", "diff": "diff --settings", "inventory": "inventory"}
    for operation in operations:
        per_file, peak = figures[(operation, 10000)]
        writes = operation in ("export", "apply")
        row(f"{names[operation]}, 10,000 files: time per file", per_file, "ms", series_per_file,
            "series per file", (lambda v, r: r <= 1.5) if writes else (lambda v, r: v <= 1.0))
        row(f"{names[operation]}, 10,000 files: peak memory", peak, "MiB", figures[(operation, 100)][1],
            "100 files", lambda v, r: r <= 1.2)


if __name__ == "__main__":
    main()
