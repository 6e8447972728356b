#!/usr/bin/env python3
"""The layering check on scratch trees: clean ones pass, each kind of back-arrow fails."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../.."))
SCRIPT = os.path.join(SOURCE, "scripts", "check_layering.py")


def check(root):
    r = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
    return r.returncode, r.stdout


def write(root, path, text):
    os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
    with open(os.path.join(root, path), "w", encoding="utf-8") as f:
        f.write(text)


class Fixture(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.root)
        write(self.root, "CMakeLists.txt", "add_subdirectory(core)\nadd_subdirectory(ui)\n")
        write(self.root, "core/CMakeLists.txt", "# Depends on: nothing\nadd_library(core_lib STATIC core.cpp)\n")
        write(self.root, "core/core.h", "#pragma once\n")
        write(self.root, "core/core.cpp", '#include "core.h"\n#include <string>\n')
        write(self.root, "ui/CMakeLists.txt",
              "# Depends on: core_lib Qt6::Widgets\nadd_library(ui_lib STATIC ui.cpp)\n"
              "target_link_libraries(ui_lib PUBLIC core_lib Qt6::Widgets)\n")
        write(self.root, "ui/ui.h", "#pragma once\n")
        write(self.root, "ui/ui.cpp", '#include "ui.h"\n#include "core.h"\n#include <QWidget>\n')
        # Tests may use anything.
        write(self.root, "tests/CMakeLists.txt", "add_executable(t t.cpp)\n")
        write(self.root, "tests/t.cpp", '#include "ui.h"\n')

    def test_a_clean_tree_passes(self):
        self.assertEqual(check(self.root), (0, ""))

    def test_each_back_arrow_fails(self):
        cases = [
            ("core/core.cpp", '#include "ui.h"\n', 'core/core.cpp: includes "ui.h" from ui/'),
            ("core/core.cpp", "#include <QString>\n", "core/core.cpp: includes <QString>"),
            ("core/CMakeLists.txt", "target_link_libraries(core_lib PRIVATE ui_lib)\n", "links ui_lib"),
            ("ui/CMakeLists.txt", "target_link_libraries(ui_lib PRIVATE Qt6::Sql)\n", "links Qt6::Sql"),
        ]
        for path, line, said in cases:
            with self.subTest(line=line):
                full = os.path.join(self.root, path)
                before = open(full, encoding="utf-8").read()
                write(self.root, path, before + line)
                code, out = check(self.root)
                write(self.root, path, before)
                self.assertEqual(code, 1)
                self.assertIn(said, out)

    def test_a_folder_without_its_line_fails(self):
        write(self.root, "core/CMakeLists.txt", "add_library(core_lib STATIC core.cpp)\n")
        code, out = check(self.root)
        self.assertEqual(code, 1)
        self.assertIn("core/CMakeLists.txt: no '# Depends on:' line", out)


class ThisTree(unittest.TestCase):
    def test_the_link_including_the_simulator_fails(self):
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root)
        for folder in ("link", "sim", "app"):
            shutil.copytree(os.path.join(SOURCE, folder), os.path.join(root, folder))
        self.assertEqual(check(root)[0], 0)
        with open(os.path.join(root, "link", "frames.cpp"), "a", encoding="utf-8") as f:
            f.write('#include "simulated_converter.h"\n')
        code, out = check(root)
        self.assertEqual(code, 1)
        self.assertIn('link/frames.cpp: includes "simulated_converter.h" from sim/', out)


if __name__ == "__main__":
    unittest.main()
