#!/usr/bin/env python3
"""Writes a set of run-together words: two neighbouring words of the Spanish
text the lexicon's counts come from, written as one (por favor -> porfavor),
each with the two words as the intended correction.

A pair is taken as the text has it, so the set keeps the text's share of
lower case, of a sentence's capital first (Porfavor -> Por favor) and of
capitals throughout (PORFAVOR); a pair with a capital inside (de Dios) is
passed over, as writers who run words together rarely keep it. Both words
must be words Hunspell accepts and their joined form one it rejects, so every
pair is a real error. The set is split in two by a hash of the joined form:
a half to tune on and a half to measure on, never to tune on.

usage: make_runtogether.py TUNE.tsv MEASURE.tsv TEXT...
OUT lines (with a header, as the real misspellings): misspelt, intended,
source (text), kind (lower, title or capitals).
"""
import hashlib
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'engine'))
from make_lexicon import read_text, text_files  # noqa: E402

PAIRS = 4000  # both halves together
WORD = re.compile(r'[^\W\d_]+')
# A manual page's font changes and escapes, which would glue words to letters.
ESCAPE = re.compile(r'\\(?:f.|\(..|\*.|.)')


def kind(first, second):
    joined = first + second
    if joined.isupper() and len(joined) > 2:
        return 'capitals'
    if joined[1:].islower():
        return 'title' if joined[0].isupper() else 'lower'
    return None


def neighbours(texts):
    """Every two words the text writes one after the other with only a space
    between, in the text's order."""
    for path in text_files(texts):
        for line in read_text(path):
            line = ESCAPE.sub(' ', line)
            words = list(WORD.finditer(line))
            for a, b in zip(words, words[1:]):
                if line[a.end():b.start()] == ' ':
                    yield a.group(), b.group()


def rejected(words):
    """The words Hunspell's Spanish dictionary rejects."""
    done = subprocess.run(['hunspell', '-d', '/usr/share/hunspell/es_ES', '-l'], input='\n'.join(words) + '\n',
                          capture_output=True, text=True, check=True)
    return set(done.stdout.split())


def main():
    tune, measure, *texts = sys.argv[1:]
    seen = {}
    for first, second in neighbours(texts):
        case = kind(first, second)
        if case and len(first + second) >= 4:
            seen.setdefault((first + second).lower(), (first + second, first + ' ' + second, case))
    words = {w for joined, intended, _ in seen.values() for w in intended.split()}
    bad_words = rejected(sorted(words))
    candidates = {k: v for k, v in seen.items() if not set(v[1].split()) & bad_words}
    bad_joined = rejected(sorted(v[0] for v in candidates.values()))
    pairs = sorted((v for v in candidates.values() if v[0] in bad_joined),
                   key=lambda v: hashlib.sha1(v[0].lower().encode('utf-8')).hexdigest())[:PAIRS]
    halves = {tune: [], measure: []}
    for pair in pairs:
        digest = hashlib.sha1(('half:' + pair[0].lower()).encode('utf-8')).digest()
        halves[tune if digest[0] % 2 == 0 else measure].append(pair)
    for path, rows in halves.items():
        with open(path, 'w', encoding='utf-8') as out:
            out.write('misspelt\tintended\tsource\tkind\n')
            for joined, intended, case in rows:
                out.write('%s\t%s\ttext\t%s\n' % (joined, intended, case))
        counts = {case: sum(1 for r in rows if r[2] == case) for case in ('lower', 'title', 'capitals')}
        print('%s: %d pairs (%s)' % (path, len(rows), ', '.join('%s %d' % kv for kv in counts.items())))


if __name__ == '__main__':
    main()
