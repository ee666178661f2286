"""The one 64-bit Wine prefix that every run shares, built once and reused, and the
private copies of it that the end-to-end tests run in."""

import contextlib
import fcntl
import os
import shutil
import subprocess
import sys
from pathlib import Path


def template_prefix():
    configured = os.environ.get("TALQO_WINEPREFIX")
    if configured:
        return Path(configured)
    cache = os.environ.get("XDG_CACHE_HOME") or str(Path.home() / ".cache")
    return Path(cache) / "talqo" / "wineprefix"


def wine_environment(prefix, display=None):
    """This process's environment, set up for Wine in `prefix` on `display` (none: no
    display at all)."""
    environment = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    environment.update(
        WINEPREFIX=str(prefix),
        WINEARCH="win64",
        WINEDEBUG="-all",
        # Without these Wine offers to download Mono and Gecko on the prefix's first start.
        WINEDLLOVERRIDES="mscoree,mshtml=",
    )
    if display:
        environment["DISPLAY"] = display
    return environment


def ensure_template_prefix():
    """Builds the shared prefix unless an earlier run finished building it."""
    prefix = template_prefix()
    # A prefix without this marker was never finished, so it is built again.
    marker = prefix / ".talqo-prefix-ready"
    if marker.exists():
        return prefix
    prefix.parent.mkdir(parents=True, exist_ok=True)
    # Two runs that start together build the prefix once: the second waits for the first.
    with open(f"{prefix}.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not marker.exists():
            print(f"wine_session: creating the Wine prefix {prefix}", file=sys.stderr)
            shutil.rmtree(prefix, ignore_errors=True)
            environment = wine_environment(prefix)
            subprocess.run(["wine", "wineboot", "-i"], env=environment, check=True, timeout=300,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=environment, check=True, timeout=300)
            marker.touch()
    return prefix


# Files that no run of Wine writes to: a private prefix shares them with the template.
_UNCHANGING_SUFFIXES = (".dll", ".exe", ".sys", ".drv", ".ocx", ".cpl", ".acm", ".tlb", ".nls")


def _link_or_copy(source, target):
    if source.lower().endswith(_UNCHANGING_SUFFIXES):
        with contextlib.suppress(OSError):
            os.link(source, target)
            return
    shutil.copy2(source, target)


def _leave_out_installed_tools(directory, names):
    # The demo installs md5sum.exe into the shared prefix; each test decides for itself.
    return {"md5sum.exe"} if directory.endswith("system32") else set()


def copy_prefix(template, target):
    """A prefix of one's own: a Wine prefix serves one wineserver, and a test must
    neither see the windows of other runs nor end their programs."""
    shutil.copytree(template, target, symlinks=True, copy_function=_link_or_copy,
                    ignore=_leave_out_installed_tools)


def system_folder(prefix):
    return Path(prefix) / "drive_c" / "windows" / "system32"


def install_in_system32(prefix, source, name=None):
    """Copies a program into the prefix's system folder, as a new file: the programs
    there may be links shared with the template prefix."""
    target = system_folder(prefix) / (name or Path(source).name)
    target.unlink(missing_ok=True)
    shutil.copyfile(source, target)
    return target
