#!/usr/bin/env python3
"""Holds what an installed machine's classes hold against what the installed
DLLs' own DllRegisterServer writes, key by key and value by value.

usage: registry_compare.py CAPTURE READ DLL [CAPTURE READ DLL]
One triple for each installed DLL (each registry view): the capture of its
registration ({DLL} and {FOLDER} for its place), what the machine holds in
that view under the keys the capture names, and the DLL's installed path.

The type library's key is one for both views: it holds both DLLs' paths,
and its help folder is the folder of whichever DLL was registered last.
Prints each difference; exits 1 when there is one.
"""
import sys

HELP = '\\HELPDIR\t'


def lines(path):
    with open(path, encoding='utf-8') as file:
        return {line.rstrip('\n') for line in file if line.strip()}


def main():
    args = sys.argv[1:]
    views = []
    for capture, read, dll in zip(args[0::3], args[1::3], args[2::3]):
        folder = dll[:dll.rfind('\\') + 1]
        wanted = {line.replace('{DLL}', dll).replace('{FOLDER}', folder) for line in lines(capture)}
        views.append((read, wanted, lines(read)))
    shared = set().union(*({l for l in wanted if l.startswith('TypeLib\\')} for _, wanted, _ in views))
    helps = {l for l in shared if HELP in l}
    differences = 0
    for read, wanted, held in views:
        expected = {l for l in wanted if not l.startswith('TypeLib\\')} | (shared - helps)
        held_helps = {l for l in held if HELP in l}
        for line in sorted((expected - held) | (held - held_helps - expected)):
            print('%s %s: %s' % ('missing' if line in expected else 'extra', read, line.replace('\t', ' | ')))
            differences += 1
        if len(held_helps) != 1 or not held_helps <= helps:
            print('%s: help folder %s, not one of %s' % (read, sorted(held_helps), sorted(helps)))
            differences += 1
    sys.exit(1 if differences else 0)


if __name__ == '__main__':
    main()
