#!/usr/bin/env python3
"""Draws the component's layers from the build's own graph of targets
(cmake --graphviz): each layer library (vestrel_FOLDER) and the DLL, placed
above every layer it links, with what each links beside it.

usage: layers.py GRAPH.dot
"""
import re
import sys

WIDTH = 48  # of a line of the picture


def main():
    graph = open(sys.argv[1]).read()
    edges = {}
    for source, target in re.findall(r'// (\S+) -> (\S+)', graph):
        edges.setdefault(source, set()).add(target)
    # The layers are the static libraries named for their folder.
    layers = sorted(re.findall(r'label = "(vestrel_\w+)", shape = octagon', graph)) + ['vestrel']
    links = {name: {t for t in edges.get(name, ()) if t in layers} for name in layers}
    level = {}

    def height(name):
        if name not in level:
            level[name] = 1 + max((height(t) for t in links[name]), default=0)
        return level[name]

    rows = {}
    for name in layers:
        rows.setdefault(height(name), []).append(name)

    def label(name):
        return 'component (vestrel.dll)' if name == 'vestrel' else name[len('vestrel_'):] + '/'

    def widths(count):
        inner = WIDTH - 1 - count
        return [inner // count + (inner % count if i == count - 1 else 0) for i in range(count)]

    lines = []
    for height_ in sorted(rows, reverse=True):
        cells = sorted(rows[height_], key=label)
        lines.append('+' + '+'.join('-' * w for w in widths(len(cells))) + '+')
        lines.append('|' + '|'.join((' ' + label(c)).ljust(w) for c, w in zip(cells, widths(len(cells)))) + '|')
    lines.append('+' + '-' * (WIDTH - 2) + '+')
    lines.append('')
    for name in sorted(layers, key=lambda n: -level[n]):
        uses = sorted(label(t) for t in links[name])
        others = sorted(t for t in edges.get(name, ()) if t not in layers)
        lines.append('%-24s links %s' % (label(name), ', '.join(uses + others) or 'nothing'))
    print('\n'.join(lines))


if __name__ == '__main__':
    main()
