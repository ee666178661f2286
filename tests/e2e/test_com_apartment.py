"""talqo.exe makes its window's thread a single-threaded COM apartment before the form
loads, as the shell asks of every caller of ShellExecute, and leaves it when it ends.

Seen in Wine's relay trace, limited to the calls named in RELAY_INCLUDE (and the window
procedures, which the relay channel always shows). It records each call as the program
made it, at the boundary of the DLL it calls, with its arguments and its result:

  0128:Call combase.CoInitializeEx(00000000,00000006) ret=1400172c5
  0128:Ret  combase.CoInitializeEx() retval=00000000 ret=1400172c5

the thread's id first. A name without a DLL matches whichever DLL exports the function;
ole32 hands its COM calls on to combase.
"""

import re
import unittest
from collections import namedtuple

import harness

RELAY_INCLUDE = "CoInitializeEx;CoUninitialize;CreateFileW"
SETTINGS = b'demo.txt,"Demo file",900150983cd24fb0d6963f7d28e17f72,0,0,0,False\r\n'
COINIT_APARTMENTTHREADED = 0x2
COINIT_DISABLE_OLE1DDE = 0x4

TRACED_LINE = re.compile(r"^(?P<thread>[0-9a-f]+):(?P<kind>Call|Ret) +[\w.]+\."
                         r"(?P<function>CoInitializeEx|CoUninitialize|CreateFileW)"
                         r"\((?P<arguments>.*)\)(?: retval=(?P<result>[0-9a-f]+))? ret=")

Traced = namedtuple("Traced", "thread kind function arguments result")


def traced(trace):
    """The traced calls ("Call") and their returns ("Ret"), in the order they happened."""
    return [Traced(*match.group("thread", "kind", "function", "arguments", "result"))
            for match in map(TRACED_LINE.match, trace.splitlines()) if match]


def numbers(arguments):
    return tuple(int(argument, 16) for argument in arguments.split(","))


def succeeded(result):
    """S_OK and S_FALSE both count: either is undone by one CoUninitialize."""
    return int(result, 16) & 0xFFFFFFFF < 0x80000000


class ComApartmentTest(harness.TalqoTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Read by each Wine process that starts with the relay channel on; the others
        # of this module's session run without it.
        status, _, errors = harness.current_session().wine(
            "reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude", "/d", RELAY_INCLUDE,
            "/f")
        if status != 0:
            raise AssertionError(f"the relay trace could not be limited: {errors}")

    def test_window_thread_joins_before_the_settings_are_read_and_leaves_at_the_end(self):
        program = self.launch(self.program_dir({"talqo.ini": SETTINGS}), wine_debug="+relay")
        program.wait_for_window()
        self.assertTrue(self.session.probe("close", harness.MAIN_TITLE)["found"])
        self.assertEqual(program.wait_for_exit(), 0)

        trace = traced(program.stderr())
        settings_opened = next((index for index, entry in enumerate(trace)
                                if entry.kind == "Call" and entry.function == "CreateFileW"
                                and "talqo.ini" in entry.arguments), None)
        self.assertIsNotNone(settings_opened, "the settings file was never opened")
        window_thread = trace[settings_opened].thread
        joins = [(index, numbers(entry.arguments)) for index, entry in enumerate(trace)
                 if entry.thread == window_thread and entry.kind == "Call"
                 and entry.function == "CoInitializeEx"]
        results = [entry.result for entry in trace if entry.thread == window_thread
                   and entry.kind == "Ret" and entry.function == "CoInitializeEx"]
        leaves = [entry for entry in trace if entry.thread == window_thread
                  and entry.kind == "Call" and entry.function == "CoUninitialize"]

        expected = (0, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
        before_settings = [arguments for index, arguments in joins if index < settings_opened]
        self.assertIn(expected, before_settings,
                      "CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE) "
                      "on the window's thread before the settings file was opened")
        self.assertEqual(len(results), len(joins), "every CoInitializeEx returned")
        own_result = results[[arguments for _, arguments in joins].index(expected)]
        self.assertTrue(succeeded(own_result), f"CoInitializeEx answered {own_result}")
        # Wine's own DLLs may join too; every join that succeeded is undone once.
        self.assertEqual(len(leaves), sum(map(succeeded, results)),
                         f"CoInitializeEx answered {results}; CoUninitialize was called "
                         f"{len(leaves)} times")


if __name__ == "__main__":
    unittest.main()
