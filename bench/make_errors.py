#!/usr/bin/env python3
"""Writes the benchmark's Spanish error set: frequent correct words with
the mistakes Spanish writers make, and a set of plain one-edit typos.

The words are the commonest lower-case forms in the counts the lexicon build
writes (from the Spanish text Debian ships); a misspelling is kept only when
Hunspell rejects it, so every pair is a real error. A fixed seed makes the
same set on every machine with the same packages.

usage: make_errors.py COUNTS OUT.tsv [SEED]
OUT.tsv lines: typed<TAB>intended<TAB>pattern
"""
import random
import subprocess
import sys

PER_PATTERN = 80
TYPOS = 300
COMMON = 4000  # words drawn from the commonest this many
ACCENTS = {'á': 'a', 'é': 'e', 'í': 'i', 'ó': 'o', 'ú': 'u', 'ñ': 'n', 'ü': 'u'}
VOWELS = 'aeiouáéíóú'
LETTERS = 'abcdefghijlmnopqrstuvxyzñáéíóú'


def replacements(word, pairs):
    """Each way of writing one occurrence of a for b, for (a, b) in pairs."""
    out = []
    for a, b in pairs:
        start = word.find(a)
        while start >= 0:
            out.append(word[:start] + b + word[start + len(a):])
            start = word.find(a, start + 1)
    return out


def accent(word):
    return [word[:i] + ACCENTS[c] + word[i + 1:] for i, c in enumerate(word) if c in ACCENTS]


def b_v(word):
    return replacements(word, [('b', 'v'), ('v', 'b')])


def ll_y(word):
    return replacements(word, [('ll', 'y'), ('y', 'll')])


def g_j(word):
    return replacements(word, [('ge', 'je'), ('gi', 'ji'), ('je', 'ge'), ('ji', 'gi')])


def h(word):
    dropped = [word[:i] + word[i + 1:] for i, c in enumerate(word) if c == 'h' and (i == 0 or word[i - 1] != 'c')]
    added = ['h' + word] if word[0] in VOWELS else []
    return dropped + added


def c_s_z(word):
    return replacements(word, [('z', 's'), ('ce', 'se'), ('ci', 'si'), ('se', 'ce'), ('si', 'ci'),
                               ('s', 'z'), ('za', 'sa'), ('zo', 'so'), ('ce', 'ze'), ('ci', 'zi')])


def doubled(word):
    out = [word[:i] + word[i + 1:] for i in range(1, len(word)) if word[i] == word[i - 1]]
    out += [word[:i] + word[i] + word[i:] for i, c in enumerate(word) if c in 'rlcnsmp' and 0 < i < len(word) - 1]
    return out


def transposed(word):
    return [word[:i] + word[i + 1] + word[i] + word[i + 2:] for i in range(len(word) - 1) if word[i] != word[i + 1]]


PATTERNS = [('accent', accent), ('b/v', b_v), ('ll/y', ll_y), ('g/j', g_j), ('h', h),
            ('c/s/z', c_s_z), ('doubled', doubled), ('transposed', transposed)]


def one_edit(word, rng):
    i = rng.randrange(len(word))
    kind = rng.choice(('replace', 'insert', 'delete', 'transpose'))
    if kind == 'replace':
        return word[:i] + rng.choice(LETTERS) + word[i + 1:]
    if kind == 'insert':
        return word[:i] + rng.choice(LETTERS) + word[i:]
    if kind == 'delete' and len(word) > 3:
        return word[:i] + word[i + 1:]
    if i < len(word) - 1:
        return word[:i] + word[i + 1] + word[i] + word[i + 2:]
    return word[:i] + rng.choice(LETTERS) + word[i + 1:]


def rejected(words):
    """The words Hunspell does not accept (listed without suggestions)."""
    run = subprocess.run(['hunspell', '-d', '/usr/share/hunspell/es_ES', '-l'], input='\n'.join(words) + '\n',
                         capture_output=True, text=True, encoding='utf-8', check=True)
    return set(run.stdout.split('\n')) & set(words)


def main():
    counts, out = sys.argv[1], sys.argv[2]
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 2026)
    words = []
    for line in open(counts, encoding='utf-8'):
        form, count = line.rstrip('\n').split('\t')
        if len(form) >= 3 and form.isalpha() and form == form.lower():
            words.append(form)
        if len(words) == COMMON:
            break
    proposals = []  # (typed, intended, pattern)
    for name, make in PATTERNS:
        order = words[:]
        rng.shuffle(order)
        for word in order:
            variants = sorted(set(make(word)))
            if variants:
                proposals.append((rng.choice(variants), word, name))
    order = words[:]
    rng.shuffle(order)
    for word in order[:TYPOS * 3]:
        proposals.append((one_edit(word, rng), word, 'typo'))
    bad = rejected(sorted({p[0] for p in proposals}))
    kept, taken, seen = [], {}, set()
    for typed, intended, name in proposals:
        limit = TYPOS if name == 'typo' else PER_PATTERN
        if typed in bad and typed not in seen and taken.get(name, 0) < limit:
            kept.append((typed, intended, name))
            taken[name] = taken.get(name, 0) + 1
            seen.add(typed)
    with open(out, 'w', encoding='utf-8') as file:
        for row in kept:
            file.write('\t'.join(row) + '\n')
    print('make_errors: %d pairs (%s)' % (len(kept), ', '.join('%s %d' % kv for kv in taken.items())))


if __name__ == '__main__':
    main()
