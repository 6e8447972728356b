#!/usr/bin/env python3
"""Checks that every folder uses only what its CMakeLists.txt says it may.

Each product folder's CMakeLists.txt carries one line

    # Depends on: kav_link kav_measure Qt6::Core

naming the targets of other folders (and the Qt modules) it may use; "nothing"
stands for the C++ standard library alone. A folder fails when it
  - links a target of this tree or a Qt module its line does not name,
  - includes a header that lives only in folders whose targets its line does
    not name, or
  - includes a Qt header (<Q...>) without naming a Qt module.
A folder's own targets are always allowed. Folders under tests/, bench/ and
fuzz/ are not checked; every other CMakeLists.txt that defines a target must
carry the line.

Usage: check_layering.py [ROOT]   (exit 0 clean, 1 with the offences listed)
"""
import os
import re
import sys

SKIP = {"build", ".git", "tests", "bench", "fuzz"}
SOURCE = (".cpp", ".h", ".hpp", ".cc")
TARGET_RE = re.compile(r"^\s*add_(?:library|executable)\(\s*([A-Za-z0-9_:.-]+)", re.M)
LINK_RE = re.compile(r"target_link_libraries\(\s*([A-Za-z0-9_]+)([^)]*)\)", re.S)
KAV_FN_RE = re.compile(r"kav_add_control_library\(\s*([A-Za-z0-9_]+)[^)]*?LIBS([^)]*)\)", re.S)
DEPENDS_RE = re.compile(r"^#\s*Depends on:(.*)$", re.M)
INCLUDE_RE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE"}


def walk(root):
    """Yields (folder, dirs, files) below root, leaving out the skipped trees."""
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root)
        # Build folders (build, build-asan, build-pkg ...) hold generated files, not code of a folder.
        dirs[:] = sorted(d for d in dirs
                         if not (rel == "." and (d in SKIP or d.startswith("build"))) and not d.startswith("."))
        yield folder, files


def strip_comments(text):
    return "\n".join(line.split("#", 1)[0] for line in text.splitlines())


def main(root):
    root = os.path.abspath(root)
    folders = {}  # folder -> {"targets", "depends", "links"}
    headers = {}  # header file name -> folders holding it
    owner = {}  # source file -> the nearest folder with a CMakeLists.txt
    for folder, files in walk(root):
        if "CMakeLists.txt" in files and folder != root:
            text = open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8").read()
            code = strip_comments(text)
            links = [(t, body) for t, body in LINK_RE.findall(code)] + KAV_FN_RE.findall(code)
            dep = DEPENDS_RE.search(text)
            folders[folder] = {
                "targets": set(TARGET_RE.findall(code)) | {t for t, _ in KAV_FN_RE.findall(code)},
                "depends": None if dep is None else set(dep.group(1).split()) - {"nothing"},
                "links": links,
            }
    for folder, files in walk(root):
        home = folder
        while home not in folders and home != root:
            home = os.path.dirname(home)
        for f in files:
            if f.endswith(SOURCE):
                path = os.path.join(folder, f)
                owner[path] = home
                if f.endswith((".h", ".hpp")):
                    headers.setdefault(f, set()).add(home)

    offences = []
    rel = lambda p: os.path.relpath(p, root)
    all_targets = {t: f for f, info in folders.items() for t in info["targets"]}
    for folder, info in sorted(folders.items()):
        if not info["targets"]:
            continue
        if info["depends"] is None:
            offences.append(f"{rel(folder)}/CMakeLists.txt: no '# Depends on:' line")
            continue
        allowed = info["depends"] | info["targets"]
        for _, body in info["links"]:
            for item in body.split():
                if item in KEYWORDS or item.startswith("$"):
                    continue
                known = item in all_targets or item.startswith("Qt6::")
                if known and item not in allowed:
                    offences.append(f"{rel(folder)}/CMakeLists.txt: links {item}, which its line does not name")
        qt = any(d.startswith("Qt6::") for d in allowed)
        for path, home in sorted(owner.items()):
            if home != folder:
                continue
            for kind, name in INCLUDE_RE.findall(open(path, encoding="utf-8", errors="replace").read()):
                if kind == "<":
                    if re.match(r"Q[A-Za-z]", name) and not qt:
                        offences.append(f"{rel(path)}: includes <{name}> but the folder may not use Qt")
                    continue
                base = os.path.basename(name)
                if os.path.exists(os.path.join(os.path.dirname(path), name)):
                    continue  # beside the file itself
                places = headers.get(base)
                if not places or folder in places:
                    continue  # generated, or the folder's own
                if not any(folders.get(p, {}).get("targets", set()) & allowed for p in places):
                    where = ", ".join(sorted(rel(p) + "/" for p in places))
                    offences.append(f"{rel(path)}: includes \"{name}\" from {where}, which its line does not name")
    for o in offences:
        print(o)
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")))
