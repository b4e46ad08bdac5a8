#!/usr/bin/env python3
"""Suggestion quality of the built-in engine beside Debian's native
Hunspell, Nuspell and Aspell, on the same error set in one run.

For each engine and each kind of error: how often the intended word is the
first suggestion and how often it is among the first five, and the wall time
of the whole run (each engine loads its dictionary once).

Two sets are read. The generated one (misspelt, intended, pattern; no
header) is made by make_errors.py. A set of real misspellings has a header
line (misspelt, intended, source, kind); its "spelling" line counts every
kind but multi, whose corrections may also change the grammar (a verb form,
an ending), and so differ from the written word by more than its spelling.

usage: quality.py [--sample N] [--require | --floor FIRST,FIVE[,SLIPS]]
                  [--misses OUT.tsv [--counts COUNTS]]
                  ERRORS.tsv VESTREL_COMMAND... [--winpath]
VESTREL_COMMAND is run with the path of a UTF-8 word file appended, as a
Windows path (Wine's Z: drive) with --winpath. --sample N takes every N-th
pair of each kind. --require (generated set) runs the built-in engine and
Hunspell only and fails unless the Spanish patterns give the intended word
first at least 90% of the time and in the first five at least 98%, and the
plain typos do no worse than Hunspell on either count. --floor (real set)
runs the built-in engine only and fails unless the spelling line gives the
intended word first at least FIRST% of the time and in the first five at
least FIVE%, and the keyboard slips (kind typo) first at least SLIPS%
(a set without slips, such as the words run together, gives two floors).
--misses writes each pair whose intended word the built-in engine does not
put first: misspelt, intended, kind, the intended word's place in the list
(0: not listed) and the first five; with --counts (the lexicon's counts of
the text), how often the intended word and the first one appear there, which
tells a miss of the error model from one of the text's word frequencies.
"""
import os
import subprocess
import sys
import tempfile
import time


def ispell_lists(output, words):
    """Suggestions from the ispell pipe dialect (hunspell -a, aspell -a)."""
    answers = [line for line in output.split('\n')[1:] if line]
    lists = []
    for line in answers:
        if line.startswith('&'):
            lists.append(line.split(': ', 1)[1].split(', '))
        else:
            lists.append([])
    return lists if len(lists) == len(words) else None


def nuspell_lists(output, words):
    lists = []
    for line in output.split('\n'):
        if 'How about: ' in line:
            lists.append(line.split('How about: ', 1)[1].split(', '))
        elif 'No suggestions.' in line or line.endswith('* OK') or '* OK' in line:
            lists.append([])
    return lists if len(lists) == len(words) else None


def vestrel_lists(output, words):
    lists = []
    for line in output.split('\n'):
        if line:
            fields = line.split('\t')
            lists.append(fields[2:] if len(fields) > 1 and fields[1] == 'bad' else [])
    return lists if len(lists) == len(words) else None


def run(command, words, parse, as_file=None):
    start = time.monotonic()
    if as_file:
        done = subprocess.run(command + [as_file], capture_output=True, check=True)
    else:
        done = subprocess.run(command, input=('\n'.join(words) + '\n').encode(), capture_output=True, check=True)
    elapsed = time.monotonic() - start
    lists = parse(done.stdout.decode('utf-8', 'replace').replace('\r', ''), words)
    if lists is None:
        sys.exit('quality: %s answered for a different number of words' % command[0])
    return lists, elapsed


def read_counts(path):
    """How often each form appears in the text, case folded."""
    seen = {}
    for line in open(path, encoding='utf-8'):
        form, _, count = line.rstrip('\n').partition('\t')
        seen[form.lower()] = seen.get(form.lower(), 0) + int(count)
    return seen


def write_misses(path, pairs, lists, seen):
    with open(path, 'w', encoding='utf-8') as out:
        heading = ['misspelt', 'intended', 'kind', 'place', 'first five']
        out.write('\t'.join(heading + (['intended seen', 'first seen'] if seen is not None else [])) + '\n')
        for (typed, intended, kind), listed in zip(pairs, lists):
            if listed[:1] == [intended]:
                continue
            place = listed.index(intended) + 1 if intended in listed else 0
            row = [typed, intended, kind, str(place), ' | '.join(listed[:5])]
            if seen is not None:
                row += [str(seen.get(intended.lower(), 0)), str(seen.get(listed[0].lower(), 0)) if listed else '']
            out.write('\t'.join(row) + '\n')


def main():
    args = sys.argv[1:]
    sample, require, floor, misses, counts = 1, False, None, None, None
    while args and args[0].startswith('--'):
        if args[0] == '--sample':
            sample, args = int(args[1]), args[2:]
        elif args[0] == '--require':
            require, args = True, args[1:]
        elif args[0] == '--floor':
            floor, args = [float(x) for x in args[1].split(',')], args[2:]
        elif args[0] == '--misses':
            misses, args = args[1], args[2:]
        elif args[0] == '--counts':
            counts, args = args[1], args[2:]
        else:
            sys.exit('quality: unknown option ' + args[0])
    errors, vestrel = args[0], args[1:]
    windows = vestrel[-1:] == ['--winpath']
    if windows:
        vestrel = vestrel[:-1]
    pairs = [line.rstrip('\n').split('\t') for line in open(errors, encoding='utf-8') if line.strip()]
    real = pairs[0][:2] == ['misspelt', 'intended']
    if real:
        pairs = [[p[0], p[1], p[3]] for p in pairs[1:]]
    taken = {}
    pairs = [p for p in pairs if taken.setdefault(p[2], []).append(p) or (len(taken[p[2]]) - 1) % sample == 0]
    words = [p[0] for p in pairs]
    with tempfile.NamedTemporaryFile('w', encoding='utf-8', suffix='.txt', delete=False) as file:
        file.write('\n'.join(words) + '\n')
    try:
        env_dic = '/usr/share/hunspell/es_ES'
        engines = [
            ('vestrel', lambda: run(vestrel, words, vestrel_lists,
                                    as_file='Z:' + os.path.realpath(file.name).replace('/', '\\') if windows else file.name)),
            ('hunspell', lambda: run(['hunspell', '-d', env_dic, '-a'], words, ispell_lists)),
            ('nuspell', lambda: run(['nuspell', '-d', 'es_ES'], words, nuspell_lists)),
            ('aspell', lambda: run(['aspell', '-l', 'es', '-a'], words, ispell_lists)),
        ]
        if require:
            engines = engines[:2]
        elif floor:
            engines = engines[:1]
        results = {}
        for name, go in engines:
            try:
                results[name] = go()
            except (OSError, subprocess.CalledProcessError) as failure:
                print('quality: %s not run (%s)' % (name, failure))
    finally:
        os.unlink(file.name)
    patterns = sorted({p[2] for p in pairs}, key=lambda n: (n == 'typo', n))
    print('%-12s %6s' % ('kind' if real else 'pattern', 'pairs') + ''.join(' %17s' % n for n in results))
    print('%-12s %6s' % ('', '') + ''.join(' %17s' % 'first / top 5' for _ in results))

    def rates(name, chosen):
        lists = results[name][0]
        first = sum(1 for i in chosen if lists[i][:1] == [pairs[i][1]])
        five = sum(1 for i in chosen if pairs[i][1] in lists[i][:5])
        return 100.0 * first / len(chosen), 100.0 * five / len(chosen)

    def line(label, chosen):
        print('%-12s %6d' % (label, len(chosen)) + ''.join(' %8.1f%% %6.1f%%' % rates(n, chosen) for n in results))

    groups = {pattern: [i for i, p in enumerate(pairs) if p[2] == pattern] for pattern in patterns}
    if real:
        groups['spelling'] = [i for i, p in enumerate(pairs) if p[2] != 'multi']
    else:
        groups['spanish'] = [i for i, p in enumerate(pairs) if p[2] != 'typo']
    for label, chosen in groups.items():
        line(label, chosen)
    print('%-12s %6s' % ('run time', '') + ''.join(' %16.0fms' % (1000 * t) for _, t in results.values()))
    if misses and 'vestrel' in results:
        write_misses(misses, pairs, results['vestrel'][0], read_counts(counts) if counts else None)
    if floor:
        spelling = rates('vestrel', groups['spelling'])
        checks = [('spelling, intended word first >= %g%%' % floor[0], spelling[0] >= floor[0]),
                  ('spelling, intended word in the first five >= %g%%' % floor[1], spelling[1] >= floor[1])]
        if len(floor) > 2:
            typo = rates('vestrel', groups['typo'])
            checks.append(('keyboard slips, intended word first >= %g%%' % floor[2], typo[0] >= floor[2]))
    if require:
        spanish, typo = rates('vestrel', groups['spanish']), rates('vestrel', groups['typo'])
        stock = rates('hunspell', groups['typo'])
        checks = [('Spanish slips, intended word first >= 90%', spanish[0] >= 90.0),
                  ('Spanish slips, intended word in the first five >= 98%', spanish[1] >= 98.0),
                  ('plain typos, first no worse than Hunspell', typo[0] >= stock[0]),
                  ('plain typos, first five no worse than Hunspell', typo[1] >= stock[1])]
    if require or floor:
        for what, ok in checks:
            if not ok:
                print('FAILED: ' + what)
        failed = sum(1 for _, ok in checks if not ok)
        print('quality: %d passed, %d failed' % (len(checks) - failed, failed))
        sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
