#!/usr/bin/env python3
"""Suggestion quality of the built-in engine beside Debian's native
Hunspell, Nuspell and Aspell, on the same error set in one run.

For each engine and each error pattern: how often the intended word is the
first suggestion and how often it is among the first five, and the wall time
of the whole run (each engine loads its dictionary once).

usage: quality.py ERRORS.tsv VESTREL_COMMAND...
VESTREL_COMMAND is run with the path of a UTF-8 word file appended (the
benchmark passes wine, vestrel-spell.exe and a Windows path maker).
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


def main():
    errors, vestrel = sys.argv[1], sys.argv[2:]
    pairs = [line.rstrip('\n').split('\t') for line in open(errors, encoding='utf-8') if line.strip()]
    words = [p[0] for p in pairs]
    with tempfile.NamedTemporaryFile('w', encoding='utf-8', suffix='.txt', delete=False) as file:
        file.write('\n'.join(words) + '\n')
    try:
        env_dic = '/usr/share/hunspell/es_ES'
        engines = [
            ('vestrel', lambda: run(vestrel, words, vestrel_lists, as_file=file.name)),
            ('hunspell', lambda: run(['hunspell', '-d', env_dic, '-a'], words, ispell_lists)),
            ('nuspell', lambda: run(['nuspell', '-d', 'es_ES'], words, nuspell_lists)),
            ('aspell', lambda: run(['aspell', '-l', 'es', '-a'], words, ispell_lists)),
        ]
        results = {}
        for name, go in engines:
            try:
                results[name] = go()
            except (OSError, subprocess.CalledProcessError) as failure:
                print('quality: %s not run (%s)' % (name, failure))
    finally:
        os.unlink(file.name)
    patterns = sorted({p[2] for p in pairs}, key=lambda n: (n == 'typo', n))
    print('%-12s %6s' % ('pattern', 'pairs') + ''.join(' %17s' % n for n in results))
    print('%-12s %6s' % ('', '') + ''.join(' %17s' % 'first / top 5' for _ in results))

    def line(label, chosen):
        cells = ''
        for name, (lists, _) in results.items():
            first = sum(1 for i in chosen if lists[i][:1] == [pairs[i][1]])
            five = sum(1 for i in chosen if pairs[i][1] in lists[i][:5])
            cells += ' %8.1f%% %6.1f%%' % (100.0 * first / len(chosen), 100.0 * five / len(chosen))
        print('%-12s %6d' % (label, len(chosen)) + cells)

    for pattern in patterns:
        line(pattern, [i for i, p in enumerate(pairs) if p[2] == pattern])
    line('spanish', [i for i, p in enumerate(pairs) if p[2] != 'typo'])
    print('%-12s %6s' % ('run time', '') + ''.join(' %16.0fms' % (1000 * t) for _, t in results.values()))


if __name__ == '__main__':
    main()
