"""Running Windows programs under Wine on a virtual X display, for the end-to-end tests
and for the scripts alike: the shared Wine prefix and private copies of it, the
wineserver, Xvfb, screenshots, probe.exe's reports and the waits for them.

The scripts reach it through its command line, `python3 -m wine_session`, with this
folder's parent on PYTHONPATH.
"""
