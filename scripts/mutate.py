#!/usr/bin/env python3
"""Mutation check of the platform-neutral code: which one-line faults do the unit tests catch, and which test
catches each.

Every mutant in scripts/mutants.txt names a text and its replacement. The text is looked up in every file
under src/ (so a mutant follows its code when files move) and must occur exactly once, outside the win32/
folders. One mutant at a time is written into its file, the native tree is rebuilt incrementally and
build/native/tests/unit_tests is run; the file is always put back, also on Ctrl+C, on SIGTERM or on an
error. A run that is stopped harder than that leaves a journal in the build folder, and the next start puts
the file back from it before doing anything else.

    python3 scripts/mutate.py                       # every mutant, summary on the terminal
    python3 scripts/mutate.py --json build/mutation/kill-matrix.json --analysis analysis.txt
    python3 scripts/mutate.py --only 'app.ini.*' --only bar.dock.icon-menu-on-an-empty-menu
    python3 scripts/mutate.py --check               # only locate the mutants, build nothing
    python3 scripts/mutate.py --from-json build/mutation/kill-matrix.json --analysis analysis.txt

The exit status is 0 when every selected mutant was located and compiled, whatever the tests did: survivors
are a measurement, not an error. It is 1 when a mutant could not be located or did not compile (a mistake in
the list), 2 when the tree does not pass its tests unmutated or cannot be built.
"""

from __future__ import annotations

import argparse
import datetime
import fnmatch
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE_DIR = ROOT / "src"
EXCLUDED_FOLDER = "win32"
TEST_TARGET = "unit_tests"
TEST_BINARY = Path("tests") / TEST_TARGET
JOURNAL_NAME = "mutation-journal.json"
# A test run's last lines of output and a failed build's last lines of log, kept for a reader.
KEPT_LOG_LINES = 25
# After a crash or a timeout the rest of the tests are run again without the test that stopped the run;
# a mutant that breaks more tests than this in that way is recorded with the ones found so far.
MAX_RERUNS = 40


class ListError(Exception):
    """A mistake in the mutant list itself."""


@dataclass
class Mutant:
    label: str
    original: str
    replacement: str
    list_line: int
    path: Path | None = None  # where the original text was found
    offset: int = -1
    problem: str = ""  # why the mutant cannot be run, when it cannot

    def source_line(self) -> int:
        return 0 if self.path is None else line_of(self.path.read_bytes(), self.offset)


@dataclass
class Outcome:
    status: str  # killed, survived, timeout, did-not-compile, not-located
    failed: dict[str, str] = field(default_factory=dict)  # test id -> failed, crashed, timeout
    seconds: float = 0.0
    note: str = ""
    log: str = ""


# ---------------------------------------------------------------------------------------------- the list


def parse_mutants(path: Path) -> list[Mutant]:
    mutants: list[Mutant] = []
    current: dict | None = None

    def finish() -> None:
        if current is None:
            return
        if not current["minus"]:
            raise ListError(f"{path}:{current['line']}: [{current['label']}] has no '-' line")
        if current["plus"] is None:
            raise ListError(f"{path}:{current['line']}: [{current['label']}] has no '+' line")
        original = "\n".join(current["minus"])
        replacement = "\n".join(current["plus"])
        if not original.strip():
            raise ListError(f"{path}:{current['line']}: [{current['label']}] has an empty original text")
        if original == replacement:
            raise ListError(f"{path}:{current['line']}: [{current['label']}] changes nothing")
        mutants.append(Mutant(current["label"], original, replacement, current["line"]))

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        line = raw.rstrip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            finish()
            label = line[1:-1].strip()
            if not re.fullmatch(r"[A-Za-z0-9_.\-]+", label):
                raise ListError(f"{path}:{number}: label {label!r} may hold only letters, digits and . _ -")
            current = {"label": label, "line": number, "minus": [], "plus": None}
            continue
        if current is None:
            raise ListError(f"{path}:{number}: text before the first [label]")
        marker, text = line[0], line[2:] if line[1:2] == " " else line[1:]
        if marker == "-":
            if current["plus"] is not None:
                raise ListError(f"{path}:{number}: a '-' line after the '+' lines of [{current['label']}]")
            current["minus"].append(text)
        elif marker == "+":
            current["plus"] = (current["plus"] or []) + [text]
        else:
            raise ListError(f"{path}:{number}: expected '[label]', '- text' or '+ text', got {raw!r}")
    finish()

    seen: dict[str, int] = {}
    for mutant in mutants:
        if mutant.label in seen:
            raise ListError(f"{path}:{mutant.list_line}: label [{mutant.label}] also at line {seen[mutant.label]}")
        seen[mutant.label] = mutant.list_line
    return mutants


def source_files() -> list[Path]:
    files = []
    for folder, subfolders, names in os.walk(SOURCE_DIR):
        subfolders.sort()
        for name in sorted(names):
            files.append(Path(folder) / name)
    return files


def occurrences(data: bytes, needle: bytes) -> list[int]:
    found = []
    start = data.find(needle)
    while start != -1:
        found.append(start)
        start = data.find(needle, start + 1)
    return found


def line_of(data: bytes, offset: int) -> int:
    return data[:offset].count(b"\n") + 1


def locate(mutants: list[Mutant]) -> None:
    """Finds each mutant's text in all of src/; a mutant found nowhere, twice, or only in a win32/ folder gets
    its problem written down instead of a place."""
    contents = {path: path.read_bytes() for path in source_files()}
    for mutant in mutants:
        needle = mutant.original.encode("utf-8")
        hits = [(path, offset) for path, data in contents.items() for offset in occurrences(data, needle)]
        if not hits:
            mutant.problem = "original text not found under src/"
        elif len(hits) > 1:
            places = ", ".join(f"{p.relative_to(ROOT)}:{line_of(contents[p], o)}" for p, o in hits[:6])
            mutant.problem = f"original text found {len(hits)} times: {places}"
        else:
            path, offset = hits[0]
            relative = path.relative_to(SOURCE_DIR)
            if EXCLUDED_FOLDER in relative.parts[:-1]:
                mutant.problem = f"original text lies in {path.relative_to(ROOT)}, a {EXCLUDED_FOLDER}/ folder"
            else:
                mutant.path, mutant.offset = path, offset


# ---------------------------------------------------------------------------------- applying and restoring


class Interrupted(Exception):
    pass


def on_sigterm(signum, frame):  # noqa: ARG001
    raise Interrupted(f"signal {signum}")


class Journal:
    """The original bytes of the file being mutated, on disk while the mutant is in place."""

    def __init__(self, build_dir: Path):
        self.path = build_dir / JOURNAL_NAME

    def write(self, target: Path, original: bytes) -> None:
        self.path.parent.mkdir(parents=True, exist_ok=True)
        temporary = self.path.with_suffix(".tmp")
        temporary.write_text(json.dumps({"file": str(target), "bytes": original.decode("latin-1")}))
        os.replace(temporary, self.path)

    def clear(self) -> None:
        self.path.unlink(missing_ok=True)

    def recover(self) -> None:
        if not self.path.exists():
            return
        record = json.loads(self.path.read_text())
        target = Path(record["file"])
        original = record["bytes"].encode("latin-1")
        if target.read_bytes() != original:
            target.write_bytes(original)
            print(f"restored {target} from {self.path} (an earlier run was stopped with a mutant in place)")
        self.clear()


class Applied:
    """Holds one mutant in its file for the length of a with-block; signals wait while a file changes."""

    def __init__(self, mutant: Mutant, journal: Journal):
        self.mutant = mutant
        self.journal = journal
        self.original = b""
        self.written = False

    def __enter__(self):
        path = self.mutant.path
        assert path is not None
        try:
            with BlockedSignals():
                self.original = path.read_bytes()
                needle = self.mutant.original.encode("utf-8")
                if occurrences(self.original, needle) != [self.mutant.offset]:
                    raise ListError(f"[{self.mutant.label}]: {path} changed since the mutants were located")
                mutated = (self.original[: self.mutant.offset] + self.mutant.replacement.encode("utf-8") +
                           self.original[self.mutant.offset + len(needle):])
                self.journal.write(path, self.original)
                self.written = True
                path.write_bytes(mutated)
        except BaseException:
            # A signal held back while the file changed arrives as the block ends: put the file back first.
            self.restore()
            raise
        return self

    def __exit__(self, *exc):
        self.restore()
        return False

    def restore(self) -> None:
        if not self.written:
            return
        with BlockedSignals():
            self.mutant.path.write_bytes(self.original)
            self.journal.clear()
            self.written = False


class BlockedSignals:
    SIGNALS = {signal.SIGINT, signal.SIGTERM}

    def __enter__(self):
        self.previous = signal.pthread_sigmask(signal.SIG_BLOCK, self.SIGNALS)

    def __exit__(self, *exc):
        signal.pthread_sigmask(signal.SIG_SETMASK, self.previous)
        return False


# --------------------------------------------------------------------------------------- building, testing


def tail(text: str, lines: int = KEPT_LOG_LINES) -> str:
    return "\n".join(text.splitlines()[-lines:])


def configure(build_dir: Path) -> None:
    if (build_dir / "build.ninja").exists():
        return
    print(f"configuring {build_dir.relative_to(ROOT) if build_dir.is_relative_to(ROOT) else build_dir}")
    result = subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build_dir), "-G", "Ninja",
                             "-DCMAKE_BUILD_TYPE=Debug"], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"configuring failed:\n{tail(result.stdout + result.stderr)}")


def build(build_dir: Path, jobs: int) -> tuple[bool, str]:
    result = subprocess.run(["cmake", "--build", str(build_dir), f"-j{jobs}", "--target", TEST_TARGET],
                            capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


RUN_LINE = re.compile(r"^\[ RUN      \] (\S+)", re.M)
END_LINE = re.compile(r"^\[ {7}OK \] (\S+)|^\[  FAILED  \] (\S+) \(", re.M)


def running_test(output: str) -> str | None:
    """The test that was running when the output stopped: the last one started and not reported done."""
    started = RUN_LINE.findall(output)
    if not started:
        return None
    done = {a or b for a, b in END_LINE.findall(output)}
    last = started[-1]
    return None if last in done else last


def read_report(path: Path) -> dict[str, dict] | None:
    try:
        report = json.loads(path.read_text())
    except (OSError, ValueError):
        return None
    tests = {}
    for suite in report.get("testsuites", []):
        for case in suite.get("testsuite", []):
            tests[f"{suite['name']}.{case['name']}"] = case
    return tests


def run_tests_once(binary: Path, excluded: list[str], timeout: float, workdir: Path):
    """One run of the test binary: (finished, report, output, timed out)."""
    report_path = workdir / "report.json"
    report_path.unlink(missing_ok=True)
    command = [str(binary), f"--gtest_output=json:{report_path}", "--gtest_color=no"]
    if excluded:
        command.append("--gtest_filter=-" + ":".join(excluded))
    with open(workdir / "output.txt", "w+b") as output_file:
        process = subprocess.Popen(command, stdout=output_file, stderr=subprocess.STDOUT, cwd=workdir,
                                   start_new_session=True)
        timed_out = False
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            timed_out = True
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        finally:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        output_file.seek(0)
        output = output_file.read().decode("utf-8", errors="replace")
    report = None if timed_out else read_report(report_path)
    finished = not timed_out and report is not None
    return finished, report, output, timed_out, process.returncode


def run_tests(binary: Path, timeout: float, workdir: Path) -> tuple[dict[str, str], str, dict[str, dict]]:
    """Runs every test; after a crash or a hang the rest run again without the test that stopped them, so
    that every failing test is known. Gives the failing tests with how they failed, an explanation when
    the run could not be read, and the tests of the last complete report."""
    failed: dict[str, str] = {}
    excluded: list[str] = []
    note = ""
    for _ in range(MAX_RERUNS):
        finished, report, output, timed_out, returncode = run_tests_once(binary, excluded, timeout, workdir)
        if finished:
            for name, case in report.items():
                if case.get("failures") or case.get("result") not in ("COMPLETED", "SKIPPED", "SUPPRESSED"):
                    failed[name] = "failed"
            if returncode != 0 and not failed:
                # Everything passed yet the binary failed: a sanitizer finding at exit, such as a leak.
                failed["(at exit)"] = "crashed"
                note = tail(output, 8)
            return failed, note, report
        culprit = running_test(output)
        if culprit is None or culprit in excluded:
            failed["(outside any test)"] = "timeout" if timed_out else "crashed"
            note = tail(output, 8)
            return failed, note, {}
        failed[culprit] = "timeout" if timed_out else "crashed"
        excluded.append(culprit)
    note = f"stopped after {MAX_RERUNS} runs that each ended in a crash or a hang"
    return failed, note, {}


# -------------------------------------------------------------------------------------------------- a run


def select(mutants: list[Mutant], patterns: list[str]) -> list[Mutant]:
    if not patterns:
        return mutants
    wanted = [p for item in patterns for p in item.split(",") if p]
    chosen = [m for m in mutants if any(fnmatch.fnmatchcase(m.label, p) for p in wanted)]
    unmatched = [p for p in wanted if not any(fnmatch.fnmatchcase(m.label, p) for m in mutants)]
    if unmatched:
        raise ListError("no mutant matches " + ", ".join(unmatched))
    return chosen


def relative_to_root(file: str) -> str:
    path = Path(file).resolve() if file else None
    return str(path.relative_to(ROOT)) if path and path.is_relative_to(ROOT) else file


def run_mutants(mutants: list[Mutant], build_dir: Path, jobs: int, timeout: float | None) -> dict:
    journal = Journal(build_dir)
    binary = build_dir / TEST_BINARY
    configure(build_dir)

    started = time.monotonic()
    print("building and testing the unmutated tree")
    ok, log = build(build_dir, jobs)
    if not ok:
        print(tail(log))
        sys.exit(2)
    workdir = Path(tempfile.mkdtemp(prefix="mutate-", dir=build_dir))
    baseline_started = time.monotonic()
    failed, note, baseline = run_tests(binary, timeout or 600, workdir)
    baseline_seconds = time.monotonic() - baseline_started
    if failed or not baseline:
        shutil.rmtree(workdir, ignore_errors=True)
        print("the unmutated tree does not pass its tests: " + ", ".join(failed) + ("\n" + note if note else ""))
        sys.exit(2)
    test_timeout = timeout or max(30.0, 20 * baseline_seconds)
    tests = {name: {"file": relative_to_root(case.get("file", "")), "line": case.get("line", 0)}
             for name, case in baseline.items()}
    print(f"{len(tests)} tests pass unmutated in {baseline_seconds:.2f} s; timeout per run {test_timeout:.0f} s")

    outcomes: dict[str, Outcome] = {}
    width = max((len(m.label) for m in mutants), default=10)
    try:
        for number, mutant in enumerate(mutants, start=1):
            prefix = f"[{number:3}/{len(mutants)}] {mutant.label:<{width}}"
            if mutant.problem:
                outcomes[mutant.label] = Outcome("not-located", note=mutant.problem)
                print(f"{prefix}  NOT LOCATED: {mutant.problem}")
                continue
            mutant_started = time.monotonic()
            line = mutant.source_line()
            with Applied(mutant, journal):
                ok, log = build(build_dir, jobs)
                if not ok:
                    outcome = Outcome("did-not-compile", log=tail(log))
                else:
                    failed, note, _ = run_tests(binary, test_timeout, workdir)
                    if not failed:
                        status = "survived"
                    elif all(how == "timeout" for how in failed.values()):
                        status = "timeout"
                    else:
                        status = "killed"
                    outcome = Outcome(status, failed=failed, note=note)
            outcome.seconds = time.monotonic() - mutant_started
            outcomes[mutant.label] = outcome
            where = f"{mutant.path.relative_to(ROOT)}:{line}"
            detail = f"{len(outcome.failed)} tests" if outcome.failed else ""
            print(f"{prefix}  {outcome.status.upper():<15} {detail:<9} {outcome.seconds:5.1f} s  {where}")
            if outcome.status == "did-not-compile":
                print("    " + "\n    ".join(tail(log, 8).splitlines()))
    finally:
        shutil.rmtree(workdir, ignore_errors=True)
        # The tree was last built with a mutant: build it again so that it matches the sources.
        print("rebuilding the unmutated tree")
        build(build_dir, jobs)

    return {
        "generated": datetime.datetime.now().astimezone().isoformat(timespec="seconds"),
        "commit": git_commit(),
        "seconds": round(time.monotonic() - started, 1),
        "test_timeout_seconds": test_timeout,
        "tests": tests,
        "mutants": [mutant_record(m, outcomes.get(m.label)) for m in mutants],
    }


def mutant_record(mutant: Mutant, outcome: Outcome | None) -> dict:
    record = {
        "label": mutant.label,
        "file": str(mutant.path.relative_to(ROOT)) if mutant.path else "",
        "line": mutant.source_line(),
        "original": mutant.original,
        "replacement": mutant.replacement,
        "status": outcome.status if outcome else "not-run",
        "failed_tests": dict(sorted(outcome.failed.items())) if outcome else {},
        "seconds": round(outcome.seconds, 1) if outcome else 0,
    }
    if outcome and outcome.note:
        record["note"] = outcome.note
    if outcome and outcome.log:
        record["build_log"] = outcome.log
    return record


def git_commit() -> str:
    result = subprocess.run(["git", "-C", str(ROOT), "rev-parse", "HEAD"], capture_output=True, text=True)
    dirty = subprocess.run(["git", "-C", str(ROOT), "status", "--porcelain", "--", "src", "tests"],
                           capture_output=True, text=True).stdout.strip()
    return result.stdout.strip() + (" (with uncommitted changes under src/ or tests/)" if dirty else "")


# ------------------------------------------------------------------------------------------------ reports


def summary(matrix: dict) -> str:
    mutants = matrix["mutants"]
    by_status: dict[str, list[dict]] = {}
    for m in mutants:
        by_status.setdefault(m["status"], []).append(m)
    ran = [m for m in mutants if m["status"] in ("killed", "survived", "timeout")]
    caught = [m for m in ran if m["status"] != "survived"]
    lines = ["", f"{len(mutants)} mutants: {len(by_status.get('killed', []))} killed, "
                 f"{len(by_status.get('timeout', []))} timed out, {len(by_status.get('survived', []))} survived"]
    for status in ("did-not-compile", "not-located", "not-run"):
        if by_status.get(status):
            lines[-1] += f", {len(by_status[status])} {status}"
    if ran:
        lines.append(f"kill rate: {len(caught)} of {len(ran)} compiled mutants = {100.0 * len(caught) / len(ran):.1f} %"
                     " (a timeout counts as caught)")
    for status, title in (("survived", "survivors"), ("did-not-compile", "did not compile (fix the list)"),
                          ("not-located", "not located (fix the list)")):
        if by_status.get(status):
            lines.append(f"{title}:")
            for m in by_status[status]:
                where = f"{m['file']}:{m['line']}" if m["file"] else m.get("note", "")
                lines.append(f"  {m['label']:<60} {where}")
    lines.append(f"time: {matrix['seconds']:.0f} s")
    return "\n".join(lines)


@dataclass
class TestCase:
    """One TEST, TEST_F or TEST_P in the source; a parameterised test's instances belong to one case."""
    name: str
    file: str
    line: int
    source_lines: int
    instances: list[str] = field(default_factory=list)
    kills: set[str] = field(default_factory=set)


def count_code_lines(lines: list[str]) -> int:
    count = 0
    in_block = False
    for raw in lines:
        line = raw.strip()
        if in_block:
            if "*/" in line:
                in_block = False
                line = line.split("*/", 1)[1].strip()
            else:
                continue
        if line.startswith("/*"):
            in_block = "*/" not in line
            continue
        if line and not line.startswith("//"):
            count += 1
    return count


def tree_lines(folders: list[Path]) -> int:
    """Non-blank, non-comment lines of the source and script files under the folders."""
    suffixes = {".cpp", ".h", ".hpp", ".py", ".txt", ".cmake", ".sh"}
    total = 0
    for folder in folders:
        for path in sorted(folder.rglob("*")) if folder.exists() else []:
            if path.is_file() and path.suffix in suffixes and "__pycache__" not in path.parts:
                lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
                if path.suffix in (".py", ".sh", ".cmake") or path.name == "CMakeLists.txt":
                    total += sum(1 for l in lines if l.strip() and not l.strip().startswith("#"))
                else:
                    total += count_code_lines(lines)
    return total


def test_body_lines(file: Path, line: int) -> int:
    """Non-blank, non-comment lines from a test's TEST line to its closing brace at the start of a line."""
    try:
        text = file.read_text(encoding="utf-8").splitlines()
    except OSError:
        return 0
    end = line - 1
    while end < len(text) and not text[end].startswith("}"):
        end += 1
    return count_code_lines(text[line - 1: end + 1])


def test_cases(matrix: dict) -> dict[str, TestCase]:
    cases: dict[str, TestCase] = {}
    by_place: dict[tuple[str, int], TestCase] = {}
    for test, where in sorted(matrix["tests"].items()):
        place = (where["file"], where["line"])
        if place not in by_place:
            suite, _, name = test.partition(".")
            base_suite = suite.split("/")[-1]
            base_name = name.split("/")[0]
            parameterised = "/" in suite or "/" in name
            case_name = f"{base_suite}.{base_name}" + ("/*" if parameterised else "")
            path = Path(where["file"]) if Path(where["file"]).is_absolute() else ROOT / where["file"]
            by_place[place] = TestCase(case_name, where["file"], where["line"], test_body_lines(path, where["line"]))
        by_place[place].instances.append(test)
    for case in by_place.values():
        cases[case.name] = case
    instance_case = {test: case for case in cases.values() for test in case.instances}
    for m in matrix["mutants"]:
        for test in m["failed_tests"]:
            if test in instance_case:
                instance_case[test].kills.add(m["label"])
    return cases


def keep_set(cases: dict[str, TestCase], caught: set[str]) -> list[TestCase]:
    """Every case that alone kills a mutant, then greedily the case with the most missing kills per line."""
    killers: dict[str, int] = {}
    for case in cases.values():
        for label in case.kills:
            killers[label] = killers.get(label, 0) + 1
    keep = [c for c in cases.values() if any(killers[l] == 1 for l in c.kills)]
    missing = set(caught) - set().union(*(c.kills for c in keep))
    while missing:
        rest = [c for c in cases.values() if c not in keep and c.kills & missing]
        if not rest:
            break
        best = max(rest, key=lambda c: (len(c.kills & missing) / max(c.source_lines, 1), len(c.kills & missing)))
        keep.append(best)
        missing -= best.kills
    return keep


def analysis(matrix: dict) -> str:
    cases = test_cases(matrix)
    mutants = {m["label"]: m for m in matrix["mutants"]}
    caught = {label for label, m in mutants.items() if m["status"] in ("killed", "timeout")}
    killers: dict[str, list[TestCase]] = {label: [] for label in caught}
    for case in cases.values():
        for label in case.kills:
            killers.setdefault(label, []).append(case)
    unique = {case.name: {l for l in case.kills if len(killers[l]) == 1} for case in cases.values()}
    files: dict[str, list[TestCase]] = {}
    for case in sorted(cases.values(), key=lambda c: (c.file, c.line)):
        files.setdefault(case.file, []).append(case)

    keep = keep_set(cases, caught)
    out: list[str] = []
    w = out.append
    w("Mutation check of the unit tests: what each test catches")
    w("=" * 72)
    w(f"commit {matrix['commit']}, run {matrix['generated']}, {matrix['seconds']:.0f} s")
    w(summary(matrix).strip())
    w("")
    w("Test lines are non-blank, non-comment lines from a test's TEST line to its closing brace; a file's lines")
    w("are all of its non-blank, non-comment lines (fixtures, tables and helpers included). A parameterised")
    w("test is one case (name/*) with the kills of all its instances. A case that kills nothing here only")
    w("meets no mutant of this list: before it goes, check that no fault it guards is missing from the list.")
    w("")
    src_lines = tree_lines([SOURCE_DIR])
    test_lines = tree_lines([ROOT / "tests", ROOT / "e2e"])
    unit_lines = tree_lines([ROOT / "tests" / "unit"])
    fake_lines = tree_lines([ROOT / "tests" / "fakes"])
    w(f"Size today: src/ {src_lines} lines; tests/ and e2e/ {test_lines} lines ({test_lines / max(src_lines, 1):.2f} "
      f"times src/), of them tests/unit {unit_lines} and tests/fakes {fake_lines}; a third of src/ is "
      f"{src_lines // 3}.")
    w("")
    w("0. Per test file at a glance, most removable first")
    w("-" * 72)
    w("file lines: all code lines of the file; cases: test lines in its cases; alone: mutants no other file")
    w("kills; candidates: cases (lines) that kill nothing of their own; keep: lines of the keep set (4.)")
    w(f"{'file':<34} {'file lines':>10} {'cases':>11} {'kills':>5} {'alone':>5} {'candidates':>13} {'keep':>5}")
    rows = []
    for file, file_cases in files.items():
        path = ROOT / file
        total = count_code_lines(path.read_text(encoding="utf-8").splitlines()) if path.exists() else 0
        killed_here = set().union(*(c.kills for c in file_cases))
        only_here = {l for l in killed_here if {k.file for k in killers[l]} == {file}}
        candidates = [c for c in file_cases if not unique[c.name]]
        case_lines = sum(c.source_lines for c in file_cases)
        kept_lines = sum(c.source_lines for c in file_cases if c in keep)
        rows.append((1 - kept_lines / max(case_lines, 1), file, total, len(file_cases), case_lines,
                     len(killed_here), len(only_here), len(candidates),
                     sum(c.source_lines for c in candidates), kept_lines))
    for _, file, total, n, case_lines, kills, alone, ncand, cand_lines, kept_lines in sorted(rows, reverse=True):
        w(f"{Path(file).name:<34} {total:>10} {f'{n} ({case_lines})':>11} {kills:>5} {alone:>5} "
          f"{f'{ncand} ({cand_lines})':>13} {kept_lines:>5}")
    outside = sorted(l for l in caught if not killers[l])
    if outside:
        w("Caught only outside any test case (at exit or between tests): " + ", ".join(outside))
    w("")

    w("1. Per test file and test case: the mutants it kills (* = killed by this case alone)")
    w("-" * 72)
    for file, file_cases in files.items():
        path = ROOT / file
        total = count_code_lines(path.read_text(encoding="utf-8").splitlines()) if path.exists() else 0
        killed_here = set().union(*(c.kills for c in file_cases))
        only_here = {l for l in killed_here if {k.file for k in killers[l]} == {file}}
        w("")
        w(f"{file}: {total} lines, {len(file_cases)} cases, kills {len(killed_here)} mutants, "
          f"{len(only_here)} of them killed by no other file")
        for case in file_cases:
            marks = ", ".join(("*" if l in unique[case.name] else "") + l for l in sorted(case.kills))
            w(f"  {case.name}  (line {case.line}, {case.source_lines} lines): "
              f"{len(case.kills)} kills, {len(unique[case.name])} alone")
            if marks:
                w("      " + marks)

    w("")
    w("2. Removal candidates: cases that kill no mutant that another case does not also kill")
    w("-" * 72)
    w("Each can go alone without losing a kill. Candidates that share a mutant no other case kills cannot all")
    w("go: the keep set in section 4 says which of them to keep.")
    total_lines = 0
    for file, file_cases in files.items():
        candidates = [c for c in file_cases if not unique[c.name]]
        if not candidates:
            continue
        lines = sum(c.source_lines for c in candidates)
        total_lines += lines
        w("")
        w(f"{file}: {len(candidates)} of {len(file_cases)} cases, {lines} test lines")
        for c in candidates:
            w(f"  {c.source_lines:4} lines  {c.name}" + ("  (kills nothing)" if not c.kills else
                                                      f"  ({len(c.kills)} kills, all shared)"))
    w("")
    w(f"Candidates together: {total_lines} test lines.")

    w("")
    w("3. Mutants that only one case kills (keep that case, or move its check into a smaller test)")
    w("-" * 72)
    for label in sorted(l for l in caught if len(killers[l]) == 1):
        case = killers[label][0]
        instances = sorted(t for t in mutants[label]["failed_tests"] if t in case.instances)
        detail = f"  [only {', '.join(instances)}]" if len(case.instances) > 1 else ""
        w(f"  {label:<58} {case.name}  ({case.file}:{case.line}){detail}")

    w("")
    w("4. A small keep set: cases that together kill every mutant the whole suite kills")
    w("-" * 72)
    w("Greedy: first every case that alone kills a mutant, then the case with the most kills still missing")
    w("per test line, until nothing is missing.")
    kept_lines = sum(c.source_lines for c in keep)
    all_lines = sum(c.source_lines for c in cases.values())
    w(f"{len(keep)} of {len(cases)} cases, {kept_lines} of {all_lines} test lines:")
    for file, file_cases in files.items():
        kept = [c for c in file_cases if c in keep]
        dropped = [c for c in file_cases if c not in keep]
        w(f"  {file}: keep {len(kept)} ({sum(c.source_lines for c in kept)} lines), "
          f"drop {len(dropped)} ({sum(c.source_lines for c in dropped)} lines)")
        for c in kept:
            w(f"      keep {c.name}")

    survivors = [m for m in matrix["mutants"] if m["status"] == "survived"]
    w("")
    w("5. Survivors: faults no test catches")
    w("-" * 72)
    for m in survivors:
        w(f"  {m['label']}  ({m['file']}:{m['line']})")
        w(f"      - {m['original']!s}".replace("\n", "\n        "))
        w(f"      + {m['replacement']!s}".replace("\n", "\n        "))
    return "\n".join(out) + "\n"


# ---------------------------------------------------------------------------------------------------- main


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--mutants", type=Path, default=ROOT / "scripts" / "mutants.txt", help="the mutant list")
    parser.add_argument("--build-dir", type=Path, default=Path(os.environ.get("TARN_NATIVE_BUILD",
                                                                              ROOT / "build" / "native")))
    parser.add_argument("--only", action="append", default=[], metavar="LABEL",
                        help="run only these labels (shell patterns, comma-separated or repeated)")
    parser.add_argument("--json", type=Path, metavar="OUT", help="write the kill matrix as JSON")
    parser.add_argument("--analysis", type=Path, metavar="OUT",
                        help="write which test kills which mutant, removal candidates and lone killers")
    parser.add_argument("--from-json", type=Path, metavar="IN",
                        help="read a kill matrix written before instead of running (with --analysis)")
    parser.add_argument("--timeout", type=float, help="seconds per test run (default: 20 times the unmutated run, "
                                                      "at least 30)")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--check", action="store_true", help="only parse and locate the mutants")
    args = parser.parse_args()

    build_dir = args.build_dir if args.build_dir.is_absolute() else (Path.cwd() / args.build_dir)
    signal.signal(signal.SIGTERM, on_sigterm)

    if args.from_json:
        matrix = json.loads(args.from_json.read_text())
    else:
        Journal(build_dir).recover()
        try:
            mutants = select(parse_mutants(args.mutants), args.only)
        except ListError as error:
            print(error, file=sys.stderr)
            return 1
        locate(mutants)
        if args.check:
            for m in mutants:
                place = f"{m.path.relative_to(ROOT)}:{m.source_line()}" if m.path else "PROBLEM: " + m.problem
                print(f"{m.label:<60} {place}")
            bad = [m for m in mutants if m.problem]
            print(f"{len(mutants)} mutants, {len(mutants) - len(bad)} located, {len(bad)} with a problem")
            return 1 if bad else 0
        try:
            matrix = run_mutants(mutants, build_dir, args.jobs, args.timeout)
        except (KeyboardInterrupt, Interrupted):
            print("\nstopped; the mutated file was put back", file=sys.stderr)
            return 130
        except ListError as error:
            print(error, file=sys.stderr)
            return 1

    if args.json:
        args.json.parent.mkdir(parents=True, exist_ok=True)
        matrix["kills_by_test"] = {
            test: sorted(m["label"] for m in matrix["mutants"] if test in m["failed_tests"])
            for test in sorted(matrix["tests"])}
        args.json.write_text(json.dumps(matrix, indent=1) + "\n")
        print(f"kill matrix: {args.json}")
    if args.analysis:
        args.analysis.write_text(analysis(matrix))
        print(f"analysis: {args.analysis}")
    print(summary(matrix))
    broken = [m for m in matrix["mutants"] if m["status"] in ("did-not-compile", "not-located")]
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
