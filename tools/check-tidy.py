#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""clang-tidy over the chosen sources of a build folder's compile_commands.json, two at a time,
remembering which files it found clean.

A clean verdict is kept in the cache folder under a key made of everything the verdict depends
on: clang-tidy's version, the .clang-tidy file, the compile command (with the clone's folder
written as ".", so that a clone in any folder hits) and the contents of the source and of every
file the compiler read with it, as the build's dependency file lists them. A file whose key is
there is not checked again. A finding is never kept; nor is a verdict when the dependency file is
missing or older than a file it lists (the build is not up to date, and what the compiler read
may have changed): the file is then checked every time.

Usage: check-tidy.py BUILD_FOLDER CACHE_FOLDER PATH_PREFIX... [-- CLANG_TIDY_ARGUMENTS...]
Prints clang-tidy's findings and a summary; exit status 1 on any finding.
"""

import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

WORKERS = 2
FINDING = re.compile(r"(warning|error):")


def file_digest(path, digests):
    """The SHA-256 of a file's contents, each file read once."""
    if path not in digests:
        with open(path, "rb") as stream:
            digests[path] = hashlib.sha256(stream.read()).hexdigest()
    return digests[path]


def dependencies(directory, arguments):
    """The files the compiler read for a command, from the .d file beside its object; None when
    there is none or it is older than one of them."""
    if "-o" not in arguments:
        return None
    depfile = os.path.join(directory, arguments[arguments.index("-o") + 1] + ".d")
    try:
        with open(depfile, encoding="utf-8") as stream:
            text = stream.read().replace("\\\n", " ")
        written = os.stat(depfile).st_mtime
    except OSError:
        return None
    # "target: dependency dependency ..."; spaces inside names are escaped.
    names = re.split(r"(?<!\\) +", text.partition(": ")[2].strip())
    paths = [os.path.normpath(os.path.join(directory, name.replace("\\ ", " ")))
             for name in names if name]
    try:
        if any(os.stat(path).st_mtime > written for path in paths):
            return None
    except OSError:
        return None
    return paths


def verdict_key(entry, root, common, digests):
    """The cache key of one file's verdict, or None when it cannot be known."""
    directory = entry["directory"]
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    paths = dependencies(directory, arguments)
    if paths is None:
        return None
    digest = hashlib.sha256(common)
    digest.update(" ".join(arguments).replace(root, ".").encode())
    digest.update(os.path.relpath(directory, root).encode())
    # In the order of the names as written, which is the same in a clone in any folder.
    shown = {path: "." + path[len(root):] if path.startswith(root + "/") else path
             for path in [entry["file"]] + paths}
    for path in sorted(shown, key=shown.get):
        digest.update(f"\0{shown[path]}\0{file_digest(path, digests)}".encode())
    return digest.hexdigest()


def check(build, file, tidy_arguments):
    """clang-tidy's output on one file, and whether it found nothing."""
    run = subprocess.run(["clang-tidy", "-p", build, "--quiet", *tidy_arguments, file],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                         check=False)
    return run.stdout, run.returncode == 0 and not FINDING.search(run.stdout)


def main(argv):
    tidy_arguments = []
    if "--" in argv:
        tidy_arguments = argv[argv.index("--") + 1:]
        argv = argv[:argv.index("--")]
    build, cache, prefixes = os.path.abspath(argv[0]), argv[1], argv[2:]
    root = os.getcwd()
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as stream:
        entries = json.load(stream)
    # A file built in two targets is checked once, as clang-tidy reads its first command.
    wanted = list({entry["file"]: entry for entry in reversed(entries)
                   if any(os.path.relpath(entry["file"], root).startswith(prefix)
                          for prefix in prefixes)}.values())
    version = subprocess.run(["clang-tidy", "--version"], stdout=subprocess.PIPE, text=True,
                             check=True).stdout
    with open(".clang-tidy", "rb") as stream:
        common = (version + " ".join(tidy_arguments) + "\0").encode() + stream.read()
    os.makedirs(cache, exist_ok=True)
    digests = {}
    to_check = []
    remembered = 0
    for entry in wanted:
        key = verdict_key(entry, root, common, digests)
        if key is not None and os.path.exists(os.path.join(cache, key)):
            remembered += 1
        else:
            to_check.append((entry["file"], key))
    found = False
    with concurrent.futures.ThreadPoolExecutor(WORKERS) as pool:
        results = pool.map(lambda item: (item, check(build, item[0], tidy_arguments)), to_check)
        for (file, key), (output, clean) in results:
            if clean:
                if key is not None:
                    open(os.path.join(cache, key), "wb").close()
            else:
                found = True
                sys.stdout.write(output)
    print(f"Tidy check: {len(wanted)} files, {remembered} found clean before, "
          f"{len(to_check)} checked now.")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
