#!/usr/bin/env python3
"""Fault injection: does the test suite notice a one-token change in src/?

Candidates: every occurrence in src/**/*.cpp and src/**/*.h, outside comments and string or
character literals, of a token below, which is swapped for its partner:
    ' <= ' <-> ' < '    ' >= ' <-> ' > '    ' == ' <-> ' != '    ' && ' <-> ' || '
    ' + 1' <-> ' - 1'   (the 1 not followed by a digit, letter or '.')
    true <-> false      (whole words)
Operators need a space on each side, so templates, includes, '->', '<<' and '>>' are never hit.

Choice: the files holding candidates, sorted by path, are shuffled by random.Random(seed); then,
round after round, each file in that order gives up one of its remaining candidates, drawn at
random by the same generator, until --count are chosen. The choice depends only on the sorted
(file, line, column, token) list and the seed.

Run: the unchanged code is built and tested first (it must pass; its time sets a limit of 3x,
at least +60 s, past which a fault counts as caught by "timeout"). Then each fault in turn is
written into the working copy, the build directory rebuilt and CTest run headless, stopping at
the first failing test. The file is always put back and touched, on Ctrl-C too; if the script
was killed outright, its next run restores the file first. A fault that does not compile is
"not built" and counts neither way. Results also go to DIR/mutation-report.txt.
"""
import argparse, os, random, re, shutil, signal, subprocess, sys, time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SWAP = {'<=': '<', '<': '<=', '>=': '>', '>': '>=', '==': '!=', '!=': '==', '&&': '||', '||': '&&',
        '+ 1': '- 1', '- 1': '+ 1', 'true': 'false', 'false': 'true'}
NOISE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
TOKEN = re.compile(r'(?<= )(<=|<|>=|>|==|!=|&&|\|\|)(?= )|(?<= )([+-] 1)(?![\w.])|\b(true|false)\b')


def code_only(text):
    """The text with comments and string and character literals blanked out, newlines kept."""
    return NOISE.sub(lambda m: re.sub(r'[^\n]', '\x01', m.group(0)), text)


def candidates():
    found = []
    for path in sorted(p for p in (ROOT / 'src').rglob('*') if p.suffix in ('.cpp', '.h')):
        text = code_only(path.read_text(encoding='utf-8'))
        for lineno, line in enumerate(text.split('\n'), 1):
            found += [(str(path.relative_to(ROOT)), lineno, m.start() + 1, m.group(0))
                      for m in TOKEN.finditer(line)]
    return sorted(found)


def choose(cands, count, seed):
    rng, per_file, chosen = random.Random(seed), {}, []
    for c in cands:
        per_file.setdefault(c[0], []).append(c)
    files = sorted(per_file)
    rng.shuffle(files)
    while len(chosen) < count and any(per_file.values()):
        for f in (f for f in files if per_file[f] and len(chosen) < count):
            chosen.append(per_file[f].pop(rng.randrange(len(per_file[f]))))
    return chosen


def run(cmd, cwd, limit=None):
    """(exit code, or None past the time limit; output) of cmd, in a process group of its own."""
    p = subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                         start_new_session=True, env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
    try:
        out = p.communicate(timeout=limit)[0]
        return p.returncode, out
    except subprocess.TimeoutExpired:
        return None, ''
    finally:
        if p.poll() is None:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--count', type=int, default=40)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--build', type=Path, default=ROOT / 'build-mutation')
    ap.add_argument('--jobs', type=int, default=os.cpu_count())
    ap.add_argument('--list', action='store_true', help='print the chosen faults and stop')
    a = ap.parse_args()
    cands = candidates()
    faults = choose(cands, a.count, a.seed)
    name = lambda f, line, col, tok: f"{f}:{line}:{col}  '{tok}' -> '{SWAP[tok]}'"
    if a.list:
        for i, fault in enumerate(faults, 1):
            print(f'{i:3}  {name(*fault)}')
        print(f'{len(faults)} faults from {len(cands)} candidates in {len({c[0] for c in cands})} files, seed {a.seed}')
        return 0

    build = a.build.resolve()
    build.mkdir(parents=True, exist_ok=True)
    pending, saved = build / 'mutation-pending', build / 'mutation-original'
    if pending.exists():  # a run killed outright left a fault in place
        shutil.copyfile(saved, ROOT / pending.read_text())
        os.utime(ROOT / pending.read_text())
        print(f'restored {pending.read_text()}')
        pending.unlink()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    signal.signal(signal.SIGHUP, lambda *_: sys.exit(129))
    if not (build / 'CMakeCache.txt').exists():
        extra = (['-G', 'Ninja'] if shutil.which('ninja') else []) + \
                (['-DCMAKE_CXX_COMPILER_LAUNCHER=ccache'] if shutil.which('ccache') else [])
        subprocess.run(['cmake', '-S', ROOT, '-B', build] + extra, check=True)
    make = ['cmake', '--build', build, '-j', str(a.jobs)]
    ctest = ['ctest', '--output-on-failure', '-j', str(a.jobs), '--stop-on-failure']

    t0 = time.monotonic()
    code, out = run(make, ROOT)
    if code == 0:
        code, out = run(ctest, build)
    if code != 0:
        print(out[-5000:] + '\nThe unchanged code does not build or pass its tests: nothing to measure.')
        return 2
    suite = time.monotonic() - t0
    report = open(build / 'mutation-report.txt', 'w')

    def say(text):
        print(text, flush=True)
        print(text, file=report, flush=True)

    say(f'seed {a.seed}, {len(faults)} faults from {len(cands)} candidates; unchanged build and suite {suite:.0f} s')
    caught = built = 0
    for i, (f, line, col, tok) in enumerate(faults, 1):
        path, start = ROOT / f, time.monotonic()
        original = path.read_bytes()
        lines = original.decode('utf-8').split('\n')
        assert lines[line - 1][col - 1:col - 1 + len(tok)] == tok, f'{f}:{line} changed since the choice'
        lines[line - 1] = lines[line - 1][:col - 1] + SWAP[tok] + lines[line - 1][col - 1 + len(tok):]
        shutil.copyfile(path, saved)
        pending.write_text(f)
        try:
            path.write_bytes('\n'.join(lines).encode('utf-8'))
            verdict = 'not built'
            if run(make, ROOT)[0] == 0:
                built += 1
                code, out = run(ctest, build, max(3 * suite, suite + 60))
                failed = re.findall(r'Test +#\d+: (\S+) (?!.*Passed)', out)
                verdict = ('caught by timeout' if code is None else 'SURVIVED' if code == 0 and not failed
                           else 'caught by ' + (failed[0] if failed else 'ctest'))
                caught += verdict.startswith('caught')
        finally:
            path.write_bytes(original)
            os.utime(path)
            pending.unlink()
        say(f'{i:3}  {name(f, line, col, tok)}  {verdict}  ({time.monotonic() - start:.0f} s)')
    say(f'caught {caught} of {built} built ({len(faults) - built} not built)')
    return 0


if __name__ == '__main__':
    sys.exit(main())
