#!/usr/bin/env python3
"""Holds what an installed machine's classes hold against what the installed
DLLs' own DllRegisterServer writes, key by key and value by value.

usage: registry_compare.py [--one-view] CAPTURE READ DLL [CAPTURE READ DLL]
One triple for each installed DLL (each registry view): the capture of its
registration ({DLL} and {FOLDER} for its place), what the machine holds in
that view under the keys the capture names, and the DLL's installed path.

The type library's key is one for both views: it holds both DLLs' paths,
and its help folder is the folder of whichever DLL was registered last.
With --one-view the classes' keys are one for both views as well (Wine
keeps the user's classes so, where Windows keeps two): a class's server is
the path of whichever DLL was registered last.
Prints each difference; exits 1 when there is one.
"""
import sys

HELP = '\\HELPDIR\t'
SERVER = '\\InprocServer32\t\t'


def server_key(line):
    return line.split(SERVER)[0] if SERVER in line else None


def lines(path):
    with open(path, encoding='utf-8') as file:
        return {line.rstrip('\n') for line in file if line.strip()}


def main():
    args = sys.argv[1:]
    one_view = args[:1] == ['--one-view']
    if one_view:
        args = args[1:]
    views = []
    for capture, read, dll in zip(args[0::3], args[1::3], args[2::3]):
        folder = dll[:dll.rfind('\\') + 1]
        wanted = {line.replace('{DLL}', dll).replace('{FOLDER}', folder) for line in lines(capture)}
        views.append((read, wanted, lines(read)))
    shared = set().union(*({l for l in wanted if l.startswith('TypeLib\\')} for _, wanted, _ in views))
    helps = {l for l in shared if HELP in l}
    servers = {l for _, wanted, _ in views for l in wanted if server_key(l)}
    differences = 0
    for read, wanted, held in views:
        expected = {l for l in wanted if not l.startswith('TypeLib\\')} | (shared - helps)
        held_helps = {l for l in held if HELP in l}
        if one_view:
            # A class's server: any of the DLLs' paths will do, once.
            expected = {l for l in expected if not server_key(l)}
            held_servers = {l for l in held if server_key(l)}
            for key in sorted({server_key(l) for l in servers}):
                mine = {l for l in held_servers if server_key(l) == key}
                if len(mine) != 1 or not mine <= servers:
                    print('%s: server of %s is %s' % (read, key, sorted(mine)))
                    differences += 1
            held = held - held_servers
        for line in sorted((expected - held) | (held - held_helps - expected)):
            print('%s %s: %s' % ('missing' if line in expected else 'extra', read, line.replace('\t', ' | ')))
            differences += 1
        if len(held_helps) != 1 or not held_helps <= helps:
            print('%s: help folder %s, not one of %s' % (read, sorted(held_helps), sorted(helps)))
            differences += 1
    sys.exit(1 if differences else 0)


if __name__ == '__main__':
    main()
