#!/usr/bin/env python3
"""Mutation testing for Velmora: how many small, deliberate faults do the tests catch?

    tools/mutate.py list                   the mutants, one per line (fixed and reproducible)
    tools/mutate.py run [--build DIR] [--only N,M,...] [--limit K] [--jobs J] [--out FILE]
    tools/mutate.py report RUN.json [RUN2.json]   the results as a Markdown table, side by side

The list is made from the program's own sources (never tests/, bench/ or tools/): every place
where one of the classic operators applies is found, and a fixed pseudo-random choice (seeded,
so every run lists the same mutants in the same order) takes a share of each folder. The
operators:
  cmp      flip a comparison (< and >=, > and <=, == and !=)
  const    add 1 to an integer constant in a comparison or a bound
  logic    swap && and ||
  delete   delete a statement (a call or an assignment standing alone on its line)
  return   return early: put `return;` / `return {};` / `return false;` before a statement

`run` applies one mutant at a time to the source tree, builds only the test programs that
cover its folder (in a build folder of its own, by default build-mutate, configured at -O0
without debug information so a rebuild is quick), runs them, and puts the file back, whatever
happens (also on Ctrl+C). A mutant is killed when a test fails, survives when every test
passes, and times out when the tests run past the limit; one that does not compile is
stillborn and left out of the kill rate. Results go to a JSON
file, one entry per mutant, so a long run can be stopped and continued (`--only`).
"""

import argparse
import hashlib
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SEED = 20261207

# The folders of the program's own code, the share of the mutants each gets, and the test
# programs that cover it.
FOLDERS = {
    "platform": (30, ["platform_tests", "store_tests"]),
    "store": (30, ["store_tests"]),
    "cycle": (35, ["cycle_tests", "reports_cycle_tests"]),
    "gfx": (25, ["gfx_codec_tests", "gfx_surface_tests"]),
    "reminders": (25, ["reminders_tests"]),
    "exchange": (20, ["exchange_tests"]),
    "reports": (20, ["reports_cycle_tests", "reports_chart_tests", "reports_doctor_tests"]),
    "ui": (15, ["ui_entry_tests", "settings_help_tests"]),
}
TEST_TIMEOUT = 180  # seconds for all the test programs of one mutant (the slowest that pass take 45 s)
GUI_ENV = {"QT_QPA_PLATFORM": "offscreen", "VELMORA_LANGUAGE": "source"}

CMP_FLIP = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
CMP_RE = re.compile(r"(?<=[\w)\] ])\s(<=|>=|==|!=|<|>)\s(?=[\w(!\-])")
CONST_RE = re.compile(r"(?<=[<>=] )(\d+)\b(?![.\d'xXeE])")
LOGIC_RE = re.compile(r"\s(&&|\|\|)\s")
STATEMENT_RE = re.compile(r"^(\s+)((?:[\w:.>\-\[\]]+(?:\(.*\))?|\w[\w:.>\-\[\]]*\s*[+\-*/|&]?=\s*.+));\s*$")


def code_lines(text):
    """The lines of a C++ file with comments, strings and preprocessor lines blanked, so
    that operators are only found in code. Keeps the line count."""
    out = []
    in_block = False
    for line in text.split("\n"):
        s = line
        if in_block:
            end = s.find("*/")
            if end < 0:
                out.append("")
                continue
            s = " " * (end + 2) + s[end + 2:]
            in_block = False
        if s.lstrip().startswith("#"):
            out.append("")
            continue
        s = re.sub(r'"(?:\\.|[^"\\])*"', lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', s)
        s = re.sub(r"'(?:\\.|[^'\\])'", "' '", s)
        c = s.find("//")
        if c >= 0:
            s = s[:c]
        b = s.find("/*")
        if b >= 0:
            e = s.find("*/", b + 2)
            if e < 0:
                s = s[:b]
                in_block = True
            else:
                s = s[:b] + " " * (e + 2 - b) + s[e + 2:]
        out.append(s)
    return out


def sites(path):
    """Every place in `path` where an operator applies: (line, column, operator, old, new)."""
    text = open(os.path.join(ROOT, path), encoding="utf-8").read()
    lines = text.split("\n")
    code = code_lines(text)
    found = []
    depth = 0
    returns = None  # what an early return of the current function looks like
    for i, (raw, line) in enumerate(zip(lines, code)):
        stripped = line.strip()
        if not raw.startswith((" ", "\t")) and \
                re.match(r"^[\w:<>,\s*&]+\s[\w:~]+\(.*\)\s*(const)?\s*\{?$", stripped):
            head = stripped.split("(")[0]
            returns = ("return;" if head.startswith("void ") else
                       "return false;" if head.startswith("bool ") else None)
        depth += line.count("{") - line.count("}")
        if depth <= 0 or not stripped or "template" in stripped or "#include" in raw:
            continue
        for m in CMP_RE.finditer(line):
            op = m.group(1)
            if op in ("<", ">") and ("<" in line[m.end():m.end() + 40] and op == "<"):
                continue  # a template argument list, not a comparison
            found.append((i, m.start(1), "cmp", op, CMP_FLIP[op]))
        for m in CONST_RE.finditer(line):
            found.append((i, m.start(1), "const", m.group(1), str(int(m.group(1)) + 1)))
        for m in LOGIC_RE.finditer(line):
            op = m.group(1)
            found.append((i, m.start(1), "logic", op, "||" if op == "&&" else "&&"))
        m = STATEMENT_RE.match(line)
        if m and not re.match(r"\s*(return|break|continue|case|default|else|do)\b", line) \
                and not re.search(r"\b(const|auto|int|bool|double|char|std::|unsigned)\b\s+\w+\s*[=({]",
                                  line) and lines[i - 1].rstrip().endswith((";", "{", "}")):
            # The statement as written (strings in `line` are blanked; the columns agree).
            found.append((i, len(m.group(1)), "delete", raw[m.start(2):m.end(2)] + ";", ";"))
            if returns:
                found.append((i, len(m.group(1)), "return", "", returns + " "))
    return found


def program_files():
    out = subprocess.run(["git", "ls-files"], cwd=ROOT, capture_output=True, text=True,
                         check=True).stdout.split()
    by_folder = {}
    for f in out:
        top = f.split("/")[0]
        if top in FOLDERS and f.endswith(".cpp"):
            by_folder.setdefault(top, []).append(f)
    return by_folder


def mutants():
    """The fixed list: for each folder its share, spread over the folder's sites."""
    rng = random.Random(SEED)
    chosen = []
    for folder, files in sorted(program_files().items()):
        share, _ = FOLDERS[folder]
        pool = [(f,) + s for f in sorted(files) for s in sites(f)]
        # Every operator gets its turn before any gets a second one.
        by_op = {}
        for p in pool:
            by_op.setdefault(p[3], []).append(p)
        for ops in by_op.values():
            rng.shuffle(ops)
        picked = []
        while len(picked) < share and any(by_op.values()):
            for op in sorted(by_op):
                if by_op[op] and len(picked) < share:
                    picked.append(by_op[op].pop())
        for f, line, col, op, old, new in sorted(picked):
            chosen.append({"file": f, "line": line + 1, "col": col, "op": op, "old": old,
                           "new": new, "folder": folder})
    for n, m in enumerate(chosen, 1):
        m["id"] = n
    return chosen


def describe(m):
    if m["op"] == "return":
        return "%s:%d return early (%s)" % (m["file"], m["line"], m["new"].strip())
    if m["op"] == "delete":
        return "%s:%d delete `%s`" % (m["file"], m["line"], m["old"][:60])
    return "%s:%d:%d %s `%s` -> `%s`" % (m["file"], m["line"], m["col"] + 1, m["op"], m["old"],
                                          m["new"])


def apply(m, text):
    lines = text.split("\n")
    line = lines[m["line"] - 1]
    col = m["col"]
    if m["op"] == "return":
        lines[m["line"] - 1] = line[:col] + m["new"] + line[col:]
    else:
        assert line[col:col + len(m["old"])] == m["old"], (describe(m), line)
        lines[m["line"] - 1] = line[:col] + m["new"] + line[col + len(m["old"]):]
    return "\n".join(lines)


def configure(build):
    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=None", "-DCMAKE_CXX_FLAGS=-O0",
                        "-DVELMORA_BENCH=OFF"], check=True, stdout=subprocess.DEVNULL)


def run_tests(build, tests):
    env = dict(os.environ, **GUI_ENV)
    deadline = time.time() + TEST_TIMEOUT
    for t in tests:
        exe = os.path.join(build, "tests", t)
        if not os.path.exists(exe):
            continue
        left = deadline - time.time()
        # Its own process group, so that a test's children (kill children, helpers) go with it
        # when it runs out of time: a mutant can leave one spinning for ever.
        p = subprocess.Popen([exe, "--gtest_brief=1"], cwd=build, env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             start_new_session=True)
        try:
            code = p.wait(timeout=max(left, 1))
        except subprocess.TimeoutExpired:
            code = None
        try:
            os.killpg(p.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        p.wait()
        if code is None:
            return "timed out", t
        if code != 0:
            return "killed", t
    return "survived", None


def cmd_run(args):
    build = os.path.abspath(args.build)
    configure(build)
    todo = mutants()
    if args.only:
        wanted = {int(x) for x in args.only.split(",")}
        todo = [m for m in todo if m["id"] in wanted]
    if args.limit:
        todo = todo[:args.limit]
    results = {}
    if os.path.exists(args.out):
        results = json.load(open(args.out))
    # The baseline: every covering test passes on the tree as it is.
    all_tests = sorted({t for _, ts in FOLDERS.values() for t in ts})
    subprocess.run(["ninja", "-C", build, "-j", str(args.jobs)] + all_tests, check=True,
                   stdout=subprocess.DEVNULL)
    state = {"path": None, "text": None}

    def restore(*_):
        if state["path"]:
            open(state["path"], "w", encoding="utf-8").write(state["text"])
            state["path"] = None
        if _:
            sys.exit(130)

    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)
    for m in todo:
        key = str(m["id"])
        if key in results and not args.again:
            continue
        path = os.path.join(ROOT, m["file"])
        original = open(path, encoding="utf-8").read()
        state.update(path=path, text=original)
        started = time.time()
        try:
            open(path, "w", encoding="utf-8").write(apply(m, original))
            tests = FOLDERS[m["folder"]][1]
            built = subprocess.run(["ninja", "-C", build, "-j", str(args.jobs)] + tests,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if built.returncode != 0:
                outcome, by = "stillborn", "build"  # does not compile: not a mutant at all
            else:
                outcome, by = run_tests(build, tests)
        finally:
            restore()
        results[key] = {"mutant": describe(m), "outcome": outcome, "by": by,
                        "seconds": round(time.time() - started, 1)}
        print("%3d %-10s %s" % (m["id"], outcome, describe(m)), flush=True)
        json.dump(results, open(args.out, "w"), indent=1, sort_keys=True)
    # Put the build back in step with the tree.
    subprocess.run(["ninja", "-C", build, "-j", str(args.jobs)] + all_tests,
                   stdout=subprocess.DEVNULL)


def summary(results):
    counts = {}
    for r in results.values():
        counts[r["outcome"]] = counts.get(r["outcome"], 0) + 1
    total = len(results)
    valid = total - counts.get("stillborn", 0)
    killed = counts.get("killed", 0) + counts.get("timed out", 0)
    return ("%d mutants (%d stillborn): %d killed, %d survived, %d timed out; kill rate %.1f%%" %
            (total, counts.get("stillborn", 0), counts.get("killed", 0),
             counts.get("survived", 0), counts.get("timed out", 0),
             100.0 * killed / max(valid, 1)))


def cmd_report(args):
    runs = [json.load(open(f)) for f in args.results]
    for f, results in zip(args.results, runs):
        print("%s: %s" % (os.path.basename(f), summary(results)))
    print()
    names = " | ".join(os.path.splitext(os.path.basename(f))[0] for f in args.results)
    print("| # | Mutant | %s |" % names)
    print("|---:|---|%s" % ("---|" * len(runs)))
    keys = sorted(set().union(*runs), key=int)
    for key in keys:
        mutant = next(r[key]["mutant"] for r in runs if key in r)
        outcomes = " | ".join(r[key]["outcome"] if key in r else "not run" for r in runs)
        print("| %s | %s | %s |" % (key, mutant.replace("|", "\\|"), outcomes))
    if len(runs) == 2:
        lost = [k for k in keys if runs[0].get(k, {}).get("outcome") in ("killed", "timed out")
                and runs[1].get(k, {}).get("outcome") == "survived"]
        print()
        print("Killed in the first run, surviving in the second: %s" % (", ".join(lost) or "none"))


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    sub = p.add_subparsers(dest="cmd", required=True)
    sub.add_parser("list")
    r = sub.add_parser("run")
    r.add_argument("--build", default=os.path.join(ROOT, "build-mutate"))
    r.add_argument("--only")
    r.add_argument("--limit", type=int)
    r.add_argument("--jobs", type=int, default=2)
    r.add_argument("--again", action="store_true", help="run mutants already in --out again")
    r.add_argument("--out", default="mutation-results.json")
    rep = sub.add_parser("report")
    rep.add_argument("results", nargs="+", help="one run, or two to compare")
    args = p.parse_args()
    if args.cmd == "list":
        ms = mutants()
        for m in ms:
            print("%3d %s" % (m["id"], describe(m)))
        digest = hashlib.sha256("\n".join(describe(m) for m in ms).encode()).hexdigest()[:12]
        print("%d mutants, list %s" % (len(ms), digest))
    elif args.cmd == "run":
        cmd_run(args)
    else:
        cmd_report(args)


if __name__ == "__main__":
    main()
