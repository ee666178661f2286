"""talqo.exe and md5sum.exe as files: what they import, how they are marked, and what
they carry inside."""

import os
import re
import struct
import subprocess
import unittest
from pathlib import Path

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll", "msvcrt.dll"}
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
US_ENGLISH = 0x409


def built_exe(variable, name):
    path = Path(os.environ.get(variable, ""))
    if not path.is_file():
        raise AssertionError(f"{variable} must name {name}; it is {str(path)!r}")
    return path


class PortableExecutable:
    """Just enough of the PE format to read the resource directory."""

    def __init__(self, data):
        self.data = data
        header = struct.unpack_from("<I", data, 0x3C)[0]
        if data[header:header + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, = struct.unpack_from("<H", data, header + 6)
        optional_size, = struct.unpack_from("<H", data, header + 20)
        table = header + 24 + optional_size
        self.sections = []
        for index in range(sections):
            name, virtual_size, address, raw_size, raw_at = struct.unpack_from(
                "<8sIIII", data, table + index * 40)
            self.sections.append((name.rstrip(b"\0"), address, max(virtual_size, raw_size), raw_at))

    def offset(self, rva):
        for _, address, size, raw_at in self.sections:
            if address <= rva < address + size:
                return raw_at + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def resources(self):
        """{(type, name, language): bytes} for resources with numeric ids."""
        name, base_rva, _, root = next(s for s in self.sections if s[0] == b".rsrc")
        found = {}

        def entries(at):
            named, numbered = struct.unpack_from("<HH", self.data, root + at + 12)
            for index in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, root + at + 16 + index * 8)
                yield ident, target

        for type_id, type_dir in entries(0):
            for name_id, name_dir in entries(type_dir & 0x7FFFFFFF):
                for language, leaf in entries(name_dir & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, root + leaf)
                    at = self.offset(rva)
                    found[(type_id, name_id, language)] = self.data[at:at + size]
        return found


class ShippedExecutableChecks:
    """What every program the project ships must be; a subclass names the program."""

    EXE_VARIABLE = None
    EXE_NAME = None

    @classmethod
    def setUpClass(cls):
        cls.exe = built_exe(cls.EXE_VARIABLE, cls.EXE_NAME)
        cls.headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(cls.exe)],
                                     capture_output=True, text=True, check=True).stdout
        cls.resources = PortableExecutable(cls.exe.read_bytes()).resources()

    def test_imports_only_windows_own_dlls(self):
        imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", self.headers)}
        self.assertTrue(imported, "no imports found")
        self.assertLessEqual(imported, SYSTEM_DLLS)

    def test_is_a_gui_program_with_aslr_and_dep(self):
        self.assertRegex(self.headers, r"Subsystem\s+00000002\s+\(Windows GUI\)")
        for flag in ("HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT"):
            self.assertIn(flag, self.headers)

    def test_version_resource_reads_1_00_in_us_english(self):
        versions = [data for (kind, _, language), data in self.resources.items()
                    if kind == RT_VERSION and language == US_ENGLISH]
        self.assertEqual(len(versions), 1)
        block = versions[0]
        fixed = block.find(struct.pack("<I", 0xFEEF04BD))
        self.assertGreater(fixed, 0, "no fixed file information")
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", block, fixed + 8)
        self.assertEqual((file_ms, file_ls, product_ms, product_ls), (0x10000, 0, 0x10000, 0))
        text = block.decode("utf-16-le", "replace")
        self.assertIn("040904B0", text.upper())
        for key in ("FileVersion", "ProductVersion"):
            self.assertRegex(text, key + "\0+1\\.00\0")

    def test_carries_one_32_by_32_sixteen_colour_icon(self):
        groups = [data for (kind, _, _), data in self.resources.items() if kind == RT_GROUP_ICON]
        self.assertEqual(len(groups), 1)
        reserved, kind, count = struct.unpack_from("<HHH", groups[0], 0)
        self.assertEqual((reserved, kind, count), (0, 1, 1))
        width, height, colours, _, planes, bits = struct.unpack_from("<BBBBHH", groups[0], 6)
        self.assertEqual((width, height, colours, bits), (32, 32, 16, 4))


class TalqoExecutableTest(ShippedExecutableChecks, unittest.TestCase):
    EXE_VARIABLE = "TALQO_EXE"
    EXE_NAME = "talqo.exe"


class Md5sumExecutableTest(ShippedExecutableChecks, unittest.TestCase):
    EXE_VARIABLE = "TALQO_MD5SUM_EXE"
    EXE_NAME = "md5sum.exe"

    def test_leaves_the_systems_cryptography_to_be_loaded_from_the_system_folder(self):
        # bcrypt.dll is not one of Windows' known DLLs: imported, it would be looked for
        # beside the program first.
        imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", self.headers)}
        self.assertNotIn("bcrypt.dll", imported)


if __name__ == "__main__":
    unittest.main()
