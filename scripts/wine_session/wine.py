"""A wineserver that lasts as long as its user wants, and Windows programs run to their
end."""

import subprocess
import tempfile

from .waits import TIMEOUT_SECONDS, wait_until


def start_wineserver(environment, timeout=TIMEOUT_SECONDS):
    """Starts the prefix's wineserver to last until stop_wineserver: Wine's own
    ends with the last program, so that every later start would start it again
    with all of Wine's own processes."""
    server = subprocess.Popen(["wineserver", "--foreground", "--persistent"], env=environment,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)

    def serving():
        if server.poll() is not None:
            raise RuntimeError(f"wineserver ended with status {server.returncode}")
        # Signal 0 only asks whether the prefix's server answers.
        return subprocess.run(["wineserver", "-k0"], env=environment,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    try:
        wait_until(serving, "wineserver to serve the prefix", timeout)
        # The first program starts Wine's own processes, the desktop among them, on this
        # display now rather than in the middle of a test.
        # Without a window manager, Wine waits two seconds for one to acknowledge each
        # managed window that goes away, the window of an ending program among them.
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                        "/d", "N", "/f"], env=environment, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120, check=True)
    except BaseException:
        stop_wineserver(server, environment)
        raise
    return server


def stop_wineserver(server, environment):
    """Ends the server and every program still running in its prefix: all of them
    were started by the server's owner, as the prefix is its own."""
    if server.poll() is None:
        subprocess.run(["wineserver", "--kill"], env=environment, timeout=60)
    server.wait(timeout=60)


def run_to_end(environment, arguments, cwd=None, timeout=60):
    """Runs a Windows program to its end; returns (exit status, stdout, stderr)."""
    # Files, not pipes: a Wine process that the program starts could hold a pipe
    # open long after the program has ended.
    with tempfile.TemporaryFile() as stdout, tempfile.TemporaryFile() as stderr:
        status = subprocess.run(["wine", *map(str, arguments)], cwd=cwd, env=environment,
                                stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr,
                                timeout=timeout).returncode
        stdout.seek(0)
        stderr.seek(0)
        return status, stdout.read().decode("utf-8", "replace"), stderr.read().decode(
            "utf-8", "replace")
