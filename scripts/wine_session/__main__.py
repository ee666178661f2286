"""The scripts' way in:

  environment                    prints the shared prefix's Wine variables as `export`
                                 lines, for the shell to eval
  ensure-prefix                  builds the shared prefix unless it is built
  install-system32 FILE          puts FILE into the shared prefix's system folder
  xvfb                           starts a virtual display, prints its name (":N") and
                                 keeps it until its input ends or it is asked to stop
  wait-window TITLE PROBE PID    waits until a window so titled is visible, while the
                                 process PID runs; PROBE is the tests' probe.exe
  settled-screenshot FILE        saves the screen of $DISPLAY as PNG once painting ended
"""

import argparse
import os
import shlex
import signal
import sys

from . import display, prefix, windows
from .waits import wait_until


def print_environment(_):
    environment = prefix.wine_environment(prefix.template_prefix())
    for name in ("WINEPREFIX", "WINEARCH", "WINEDEBUG", "WINEDLLOVERRIDES"):
        print(f"export {name}={shlex.quote(environment[name])}")


def ensure_prefix(_):
    prefix.ensure_template_prefix()


def install_system32(arguments):
    prefix.install_in_system32(prefix.template_prefix(), arguments.file)


def serve_display(_):
    def stop(signal_number, frame):
        sys.exit(0)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)
    xvfb, name = display.start_xvfb()
    try:
        print(name, flush=True)
        # Whoever started it keeps its input open for as long as it needs the display,
        # so that the display goes with them however they end.
        sys.stdin.buffer.read()
    except KeyboardInterrupt:
        pass
    finally:
        display.stop_xvfb(xvfb)


def wait_window(arguments):
    environment = prefix.wine_environment(prefix.template_prefix(), os.environ["DISPLAY"])

    def visible():
        try:
            os.kill(arguments.pid, 0)
        except ProcessLookupError:
            raise RuntimeError(f"the process {arguments.pid} ended before its window "
                               "appeared") from None
        return windows.visible_report(environment, arguments.probe, "window", arguments.title)

    # The first program on a display also starts Wine's own processes there.
    wait_until(visible, f"the window {arguments.title!r} to be visible", timeout=60)


def settled_screenshot(arguments):
    display.save_png(display.settled_screenshot(os.environ["DISPLAY"]), arguments.file)


def main():
    parser = argparse.ArgumentParser(prog="python3 -m wine_session", description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(required=True, metavar="COMMAND")
    commands.add_parser("environment").set_defaults(run=print_environment)
    commands.add_parser("ensure-prefix").set_defaults(run=ensure_prefix)
    install = commands.add_parser("install-system32")
    install.add_argument("file")
    install.set_defaults(run=install_system32)
    commands.add_parser("xvfb").set_defaults(run=serve_display)
    window = commands.add_parser("wait-window")
    window.add_argument("title")
    window.add_argument("probe")
    window.add_argument("pid", type=int)
    window.set_defaults(run=wait_window)
    screenshot = commands.add_parser("settled-screenshot")
    screenshot.add_argument("file")
    screenshot.set_defaults(run=settled_screenshot)
    arguments = parser.parse_args()
    try:
        arguments.run(arguments)
    except (RuntimeError, TimeoutError) as error:
        sys.exit(f"wine_session: {error}")


if __name__ == "__main__":
    main()
