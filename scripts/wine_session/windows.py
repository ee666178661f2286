"""What probe.exe, the end-to-end tests' helper program, tells about the windows on the
display."""

import json

from .wine import run_to_end


def probe(environment, probe_exe, *arguments, attempts=3):
    """probe.exe's report as a dict; {"found": False} when it found nothing.

    Now and then Wine's loader dies as the probe starts or ends and leaves no
    report; such a run is tried again."""
    for _ in range(attempts):
        status, stdout, stderr = run_to_end(environment, [probe_exe, *arguments])
        lines = stdout.strip().splitlines()
        if status in (0, 1) and lines:
            return json.loads(lines[-1])
    raise RuntimeError(f"probe.exe {' '.join(arguments)} ended with status {status} "
                       f"{attempts} times: {stderr}")


def visible_report(environment, probe_exe, kind, title):
    """probe.exe's report on the visible window of that kind ("window" or "dialog") so
    titled, or None while there is none."""
    report = probe(environment, probe_exe, kind, title)
    return report if report["found"] and report["visible"] else None
