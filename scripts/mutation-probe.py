#!/usr/bin/env python3
"""Mutation probe: how many small faults in the code does the suite catch?

Copies HEAD into a temporary directory, builds it once, then for N mutants
sampled with a fixed seed from the plug-in, the framework and the simulated host
(one character changed in a string literal of eight characters or more, == and
!= swapped, <= and >= made strict, a + 1 or - 1 dropped, true and false
swapped) rebuilds incrementally and runs the suite, stopping at the first
failing test. Comments, #include lines and static_assert texts are never
mutated. Prints one line per mutant and then "killed K of V (P%)", V counting
the mutants that built.

    scripts/mutation-probe.py [--seed S] [--count N] [--keep DIR] [--only 3,17]

--only reruns some mutants of the same sample (after a test was added for
them). --targets, --tests and --exclude narrow the build and the suite (ctest
-R, -E) for a quick look; the measure is the whole suite, the default. --in-place BUILD_DIR skips
the copy and mutates this checkout, built in BUILD_DIR, restoring each file
after its mutant (for a machine too busy for a second build; leave the
checkout alone while it runs).
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

SOURCE_DIRS = ["cli", "simhost", "frame", "firewall", "ip", "nic", "vswitch", "datapath"]
LITERAL_MIN = 8
# Literals no user or script ever reads: compile-time assertion texts, whose
# statement may start lines before the text.
SILENT_STATEMENT = re.compile(r"\bstatic_assert\s*\(")


def statement_start(text, offset):
    """Where the statement holding offset starts: after the last ; { or } before it."""
    return max(text.rfind(c, 0, offset) for c in ";{}") + 1


def code_spans(text):
    """Yields (kind, start, end) for string literals and code, skipping comments,
    character literals and preprocessor include lines."""
    i, n = 0, len(text)
    code_start = 0
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            yield ("code", code_start, i)
            i = text.find("\n", i)
            i = n if i < 0 else i
            code_start = i
        elif text.startswith("/*", i):
            yield ("code", code_start, i)
            i = text.find("*/", i + 2)
            i = n if i < 0 else i + 2
            code_start = i
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            yield ("code", code_start, i)
            delim_end = text.find("(", i)
            delim = text[i + 2:delim_end]
            close = text.find(")" + delim + '"', delim_end)
            i = close + len(delim) + 2
            code_start = i
        elif c == '"':
            yield ("code", code_start, i)
            j = i + 1
            while j < n and text[j] != '"':
                j += 2 if text[j] == "\\" else 1
            yield ("string", i + 1, j)
            i = j + 1
            code_start = i
        elif c == "'" and not (i > 0 and text[i - 1].isalnum()):  # not a digit separator
            yield ("code", code_start, i)
            j = i + 1
            while j < n and text[j] != "'":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
            code_start = i
        elif c == "#" and (i == 0 or text[i - 1] == "\n") and text.startswith("#include", i):
            yield ("code", code_start, i)
            i = text.find("\n", i)
            i = n if i < 0 else i
            code_start = i
        else:
            i += 1
    yield ("code", code_start, n)


CODE_PATTERNS = [
    ("compare", re.compile(r"(?<![=!<>])(==|!=)(?!=)"), lambda m: "!=" if m.group(1) == "==" else "=="),
    ("bound", re.compile(r"(?<![<>])(<=|>=)(?!=)"), lambda m: m.group(1)[0]),
    ("offbyone", re.compile(r"\s[+-]\s1(?![\w.'])"), lambda m: ""),
    ("bool", re.compile(r"\b(true|false)\b"), lambda m: "false" if m.group(1) == "true" else "true"),
]


def mutation_sites(root):
    sites = []
    for folder in SOURCE_DIRS:
        for dirpath, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, root)
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                for kind, start, end in code_spans(text):
                    if kind == "string":
                        if SILENT_STATEMENT.search(text, statement_start(text, start), start):
                            continue
                        if end - start >= LITERAL_MIN:
                            sites.append((rel, "literal", start, end))
                        continue
                    chunk = text[start:end]
                    for category, pattern, _ in CODE_PATTERNS:
                        for m in pattern.finditer(chunk):
                            # operator== and friends keep their meaning only as declared.
                            if category == "compare" and chunk[max(0, m.start() - 8):m.start()].endswith("operator"):
                                continue
                            sites.append((rel, category, start + m.start(), start + m.end()))
    sites.sort()
    return sites


def mutate(text, site, rng):
    _, category, start, end = site
    if category == "literal":
        # One letter or digit of the literal, never part of an escape sequence.
        body = text[start:end]
        candidates = [k for k, ch in enumerate(body) if ch.isalnum() and not (k > 0 and body[k - 1] == "\\")]
        if not candidates:
            return None
        k = rng.choice(candidates)
        old = body[k]
        new = "X" if old != "X" else "Y"
        if old.isdigit():
            new = "7" if old != "7" else "3"
        elif old.islower():
            new = "x" if old != "x" else "y"
        return text[:start] + body[:k] + new + body[k + 1:] + text[end:]
    for name, pattern, replace in CODE_PATTERNS:
        if name == category:
            m = pattern.match(text, start)
            return text[:start] + replace(m) + text[end:]
    return None


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def copy_path(work, source):
    """Where in work the copy goes: as deep in the file system as the checkout
    where possible. The compiler cache (base_dir /) keys an object on its
    header paths relative to the build directory, system headers included, so
    only a copy at the same depth reuses the objects built in the checkout."""
    depth = len(source.strip("/").split("/"))
    tree = work
    while len(tree.strip("/").split("/")) < depth:
        tree = os.path.join(tree, "src")
    return tree if tree != work else os.path.join(work, "src")


def run(cmd, cwd, timeout=None, env=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          timeout=timeout, env=env)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=17)
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--keep", help="work in this directory and keep it (reuses an earlier build)")
    parser.add_argument("--test-timeout", type=int, default=900, help="seconds for the suite per mutant")
    parser.add_argument("--targets", nargs="*", default=[], help="build only these targets")
    parser.add_argument("--tests", help="run only the tests matching this ctest regular expression")
    parser.add_argument("--in-place", metavar="BUILD_DIR", help="mutate this checkout, built in BUILD_DIR")
    parser.add_argument("--exclude", help="leave out the tests matching this ctest regular expression")
    parser.add_argument("--last", default="InputSweep",
                        help="run the tests matching this ctest regular expression after the rest (the longest)")
    parser.add_argument("--case-timeout", type=int, default=120, help="seconds for one test case")
    parser.add_argument("--only", help="run only these mutants of the sample, by number (1,5,9)")
    parser.add_argument("--cmake-args", nargs="*", default=[], help="more arguments for configuring the copy")
    parser.add_argument("--flags", default="-O0 -DNDEBUG",
                        help="compiler flags of the copy's build (not of --in-place, which keeps its own)")
    args = parser.parse_args()

    source = subprocess.run(["git", "rev-parse", "--show-toplevel"], stdout=subprocess.PIPE, text=True,
                            check=True).stdout.strip()
    work = args.keep or (None if args.in_place else tempfile.mkdtemp(prefix="mutation-probe-", dir="/tmp"))
    tree = source if args.in_place else copy_path(os.path.abspath(work), source)
    build = os.path.abspath(args.in_place) if args.in_place else os.path.join(tree, "build")
    env = None  # ccache (where installed) is configured host-wide to share objects across trees
    try:
        if not os.path.isdir(tree):
            os.makedirs(tree)
            archive = subprocess.Popen(["git", "archive", "HEAD"], cwd=source, stdout=subprocess.PIPE)
            subprocess.run(["tar", "-x", "-C", tree], stdin=archive.stdout, check=True)
            archive.wait()
        if args.in_place and run(["git", "diff", "--quiet", "HEAD"], tree).returncode:
            print("the checkout has uncommitted changes; commit them first", file=sys.stderr)
            return 1
        commit = run(["git", "rev-parse", "--short", "HEAD"], source).stdout.strip()
        print(f"building HEAD ({commit}) in {build}", flush=True)
        # The test programs load the plug-in and the framework at run time, so a
        # changed shared library needs no relinking of the programs that use it.
        # The plug-in is linked twice per mutant (for talixcli and for the tests):
        # where the LLVM linker is installed, the copy links with it, four times
        # faster than the default linker on the plug-in's debug information.
        linker = []
        if not args.in_place and shutil.which("ld.lld"):
            linker = ["-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld", "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"]
        # The copy is built without debug information or optimisation: a mutant
        # of a host-library unit (which instantiates the state codecs' templates)
        # then compiles in a quarter of the time it takes as RelWithDebInfo, and
        # the links handle a fraction of the bytes. The suite checks behaviour,
        # which no optimisation level may change. The benchmark programs that
        # include the host's headers are left out: no test runs them.
        if args.in_place:
            build_type = ["-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
        else:
            build_type = ["-DCMAKE_BUILD_TYPE=Probe", f"-DCMAKE_CXX_FLAGS_PROBE={args.flags}",
                          "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_simdjson=ON"]
        configure = run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"]
                        + build_type + linker + args.cmake_args, tree, env=env)
        build_command = ["nice", "cmake", "--build", build, f"-j{args.jobs}"]
        if args.targets:
            build_command += ["--target"] + args.targets
        started = time.monotonic()
        built = run(build_command, tree, env=env)
        print(f"built in {time.monotonic() - started:.0f} s", flush=True)
        if configure.returncode or built.returncode:
            print(configure.stdout[-2000:] + built.stdout[-4000:])
            print("HEAD does not build", file=sys.stderr)
            return 1
        ctest = ["ctest", "--test-dir", build, f"-j{args.jobs}", "--stop-on-failure",
                 "--timeout", str(args.case_timeout)]
        if args.tests:
            ctest += ["-R", args.tests]
        # ctest starts the longest test first and, once a test fails, still
        # waits for the tests running: the longest ones run in a second round,
        # only when the rest passed, so a killed mutant costs seconds.
        left_out = "|".join(filter(None, [args.exclude, args.last]))
        rounds = [ctest + (["-E", left_out] if left_out else [])]
        if args.last:
            rounds.append(ctest + ["-R", args.last] + (["-E", args.exclude] if args.exclude else []))

        def suite_fails():
            for command in rounds:
                if run(command, tree, timeout=args.test_timeout, env=env).returncode:
                    return True
            return False

        started = time.monotonic()
        baseline = run(rounds[0], tree, timeout=args.test_timeout, env=env)
        if not baseline.returncode and len(rounds) > 1:
            baseline = run(rounds[1], tree, timeout=args.test_timeout, env=env)
        print(f"the suite ran on HEAD in {time.monotonic() - started:.0f} s", flush=True)
        if baseline.returncode:
            print(baseline.stdout[-4000:])
            print("the suite fails on HEAD", file=sys.stderr)
            return 1

        # The sample and each literal's changed character are drawn from one
        # generator, so --only replays the draws of the mutants it leaves out.
        only = {int(n) for n in args.only.split(",")} if args.only else set()
        rng = random.Random(args.seed)
        sites = mutation_sites(tree)
        sample = rng.sample(sites, min(args.count, len(sites)))
        print(f"{len(sites)} mutation sites; seed {args.seed}; {len(sample)} mutants", flush=True)
        killed = valid = 0
        by_category = {}
        for number, site in enumerate(sample, 1):
            rel = site[0]
            path = os.path.join(tree, rel)
            with open(path, encoding="utf-8") as f:
                original = f.read()
            mutated = mutate(original, site, rng)
            line = line_of(original, site[2])
            was = original[site[2]:site[3]].strip()
            now = mutated[site[2]:site[3] + len(mutated) - len(original)].strip() if mutated else ""
            where = f"{rel}:{line} {site[1]} {was!r} -> {now!r}"
            if mutated is None:
                print(f"{number:3} skipped       {where}", flush=True)
                continue
            if only and number not in only:
                continue
            started = time.monotonic()
            try:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(mutated)
                rebuilt = run(build_command, tree, env=env)
                if rebuilt.returncode:
                    print(f"{number:3} does not build {where}", flush=True)
                    continue
                try:
                    failed = suite_fails()
                except subprocess.TimeoutExpired:
                    failed = True
                valid += 1
                killed += failed
                counts = by_category.setdefault(site[1], [0, 0])
                counts[0] += failed
                counts[1] += 1
                seconds = time.monotonic() - started
                print(f"{number:3} {'killed  ' if failed else 'SURVIVED'}      {where}  [{seconds:.0f} s]", flush=True)
            finally:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(original)
        for category, (k, v) in sorted(by_category.items()):
            print(f"  {category}: killed {k} of {v}")
        percent = 100.0 * killed / valid if valid else 0.0
        print(f"killed {killed} of {valid} ({percent:.0f}%)")
        return 0
    finally:
        if work and not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
