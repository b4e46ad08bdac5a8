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

The joined forms Hunspell accepts (por que: porque, tan bien: también) are
written apart, one a line: they are words, and must never be split.

usage: make_runtogether.py TUNE.tsv MEASURE.tsv WORDS.txt [TEXT...]
TEXT: by default the folders the lexicon's counts are made from.
TSV lines (with a header, as the real misspellings): misspelt, intended,
source (text), kind (lower, title or capitals).
"""
import hashlib
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'engine'))
from make_errors import rejected  # noqa: E402
from make_lexicon import TEXTS, read_text, text_files  # noqa: E402

PAIRS = 4000  # both halves together
WORD = re.compile(r'[^\W\d_]+')
# Spanish letters only: a text read in the wrong encoding (Ã³rdenes) is no
# Spanish.
SPANISH = re.compile(r'[a-zA-Z\u00e1\u00e9\u00ed\u00f3\u00fa\u00fc\u00f1\u00c1\u00c9\u00cd\u00d3\u00da\u00dc\u00d1]+$')
# A manual page's font changes and escapes, which would glue words to letters.
ESCAPE = re.compile(r'\\(?:f.|\(..|\*.|.)')


def kind(first, second):
    joined = first + second
    if not SPANISH.match(joined):
        return None
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


def main():
    tune, measure, words_out, *texts = sys.argv[1:]
    texts = texts or TEXTS
    seen = {}
    for first, second in neighbours(texts):
        case = kind(first, second)
        if case and len(first + second) >= 4:
            seen.setdefault((first + second).lower(), (first + second, first + ' ' + second, case))
    words = {w for joined, intended, _ in seen.values() for w in intended.split()}
    bad_words = rejected(sorted(words))
    candidates = {k: v for k, v in seen.items() if not set(v[1].split()) & bad_words}
    bad_joined = rejected(sorted(v[0] for v in candidates.values()))
    with open(words_out, 'w', encoding='utf-8') as out:
        whole = sorted(v[0] for v in candidates.values() if v[0] not in bad_joined)
        out.write(''.join(word + '\n' for word in whole))
    print('%s: %d words that are two words joined' % (words_out, len(whole)))
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
