#!/usr/bin/env python3
"""Builds the engine's lexicon from a Hunspell dictionary, Spanish text and
ranked word lists.

Every form the .aff/.dic pair accepts is expanded, given a frequency class
from how often it appears in the text and the lists, and stored as a minimal
acyclic automaton: one 32-bit word per edge, letters as Latin-1 bytes, and a
word's end marked by an edge labelled 1 + its class. The engine reads the
file as it is, so loading costs one read and checking a word is a walk of its
letters.

Forms with characters outside Latin-1 are left to Hunspell at run time.
Also writes the counts it found (form, count), for the benchmark's word lists.

usage: make_lexicon.py AFF DIC OUT.vlx OUT.counts [--text-weight W]
                       [--ranked LIST.json=WORDS]... [TEXT...]
TEXT: folders of sayings (*.fortunes), manual pages (*.gz) and compressed
SWORD texts (*.bzz beside their *.bzs index); a missing folder is skipped.
By default, TEXTS: the Spanish text Debian ships whose everyday words the
counts are for (the programs' help in Spanish skews them toward technical
words and ranks worse).
--text-weight: each occurrence in the text counts W times (1 by default).
--ranked: a JSON list of word forms, the commonest first, counted as a text
of WORDS running words would count them (see ranked_counts). Forms Hunspell
does not accept stay out, whatever a list says: the lists give frequency,
the dictionary says what is a word.
"""
import argparse
import gzip
import html
import json
import math
import os
import re
import struct
import sys
import zlib

TEXTS = ['/usr/share/games/fortunes/es', '/usr/share/man/es', '/usr/share/sword/modules/texts/ztext/spaRV1909eb']
FULLSTRIP = ''  # key of the affix classes that says whether FULLSTRIP is set
COMMON_FAMILY = 32  # an entry's forms seen this often in all: its unseen forms rank a little higher
SMALL_ENTRY = 4  # and so do those of an entry of this many forms or fewer


def file_format():
    """The numbers of the file's layout, from the header the engine reads
    them from (its lines that start "constexpr TYPE kName = VALUE;")."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'lexicon_format.h')
    numbers = {}
    for name, value in re.findall(r'^constexpr \w+ (k\w+)(?:\[\])? = ([^;]+);', open(header).read(), re.M):
        numbers[name] = value.strip('"').encode('ascii') if value.startswith('"') else int(value, 0)
    return numbers


FORMAT = file_format()
MAX_CLASS = FORMAT['kMostFrequent']


def load_affixes(path):
    """The affix classes: flag -> (is_suffix, cross_product, entries)."""
    lines = open(path, encoding='utf-8').read().split('\n')
    classes = {FULLSTRIP: any(line.split()[:1] == ['FULLSTRIP'] for line in lines)}
    i = 0
    while i < len(lines):
        f = lines[i].split()
        if len(f) == 4 and f[0] in ('SFX', 'PFX') and f[2] in 'YN' and f[3].isdigit():
            entries = []
            for line in lines[i + 1:i + 1 + int(f[3])]:
                g = line.split()
                strip = '' if g[2] == '0' else g[2]
                add, _, continuation = g[3].partition('/')
                add = '' if add == '0' else add
                condition = g[4] if len(g) > 4 else '.'
                pattern = re.compile(condition + '$' if f[0] == 'SFX' else '^' + condition)
                entries.append((strip, add, continuation, pattern))
            classes[f[1]] = (f[0] == 'SFX', f[2] == 'Y', entries)
            i += int(f[3]) + 1
        else:
            i += 1
    return classes


def apply(word, flag, classes):
    """(form, continuation flags) for each entry of the class that fits word.
    Like Hunspell without FULLSTRIP, an entry never strips the whole word."""
    is_suffix, _, entries = classes[flag]
    for strip, add, continuation, pattern in entries:
        if len(strip) >= len(word) and not classes.get(FULLSTRIP):
            continue
        if is_suffix and word.endswith(strip) and pattern.search(word):
            yield word[:len(word) - len(strip)] + add, continuation
        elif not is_suffix and word.startswith(strip) and pattern.search(word):
            yield add + word[len(strip):], continuation


def expand(word, flags, classes):
    """The stem, its suffixed forms (with a second suffix where the first
    allows one), its prefixed forms, and prefixes on the cross-product ones."""
    forms = {word}
    crossing = []
    for flag in flags:
        if flag not in classes or not classes[flag][0]:
            continue
        cross = classes[flag][1]
        for form, continuation in apply(word, flag, classes):
            forms.add(form)
            if cross:
                crossing.append(form)
            for second in continuation:
                if second in classes and classes[second][0]:
                    for outer, _ in apply(form, second, classes):
                        forms.add(outer)
                        if cross and classes[second][1]:
                            crossing.append(outer)
    for flag in flags:
        if flag not in classes or classes[flag][0]:
            continue
        for form, _ in apply(word, flag, classes):
            forms.add(form)
        if classes[flag][1]:
            for suffixed in crossing:
                for form, _ in apply(suffixed, flag, classes):
                    forms.add(form)
    return forms


def read_entries(aff, dic):
    """Each dictionary entry's stem and the forms it accepts."""
    classes = load_affixes(aff)
    entries = []
    with open(dic, encoding='utf-8') as lines:
        next(lines)  # the entry count
        for line in lines:
            entry = line.split('\t')[0].strip()
            if entry:
                word, _, flags = entry.partition('/')
                entries.append((word, expand(word, flags, classes)))
    return entries


MARKUP = re.compile(r'<[^>]*>')


def sword_blocks(path):
    """The text of a compressed SWORD module part: index entries of three
    32-bit numbers (offset, size, size unpacked) in .bzs, zlib blocks in .bzz."""
    index = open(path[:-1] + 's', 'rb').read()
    data = open(path, 'rb').read()
    for n in range(0, len(index) - 11, 12):
        offset, size, _ = struct.unpack_from('<III', index, n)
        yield zlib.decompress(data[offset:offset + size]).decode('utf-8', 'replace')


def read_text(path):
    """The running text of one file, markup left out."""
    if path.endswith('.bzz'):
        for block in sword_blocks(path):
            yield html.unescape(MARKUP.sub(' ', block))
        return
    opener = gzip.open if path.endswith('.gz') else open
    with opener(path, 'rt', encoding='utf-8', errors='replace') as text:
        for line in text:
            if path.endswith('.gz') and line.startswith(('.', "'")):
                continue  # manual page markup
            yield line


def text_files(folders):
    for folder in folders:
        for top, _, names in sorted(os.walk(folder)):
            for name in sorted(names):
                path = os.path.join(top, name)
                # A link to a file the package does not ship is passed over.
                if name.endswith(('.fortunes', '.gz', '.bzz')) and os.path.isfile(path):
                    yield path


def form_of(word, forms):
    """The form Hunspell would accept a token as, lower case first so that a
    sentence's first word counts as the common word it is; None for none."""
    for form in (word.lower(), word, word.capitalize()):
        if form in forms:
            return form
    return None


def count_forms(forms, texts):
    """How often each form appears in the running text."""
    counts = {}
    token = re.compile(r'[^\W\d_]+')
    for path in text_files(texts):
        for line in read_text(path):
            for word in token.findall(line):
                form = form_of(word, forms)
                if form is not None:
                    counts[form] = counts.get(form, 0) + 1
    return counts


def zipf_fit(ranked, counts):
    """The text's own Zipf law for a list's ranks: count = scale * rank^-slope.
    The list's ranks are cut into doublings (1, 2-3, 4-7 ...); in each, the
    mean count in the text of the forms listed there, those the text never
    shows counted as 0, against the doubling's middle rank, fitted by least
    squares on both logarithms. The mean, not a count of the forms the text
    happens to show, so that the rare ranks are not judged by their lucky
    forms alone."""
    points = []
    low = 1
    while low <= len(ranked):
        high = min(2 * low, len(ranked) + 1)
        mean = sum(counts.get(form, 0) for form in ranked[low - 1:high - 1]) / (high - low)
        if mean > 0:
            points.append((math.log(math.sqrt(low * (high - 1))), math.log(mean)))
        low = high
    n = len(points)
    mx = sum(x for x, _ in points) / n
    my = sum(y for _, y in points) / n
    slope = -sum((x - mx) * (y - my) for x, y in points) / sum((x - mx) ** 2 for x, _ in points)
    return math.exp(my + slope * mx), slope


def ranked_counts(ranked, counts, words, text_words):
    """A ranked list's counts on the text's scale: what the text's Zipf law
    gives each rank, for a text of words running words where the text has
    text_words. A form listed twice keeps its first rank. Forms shorter than
    any the list holds (the lists leave out words of one letter: y, a, o)
    get what the text's own count of them gives a text of that size."""
    scale, slope = zipf_fit(ranked, counts)
    factor = words / text_words
    out = {}
    for rank, form in enumerate(ranked, 1):
        if form not in out:
            out[form] = factor * scale * rank ** -slope
    shortest = min(len(form) for form in ranked)
    for form, count in counts.items():
        if len(form) < shortest:
            out[form] = factor * count
    return out, scale, slope


def voseo(stem, form):
    """The vos forms of a verb (cantá, cantás, comé, comés): rare outside the
    Río de la Plata, so the text's silence about them is taken at its word."""
    ending = {'ar': ('\u00e1', '\u00e1s'), 'er': ('\u00e9', '\u00e9s')}.get(stem[-2:])
    return ending is not None and form in (stem[:-2] + ending[0], stem[:-2] + ending[1])


def likely_unseen(entries, counts):
    """The forms the text never shows that are still likelier than most: a
    form of an entry the text shows often (a common verb's forms the text
    happens to miss), and a form of a small entry (a noun or an adjective
    with its gender and number), which shares its entry's chance with a few
    forms where a verb shares it with a hundred."""
    likely = set()
    for _, forms in entries:
        if len(forms) <= SMALL_ENTRY or sum(counts.get(form, 0) for form in forms) >= COMMON_FAMILY:
            likely |= forms
    return likely


def frequency_class(count, likely, rare_kind):
    """0 for a form neither the text nor a list shows that is rare by its
    kind, 1 for any other form never shown, 2 for one that is likely all the
    same, then from 3 (a count of 1 or less) one class for each
    1 / kClassesPerDoubling (lexicon_format.h) of a doubling of the count."""
    if count <= 0:
        return 0 if rare_kind else 2 if likely else 1
    return min(MAX_CLASS, 3 + max(0, int(FORMAT['kClassesPerDoubling'] * math.log2(count))))


class Node:
    __slots__ = ('edges', 'index')

    def __init__(self):
        self.edges = {}
        self.index = 0


def build_automaton(keys):
    """A minimal automaton of sorted byte strings (incremental construction
    for sorted input: a finished suffix is replaced by its registered twin)."""
    register = {}
    root = Node()
    unchecked = []  # (parent, label, child) along the previous key
    previous = b''

    def minimise(down_to):
        while len(unchecked) > down_to:
            parent, label, child = unchecked.pop()
            key = tuple((l, id(c)) for l, c in child.edges.items())
            twin = register.get(key)
            if twin is None:
                register[key] = child
            else:
                parent.edges[label] = twin

    for key in keys:
        common = 0
        limit = min(len(key), len(previous))
        while common < limit and key[common] == previous[common]:
            common += 1
        minimise(common)
        node = unchecked[-1][2] if unchecked else root
        for label in key[common:]:
            child = Node()
            node.edges[label] = child
            unchecked.append((node, label, child))
            node = child
        previous = key
    minimise(0)
    return root


def serialise(root):
    """Edges in node order; edge 0 is unused so that target 0 means a node
    without edges (the end of every word)."""
    order, seen, stack = [], set(), [root]
    while stack:
        node = stack.pop()
        if id(node) in seen or not node.edges:
            continue
        seen.add(id(node))
        order.append(node)
        stack.extend(reversed(list(node.edges.values())))
    next_index = FORMAT['kRoot']  # the root is written first
    for node in order:
        node.index = next_index
        next_index += len(node.edges)
    if next_index >= 1 << FORMAT['kTargetBits']:
        sys.exit('make_lexicon: too many edges for the file format')
    words = [0]
    for node in order:
        labels = sorted(node.edges)
        for n, label in enumerate(labels):
            child = node.edges[label]
            target = child.index if child.edges else 0
            last = FORMAT['kLastEdge'] if n == len(labels) - 1 else 0
            words.append(label | last | (target << FORMAT['kTargetShift']))
    return words


def ranked_list(argument):
    path, _, words = argument.rpartition('=')
    if not path or not words.isdigit():
        raise argparse.ArgumentTypeError('--ranked takes LIST.json=WORDS')
    return path, int(words)


def main():
    parser = argparse.ArgumentParser(description='Builds the lexicon.')
    parser.add_argument('aff')
    parser.add_argument('dic')
    parser.add_argument('out')
    parser.add_argument('counts_out')
    parser.add_argument('texts', nargs='*')
    parser.add_argument('--text-weight', type=float, default=1.0)
    parser.add_argument('--ranked', type=ranked_list, action='append', default=[])
    args = parser.parse_args()
    entries = read_entries(args.aff, args.dic)
    forms = set().union(*(forms for _, forms in entries))
    # Hunspell also accepts a word of mixed case (iOS, McDonald) in capitals.
    forms |= {form.upper() for form in forms if form[1:] != form[1:].lower() and form != form.upper()}
    counts = count_forms(forms, args.texts or TEXTS)
    text_words = sum(counts.values())
    merged = {form: count * args.text_weight for form, count in counts.items()}
    for path, words in args.ranked:
        listed = []
        for word in json.load(open(path, encoding='utf-8')):
            form = form_of(word, forms) if isinstance(word, str) else None
            if form is not None:
                listed.append(form)
        added, scale, slope = ranked_counts(listed, counts, words, text_words)
        print('make_lexicon: %s: %d forms, count %.0f * rank^-%.3f in the text, weighted as %d words'
              % (os.path.basename(path), len(added), scale, slope, words))
        for form, count in added.items():
            merged[form] = merged.get(form, 0) + count
    likely = likely_unseen(entries, merged)
    regional = {form for stem, forms in entries for form in forms if voseo(stem, form)}
    keys = []
    for form in forms:
        try:
            letters = form.encode('latin-1')
        except UnicodeEncodeError:
            continue
        if any(b < FORMAT['kFirstLetter'] for b in letters):
            continue
        cls = frequency_class(merged.get(form, 0), form in likely, form in regional)
        keys.append(letters + bytes([1 + cls]))
    keys.sort()
    edges = serialise(build_automaton(keys))
    # Each file is written beside its place and then put there whole: two
    # builds making the lexicon at once never leave a half-written one.
    with open(args.out + '.part%d' % os.getpid(), 'wb') as file:
        file.write(FORMAT['kMagic'] + struct.pack('<III', len(edges), FORMAT['kRoot'], len(keys)))
        file.write(struct.pack('<%dI' % len(edges), *edges))
    with open(args.counts_out + '.part%d' % os.getpid(), 'w', encoding='utf-8') as file:
        for form, count in sorted(merged.items(), key=lambda item: (-item[1], item[0])):
            file.write('%s\t%d\n' % (form, max(1, round(count))))
    os.replace(args.out + '.part%d' % os.getpid(), args.out)
    os.replace(args.counts_out + '.part%d' % os.getpid(), args.counts_out)


if __name__ == '__main__':
    main()
