"""Benchmarks md5sum.exe under Wine against the host's md5sum, on one file of 1 GiB and on
300 small files, each program the given number of times, interleaved, with its output
going to a file. Run by scripts/bench with Wine's environment set and scripts/ on
PYTHONPATH:

  python3 bench/md5sum_bench.py MD5SUM_EXE WORK_FOLDER RUNS

The time runs from starting the program until it has ended: for md5sum.exe Wine's start
of a program is inside it, the start of Wine's server is not. The peak memory is GNU
time's maximum resident set size, which is also what Wine reports as a program's peak
working set. Per-run lines go to stderr; the summary, a markdown table, goes to stdout.
"""

import contextlib
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from wine_session.waits import wait_until

BIG_SIZE = 1 << 30
SMALL_COUNT = 300
SMALL_MAX_SIZE = 4096
WRITE_CHUNK = 16 << 20


def big_file(folder):
    """A file of BIG_SIZE random bytes, kept from an earlier run when it is there."""
    path = folder / "big.bin"
    if path.exists() and path.stat().st_size == BIG_SIZE:
        return path
    with open(path, "wb") as out:
        for _ in range(BIG_SIZE // WRITE_CHUNK):
            out.write(os.urandom(WRITE_CHUNK))
    return path


def small_files(folder):
    """SMALL_COUNT files of 1 to SMALL_MAX_SIZE random bytes; their names in order."""
    folder.mkdir(exist_ok=True)
    generator = random.Random(SMALL_COUNT)
    names = []
    for index in range(SMALL_COUNT):
        name = f"{index:03}.txt"
        (folder / name).write_bytes(generator.randbytes(generator.randint(1, SMALL_MAX_SIZE)))
        names.append(name)
    return names


def run_once(command, folder):
    """(seconds, peak resident set in KiB, stdout) of one run of the command in folder."""
    # Files, not pipes: the run's end is not held up by a Wine process that keeps a pipe.
    with tempfile.TemporaryFile() as stdout, tempfile.NamedTemporaryFile("r") as peak:
        start = time.perf_counter()
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak.name, *command], cwd=folder,
                       stdin=subprocess.DEVNULL, stdout=stdout, stderr=subprocess.DEVNULL,
                       check=True)
        seconds = time.perf_counter() - start
        stdout.seek(0)
        return seconds, int(peak.read().split()[-1]), stdout.read()


@contextlib.contextmanager
def lasting_wineserver():
    """One wineserver for every run: Wine's own ends a moment after its last program, and
    starting it again would weigh on the next run of md5sum.exe."""
    # A server that an earlier program left running ends first.
    subprocess.run(["wineserver", "--wait"], check=True)
    server = subprocess.Popen(["wineserver", "--foreground", "--persistent"],
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)

    def serving():
        if server.poll() is not None:
            raise RuntimeError(f"wineserver ended with status {server.returncode}")
        # Signal 0 only asks whether the prefix's server answers.
        return subprocess.run(["wineserver", "-k0"], stderr=subprocess.DEVNULL).returncode == 0

    try:
        wait_until(serving, "wineserver to serve the prefix")
        yield
    finally:
        if server.poll() is None:
            subprocess.run(["wineserver", "--kill"], check=False)
        server.wait()


class Contender:
    def __init__(self, name, program):
        self.name = name
        self.program = program
        self.seconds = []
        self.peak_kib = []

    def median_seconds(self):
        return statistics.median(self.seconds)

    def median_peak_kib(self):
        return statistics.median(self.peak_kib)


class Case:
    """One set of files, given to both programs: md5sum.exe first, the host's md5sum second."""

    def __init__(self, name, folder, arguments, size, md5sum_exe):
        self.name = name
        self.folder = folder
        self.arguments = arguments
        self.size = size
        self.contenders = [Contender("md5sum.exe", ["wine", md5sum_exe]),
                           Contender("md5sum", ["md5sum"])]

    def command(self, contender):
        return [*contender.program, *self.arguments]

    def check_agreement(self):
        """Runs each contender once, untimed, so that the files are in the page cache and
        Wine's server is up; stops the bench unless they print the same lines."""
        outputs = {run_once(self.command(contender), self.folder)[2]
                   for contender in self.contenders}
        if len(outputs) != 1:
            sys.exit(f"md5sum_bench: md5sum.exe and md5sum disagree on {self.name}")

    def measure(self, run):
        for contender in self.contenders:
            seconds, peak_kib, _ = run_once(self.command(contender), self.folder)
            contender.seconds.append(seconds)
            contender.peak_kib.append(peak_kib)
            print(f"run {run:2}  {self.name:<16} {contender.name:<11} {seconds:8.3f} s  "
                  f"peak {peak_kib:7} KiB", file=sys.stderr)


def megabytes_per_second(size, seconds):
    return size / seconds / 1e6


def print_summary(cases, runs):
    print(f"| Files | md5sum.exe under Wine, median of {runs} | Peak working set "
          f"| host md5sum, median of {runs} | Peak resident set "
          "| Throughput md5sum.exe / md5sum |")
    print("|---|---:|---:|---:|---:|---:|")
    for case in cases:
        exe, host = case.contenders
        cells = [case.name]
        for contender in (exe, host):
            seconds = contender.median_seconds()
            cells.append(f"{seconds:.3f} s ({megabytes_per_second(case.size, seconds):.0f} MB/s)")
            cells.append(f"{contender.median_peak_kib():.0f} KiB")
        cells.append(f"{host.median_seconds() / exe.median_seconds():.2f}")
        print("| " + " | ".join(cells) + " |")


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: python3 bench/md5sum_bench.py MD5SUM_EXE WORK_FOLDER RUNS")
    # Absolute, since each set of files is read in its own folder.
    md5sum_exe, work = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    runs = int(sys.argv[3])
    work.mkdir(parents=True, exist_ok=True)
    print("md5sum bench: making the files", file=sys.stderr)
    big = big_file(work)
    small_folder = work / "small"
    names = small_files(small_folder)
    small_size = sum((small_folder / name).stat().st_size for name in names)
    cases = [Case("1 GiB file", work, [big.name], BIG_SIZE, md5sum_exe),
             Case(f"{SMALL_COUNT} small files", small_folder, names, small_size, md5sum_exe)]
    with lasting_wineserver():
        for case in cases:
            case.check_agreement()
        print(f"md5sum bench: {runs} runs of each program, interleaved", file=sys.stderr)
        for run in range(1, runs + 1):
            for case in cases:
                case.measure(run)
    print_summary(cases, runs)


if __name__ == "__main__":
    main()
