#!/usr/bin/env python3
"""Writes the assembly manifest that lets a host use one DLL without
registering it (registration-free COM): the DLL's classes with their
ProgIDs and threading model, its type library, and each of its dual
interfaces with the system's automation marshaller. All of it is read from
the capture of what the DLL's DllRegisterServer writes (vestrel-registry),
the same source as the Windows Installer packages' registry entries, so the
manifest and the registration cannot disagree.

usage: manifest.py CAPTURE VERSION x86|amd64 OUT.manifest
       manifest.py application VERSION x86|amd64 OUT.manifest
The second writes an application manifest that names the component as a
dependent assembly: beside a host's executable as PROGRAM.exe.manifest (or
embedded as its resource 1), it makes the host find the classes in the
Vestrel.Component.manifest beside it, or in a folder Vestrel.Component.
"""
import re
import sys
from xml.sax.saxutils import quoteattr

# The assembly's name, which a host's application manifest names as its
# dependency; it is not the DLL's, so Windows looks for this file and not
# for a manifest inside the DLL.
NAME = 'Vestrel.Component'
DLL = 'vestrel.dll'


def read(capture):
    """The captured keys: {key: {value name: data}}."""
    keys = {}
    with open(capture, encoding='utf-8') as file:
        for line in file:
            key, name, data = line.rstrip('\n').split('\t')
            keys.setdefault(key, {})[name] = data
    return keys


def four_parts(version):
    return '.'.join((version.split('.') + ['0'] * 4)[:4])


def write(out, lines):
    with open(out, 'w', encoding='utf-8', newline='\r\n') as file:
        file.write('\n'.join(lines) + '\n')


def application(version, arch, out):
    write(out, ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>',
                '<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">',
                '  <dependency>',
                '    <dependentAssembly>',
                '      <assemblyIdentity type="win32" name=%s version=%s processorArchitecture=%s/>' % (
                    quoteattr(NAME), quoteattr(four_parts(version)), quoteattr(arch)),
                '    </dependentAssembly>',
                '  </dependency>',
                '</assembly>'])


def main():
    if sys.argv[1] == 'application':
        return application(*sys.argv[2:])
    capture, version, arch, out = sys.argv[1:]
    keys = read(capture)
    version = four_parts(version)
    lines = ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>',
             '<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">',
             '  <assemblyIdentity type="win32" name=%s version=%s processorArchitecture=%s/>' % (
                 quoteattr(NAME), quoteattr(version), quoteattr(arch)),
             '  <file name=%s>' % quoteattr(DLL)]
    for key in sorted(k for k in keys if re.fullmatch(r'CLSID\\\{[0-9A-F-]+\}', k, re.I)):
        clsid = key.split('\\')[1]
        values = lambda sub: keys.get(key + '\\' + sub, {})
        attributes = {
            'clsid': clsid,
            'threadingModel': values('InprocServer32').get('ThreadingModel', 'Apartment'),
            'progid': values('ProgID').get(''),
            'tlbid': values('TypeLib').get(''),
            'description': keys[key].get(''),
        }
        lines.append('    <comClass %s>' % ' '.join('%s=%s' % (n, quoteattr(v)) for n, v in attributes.items() if v))
        independent = values('VersionIndependentProgID').get('')
        if independent:
            lines.append('      <progid>%s</progid>' % independent)
        lines.append('    </comClass>')
    for key in sorted(k for k in keys if re.fullmatch(r'TypeLib\\\{[0-9A-F-]+\}\\[0-9.]+', k, re.I)):
        _, tlbid, tlb_version = key.split('\\')
        flags = keys.get(key + '\\FLAGS', {}).get('', '0')
        lines.append('    <typelib tlbid=%s version=%s helpdir="" flags=%s/>' % (
            quoteattr(tlbid), quoteattr(tlb_version), quoteattr('' if flags == '0' else flags)))
    lines.append('  </file>')
    for key in sorted(k for k in keys if re.fullmatch(r'Interface\\\{[0-9A-F-]+\}', k, re.I)):
        iid = key.split('\\')[1]
        attributes = {
            'name': keys[key].get(''),
            'iid': iid,
            'proxyStubClsid32': keys.get(key + '\\ProxyStubClsid32', {}).get(''),
            'tlbid': keys.get(key + '\\TypeLib', {}).get(''),
        }
        lines.append('  <comInterfaceExternalProxyStub %s/>' % ' '.join(
            '%s=%s' % (n, quoteattr(v)) for n, v in attributes.items() if v))
    lines.append('</assembly>')
    write(out, lines)


if __name__ == '__main__':
    main()
