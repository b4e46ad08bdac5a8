#!/usr/bin/env python3
"""Learns the costs of keyboard slips from real misspellings, on one half
of them, so that the other half can tell whether they carry over.

Each pair of kind typo (one edit apart once case and accents are set
aside) is classed as the suggester classes the slip: a letter left out
(after the same letter, an n, m or s closing a syllable, a vowel between
consonants, any other), a letter added (the one before it again, a key
beside a neighbour, any other), a key for another (a neighbouring key, a
vowel for a vowel, any other), two letters swapped. A slip's chance is how
often writers made it over how often they could have: the intended words
of the half give the chances (every letter could be left out, every key
beside a letter hit instead of it). The cost is the slip's chance against
an unrelated letter's, on the scale the suggester gives word frequency
(a class is half a doubling, and costs 3), with an unrelated letter at 100.

usage: learn_costs.py REAL_ERRORS.tsv
Prints both halves' counts and costs (the half to learn from is the first)
beside the costs the engine has now.
"""
import collections
import hashlib
import math
import os
import re
import sys
import unicodedata

ROWS = ['qwertyuiop', 'asdfghjkl\u00f1', 'zxcvbnm']
LETTERS = 'abcdefghijklmnopqrstuvwxyz\u00f1'
VOWELS = 'aeiou'
# Letters Spanish spells for one another: their slips are not keyboard slips.
SPANISH = {frozenset(p) for p in ['bv', 'gj', 'sz', 'cz', 'cs', 'yi', 'ck', 'qk', 'xs', 'mn', '\u00f1n']}
# Units of cost for a factor e in a word's chance: a frequency class is a
# factor of the square root of 2 and costs 3.
PER_NAT = 3 / (0.5 * math.log(2))
EDIT = 100
# The engine's constant for each slip.
CONSTANTS = {'n, m or s closing a syllable left out': 'kCoda', 'vowel between consonants left out': 'kBetween',
             'letter left out': 'kLeftOut', 'vowel for a vowel': 'kVowel', 'two letters swapped': 'kTransposed',
             'neighbouring key': 'kNeighbourKey', 'key beside a neighbour added': 'kAddedBeside',
             'letter added': 'kEdit', 'unrelated letter': 'kEdit', 'letter doubled': 'kDoubled',
             'doubled letter left out': 'kDoubled'}


def engine_costs():
    source = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'engine', 'suggester.cpp'),
                  encoding='utf-8').read()
    return {name: int(value) for name, value in re.findall(r'constexpr int (k\w+) = (\d+);', source)}


def fold(word):
    out = []
    for c in word.lower():
        if c == '\u00f1':
            out.append(c)
        else:
            out.append(unicodedata.normalize('NFD', c)[0])
    return ''.join(out)


def position(c):
    for r, row in enumerate(ROWS):
        if c in row:
            return r, row.index(c)
    return None


def neighbours(a, b):
    pa, pb = position(a), position(b)
    if not pa or not pb:
        return False
    (r, i), (s, j) = pa, pb
    return ((s == r and abs(i - j) == 1) or (s == r + 1 and j in (i, i - 1)) or
            (s == r - 1 and j in (i, i + 1)))


def consonant(c):
    return c.isalpha() and c not in VOWELS


def omission_kind(m, j):
    c, before = m[j], m[j - 1] if j else ''
    after = m[j + 1] if j + 1 < len(m) else ''
    if c == 'h' and before != 'c':
        return None  # a silent h: a spelling slip
    if c == before:
        return 'doubled letter left out'
    if j >= 1 and c in 'nms' and consonant(after):
        return 'n, m or s closing a syllable left out'
    if j >= 2 and c in VOWELS and consonant(before) and consonant(after):
        return 'vowel between consonants left out'
    return 'letter left out'


def insertion_kind(m, j, t):
    before, after = m[j - 1] if j else '', m[j] if j < len(m) else ''
    if t == 'h' and after in VOWELS:
        return None
    if t == before:
        return 'letter doubled'
    if neighbours(t, before) or neighbours(t, after):
        return 'key beside a neighbour added'
    return 'letter added'


def substitution_kind(meant, typed):
    if frozenset((meant, typed)) in SPANISH:
        return None
    if neighbours(meant, typed):
        return 'neighbouring key'
    if meant in VOWELS and typed in VOWELS:
        return 'vowel for a vowel'
    return 'unrelated letter'


def slip(typed, meant):
    """The one slip that turns meant into typed, classed, or None."""
    if len(typed) == len(meant) - 1:
        for j in range(len(meant)):
            if meant[:j] + meant[j + 1:] == typed:
                return omission_kind(meant, j)
    elif len(typed) == len(meant) + 1:
        for j in range(len(typed)):
            if typed[:j] + typed[j + 1:] == meant:
                return insertion_kind(meant, j, typed[j])
    elif len(typed) == len(meant):
        diff = [j for j in range(len(meant)) if typed[j] != meant[j]]
        if len(diff) == 1:
            return substitution_kind(meant[diff[0]], typed[diff[0]])
        if len(diff) == 2 and diff[1] == diff[0] + 1 and typed[diff[0]] == meant[diff[1]] and \
                typed[diff[1]] == meant[diff[0]]:
            return 'two letters swapped'
    return None


def chances(meant):
    """How many ways the word offers for each slip."""
    n = collections.Counter()
    for j, c in enumerate(meant):
        kind = omission_kind(meant, j)
        if kind:
            n[kind] += 1
        for t in LETTERS:
            if t != c:
                kind = substitution_kind(c, t)
                if kind:
                    n[kind] += 1
        if j + 1 < len(meant) and meant[j + 1] != c:
            n['two letters swapped'] += 1
    for j in range(len(meant) + 1):
        for t in LETTERS:
            kind = insertion_kind(meant, j, t)
            if kind:
                n[kind] += 1
    return n


def learn(pairs):
    made, could = collections.Counter(), collections.Counter()
    for typed, meant in pairs:
        kind = slip(fold(typed), fold(meant))
        if kind:
            made[kind] += 1
        could.update(chances(fold(meant)))
    base = made['unrelated letter'] / could['unrelated letter']
    costs = {kind: round(EDIT + PER_NAT * math.log(base / (made[kind] / could[kind])))
             for kind in could if made[kind]}
    return made, could, costs


def main():
    rows = [line.rstrip('\n').split('\t') for line in open(sys.argv[1], encoding='utf-8')][1:]
    typos = [(r[0], r[1]) for r in rows if len(r) > 3 and r[3] == 'typo']
    halves = ([], [])
    for pair in typos:
        halves[hashlib.sha1(pair[0].lower().encode('utf-8')).digest()[0] % 2].append(pair)
    learnt = [learn(half) for half in halves]
    now = engine_costs()
    print('%-38s %18s %18s %7s' % ('slip', 'learning half', 'other half', 'engine'))
    print('%-38s %18s %18s' % ('', 'made / cost', 'made / cost'))
    for kind in sorted(learnt[0][2], key=lambda k: learnt[0][2][k]):
        print('%-38s %10d / %5s %10d / %5s %7s' % (kind, learnt[0][0][kind], learnt[0][2][kind],
                                                    learnt[1][0][kind], learnt[1][2].get(kind, '-'),
                                                    now.get(CONSTANTS.get(kind), '-')))
    print('pairs: %d and %d; a slip of kind typo not classed: %d and %d' % (
        len(halves[0]), len(halves[1]),
        len(halves[0]) - sum(learnt[0][0].values()), len(halves[1]) - sum(learnt[1][0].values())))


if __name__ == '__main__':
    main()
