"""md5sum.exe when something stands in its way: an output that takes nothing, a file that
another program holds open, a folder named as a file, a line break inside a name, a path
beyond the system's length limit. It says what went wrong, one line per file, and its
exit status says that something did.
"""

import contextlib
import json
import os
import re
import select
import subprocess
import tempfile
import unittest

import action_support as support
import harness
import test_md5sum as tool_tests

ABC_CHECKSUM = "900150983cd24fb0d6963f7d28e17f72"
MESSAGE_DIGEST_CHECKSUM = "f96b697d7cb7938d525a2f31aaf161d0"
# How md5sum.exe shows a line break inside a name.
LINE_BREAK_MARK = "\u21b5"
# Folders whose names fill a path beyond the system's limit of 260 characters.
LONG_FOLDERS = ["d" * 100, "e" * 100, "f" * 100]


class ConsoleFailureTest(tool_tests.ToolTestCase):
    """Run from a console or with its output redirected."""

    def run_tool(self, folder, *names):
        return self.session.wine(folder / "md5sum.exe", *names, cwd=folder)

    def run_with_output(self, folder, output, *names):
        """Runs md5sum.exe with a standard output that takes nothing: "full" (/dev/full),
        "closed", or "broken pipe" (a pipe that nobody reads); returns (exit status, stderr)."""
        with tempfile.TemporaryFile() as stderr, contextlib.ExitStack() as stack:
            if output == "full":
                redirection = {"stdout": stack.enter_context(open("/dev/full", "wb"))}
            elif output == "closed":
                redirection = {"preexec_fn": lambda: os.close(1)}
            else:
                reader, writer = os.pipe()
                os.close(reader)
                stack.callback(os.close, writer)
                redirection = {"stdout": writer}
            status = subprocess.run(["wine", folder / "md5sum.exe", *names], cwd=folder,
                                    env=self.session.environment, stdin=subprocess.DEVNULL,
                                    stderr=stderr, timeout=60, **redirection).returncode
            stderr.seek(0)
            return status, stderr.read().decode("utf-8", "replace")

    def hold(self, path):
        """Has file_holder.exe hold the file open with delete access, as a download in
        progress does, until the test ends."""
        holder = subprocess.Popen(["wine", self.session.tool("file_holder.exe"),
                                   support.windows_path(path)],
                                  env=self.session.environment, stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

        def release():
            try:
                holder.stdin.close()
                holder.wait(timeout=harness.TIMEOUT_SECONDS)
            finally:
                # One that does not let go is ended, so that the file is free for the
                # tests after.
                if holder.poll() is None:
                    holder.kill()
                    holder.wait()
                holder.stdout.close()

        self.addCleanup(release)
        ready, _, _ = select.select([holder.stdout], [], [], harness.TIMEOUT_SECONDS)
        self.assertTrue(ready, "file_holder.exe said nothing")
        self.assertEqual(json.loads(holder.stdout.readline()), {"held": True})

    def test_an_output_that_takes_nothing_gives_a_write_error_and_exit_status_1(self):
        for output in ["full", "closed", "broken pipe"]:
            with self.case(output):
                folder = self.folder({"abc.txt": b"abc"})
                status, stderr = self.run_with_output(folder, output, "abc.txt", "abc.txt")
                self.assertEqual(status, 1, stderr)
                self.assertRegex(stderr, r"\Amd5sum: write error: .+\n\Z")

    def test_a_file_that_another_program_holds_with_delete_access_is_read(self):
        folder = self.folder({"download.part": b"abc"})
        self.hold(folder / "download.part")
        status, stdout, stderr = self.run_tool(folder, "download.part")
        self.assertEqual((status, stdout, stderr), (0, f"{ABC_CHECKSUM}  download.part\n", ""))

    def test_a_folder_is_a_directory(self):
        folder = self.folder({"abc.txt": b"abc"})
        (folder / "a folder").mkdir()
        status, stdout, stderr = self.run_tool(folder, "a folder", "abc.txt")
        self.assertEqual((status, stdout, stderr),
                         (1, f"{ABC_CHECKSUM}  abc.txt\n", "md5sum: a folder: Is a directory.\n"))

    def test_a_line_break_in_a_name_keeps_each_file_on_one_line(self):
        mark = LINE_BREAK_MARK
        for name, shown in [
            ("bad\rname.txt", f"bad{mark}name.txt"),
            ("bad\nname.txt", f"bad{mark}name.txt"),
            ("bad\r\nname.txt", f"bad{mark}name.txt"),
            ("\nbad name.txt\n\n", f"{mark}bad name.txt{mark}{mark}"),
        ]:
            with self.case(repr(name)):
                folder = self.folder({"abc.txt": b"abc"})
                status, stdout, stderr = self.run_tool(folder, name, "abc.txt")
                self.assertEqual((status, stdout), (1, f"{ABC_CHECKSUM}  abc.txt\n"))
                self.assertRegex(stderr, r"\Amd5sum: " + re.escape(shown) + r": [^\r\n]+\n\Z")

    def test_a_path_beyond_the_length_limit_is_read_and_shown_as_given(self):
        relative = "\\".join([*LONG_FOLDERS, "abc.txt"])
        for full_name in [False, True]:
            with self.case("full" if full_name else "relative"):
                folder = self.folder()
                deep = folder.joinpath(*LONG_FOLDERS)
                deep.mkdir(parents=True)
                (deep / "abc.txt").write_bytes(b"abc")
                full = support.windows_path(deep / "abc.txt")
                self.assertGreater(len(full), 260)
                name = full if full_name else relative
                status, stdout, stderr = self.run_tool(folder, name)
                self.assertEqual((status, stdout, stderr), (0, f"{ABC_CHECKSUM}  {name}\n", ""))


class WindowFailureTest(tool_tests.WindowTestCase):
    """Started by the shell with nowhere to print: the window."""

    def test_a_folder_is_a_directory(self):
        folder = self.folder()
        (folder / "a folder").mkdir()
        program = self.start_by_shell(folder, "a folder")
        report = self.wait_until_done(program)
        self.assertEqual(report["edits"],
                         [f"Cannot read {support.windows_path(folder / 'a folder')}: "
                          "Is a directory."])
        support.click_button(self.session, report, "Close")
        self.assertEqual(program.wait_for_exit(), 1)

    def test_a_line_break_in_a_name_keeps_copy_on_the_chosen_file(self):
        folder = self.folder({"abc.txt": b"abc", "md.txt": b"message digest"})
        program = self.start_by_shell(folder, "bad\r\nname.txt", "abc.txt", "md.txt")
        report = self.wait_until_done(program)
        lines = report["edits"][0].split("\r\n")
        self.assertEqual(len(lines), 3, lines)
        self.assertRegex(lines[0], "^Cannot read " + re.escape(
            support.windows_path(folder / f"bad{LINE_BREAK_MARK}name.txt")) + ": .+")
        self.assertEqual(lines[2], f"{MESSAGE_DIGEST_CHECKSUM}  "
                         + support.windows_path(folder / "md.txt"))

        # A click below the last line puts the caret on it: Copy takes md.txt's checksum.
        left, _, _, bottom = report["edit_rects"][0]
        self.session.click(left + 40, bottom - tool_tests.BELOW_THE_LAST_LINE)
        harness.wait_until(lambda: self.window()["edit_selections"][0][0] > len(lines[0]) +
                           len(lines[1]), "the caret to move to the last line")
        support.click_button(self.session, report, "Copy")
        harness.wait_until(lambda: self.clipboard() == MESSAGE_DIGEST_CHECKSUM,
                           "Copy to put the last line's checksum on the clipboard")
        self.assertEqual(self.window()["statics"],
                         [f"Copied the checksum of {support.windows_path(folder / 'md.txt')}."])
        support.click_button(self.session, report, "Close")
        self.assertEqual(program.wait_for_exit(), 1)


if __name__ == "__main__":
    unittest.main()
