#!/usr/bin/env python3
"""Builds one of the Windows Installer packages with wixl, from a WiX source
it writes for it.

The registration goes into the package's Registry table, one value a row,
taken from what the DLL's own DllRegisterServer writes (the capture made by
vestrel-registry), so the package and the DLL cannot disagree; the DLL's
path and folder in the capture become the installed file and folder.

usage: msi.py x86|x64|user VERSION STAGE CAPTURES ICON OUT.msi
STAGE is the zip's folder: x86/ and x64/ (each DLL with its dictionary),
docs/, examples/, include/, licences/; CAPTURES holds x86.txt and x64.txt,
what each DLL registers. x86 and x64 install for the whole machine (Program
Files, HKLM) and need administrator rights; user installs both DLLs for the
current user alone, without them (the user's Programs folder under
LocalAppData, HKCU), on 64-bit Windows.

       msi.py x86-from-x64 X64.txt OUT.txt
writes what the 32-bit DLL registers, from what the 64-bit one does, for a
machine that cannot run the 32-bit DLL: both are built from the same
sources and register the same keys, but for the type library's platform
key, which a 32-bit process writes as win32 and a 64-bit one as win64. The
installer test holds this to the 32-bit DLL's own capture wherever 32-bit
programs run.
"""
import os
import subprocess
import sys
import tempfile
import uuid
from xml.sax.saxutils import quoteattr

# Fixed for the life of the product: a newer package of the same kind
# replaces an older one. The 64-bit package also replaces the 32-bit one,
# whose DLL it carries.
UPGRADE = {'x86': '6F1C3C52-2B8E-4C55-9E0B-6B1D5A0E7A31', 'x64': 'B2A4E7D9-5C3F-4E21-8A6D-0F9C2E4B7D15',
           'user': '5D3E9A61-8C27-4F0B-A4E2-71B6C05D9F38'}
# Component identifiers are derived from this and the file's place, so the
# same file keeps its component from one version to the next.
NAMESPACE = uuid.UUID('3E8B0C4F-7A15-4D2E-9C61-2F5A8D0B1E73')
PUBLISHER = 'Vestrel'
SHARED = ('docs', 'examples', 'include', 'licences')


def ident(prefix, *parts):
    text = '_'.join(parts)
    safe = ''.join(c if c.isalnum() else '_' for c in text)
    return (prefix + '_' + safe)[:60] + '_' + uuid.uuid5(NAMESPACE, text).hex[:8]


class Writer:
    def __init__(self, stage, captures, per_user=False):
        self.stage = stage
        self.captures = captures
        # A per-user package's components are its own: their identifiers
        # differ from the machine packages' for the same files.
        self.prefix = 'user:' if per_user else ''
        self.root = 'HKCU' if per_user else 'HKLM'
        # wixl takes no absolute source paths: they are relative to where it runs.
        self.base = os.path.dirname(os.path.abspath(stage))
        self.lines = []
        self.components = []

    def source(self, path):
        return os.path.relpath(os.path.abspath(path), self.base)

    def put(self, depth, text):
        self.lines.append('  ' * depth + text)

    def registry(self, depth, capture, dll_id, folder_id):
        """One RegistryValue per captured value, under the package's root's
        Software\\Classes."""
        with open(capture, encoding='utf-8') as file:
            for line in file:
                key, name, data = line.rstrip('\n').split('\t')
                if not name and not data:
                    continue  # a key without values: made as the parent of its values
                data = data.replace('{DLL}', '[#%s]' % dll_id).replace('{FOLDER}', '[%s]' % folder_id)
                attributes = 'Root="%s" Key=%s Type="string" Value=%s' % (
                    self.root, quoteattr('Software\\Classes\\' + key), quoteattr(data))
                if name:
                    attributes += ' Name=%s' % quoteattr(name)
                self.put(depth, '<RegistryValue %s/>' % attributes)

    def files(self, depth, source, place, win64, dll_folder=None):
        """A component for each file of source (a folder of the stage),
        and a directory for each subfolder."""
        for entry in sorted(os.listdir(source)):
            path = os.path.join(source, entry)
            where = place + '/' + entry
            if os.path.isdir(path):
                self.put(depth, '<Directory Id=%s Name=%s>' % (quoteattr(ident('dir', self.prefix + where)), quoteattr(entry)))
                self.files(depth + 1, path, where, win64)
                self.put(depth, '</Directory>')
                continue
            component = ident('cmp', self.prefix + where)
            file_id = ident('file', self.prefix + where)
            self.components.append(component)
            self.put(depth, '<Component Id=%s Guid="%s" Win64="%s">' % (
                quoteattr(component), str(uuid.uuid5(NAMESPACE, self.prefix + where)).upper(), 'yes' if win64 else 'no'))
            self.put(depth + 1, '<File Id=%s Name=%s Source=%s KeyPath="yes"/>' % (
                quoteattr(file_id), quoteattr(entry), quoteattr(self.source(path))))
            if entry == 'vestrel.dll':
                self.registry(depth + 1, os.path.join(self.captures, place.split('/')[0] + '.txt'), file_id, dll_folder)
            self.put(depth, '</Component>')

    def shared(self, depth, win64):
        """The documentation, examples, header and licences, a folder each."""
        for name in SHARED:
            self.put(depth, '<Directory Id=%s Name="%s">' % (quoteattr(ident('dir', self.prefix + name)), name))
            self.files(depth + 1, os.path.join(self.stage, name), name, win64)
            self.put(depth, '</Directory>')

    def folder(self, depth, root, arch, shared):
        """Program Files\\Vestrel for one architecture's DLL, with the shared
        documentation when shared."""
        folder_id = 'INSTALLDIR_' + arch.upper()
        self.put(depth, '<Directory Id="%s">' % root)
        self.put(depth + 1, '<Directory Id="%s" Name="Vestrel">' % folder_id)
        self.files(depth + 2, os.path.join(self.stage, arch), arch, arch == 'x64', folder_id)
        if shared:
            self.shared(depth + 2, arch == 'x64')
        self.put(depth + 1, '</Directory>')
        self.put(depth, '</Directory>')

    def user_folder(self, depth):
        """The user's Programs\\Vestrel: each DLL in a folder of its own
        (x64, x86), and the shared documentation."""
        self.put(depth, '<Directory Id="LocalAppDataFolder">')
        self.put(depth + 1, '<Directory Id="USERPROGRAMS" Name="Programs">')
        self.put(depth + 2, '<Directory Id="INSTALLDIR_USER" Name="Vestrel">')
        for arch in ('x64', 'x86'):
            folder_id = 'INSTALLDIR_USER_' + arch.upper()
            self.put(depth + 3, '<Directory Id="%s" Name="%s">' % (folder_id, arch))
            self.files(depth + 4, os.path.join(self.stage, arch), arch, arch == 'x64', folder_id)
            self.put(depth + 3, '</Directory>')
        self.shared(depth + 3, True)
        # The folder itself goes with the product: a user's profile folder is
        # removed only when a component says so, and that component's key
        # path is the user's own.
        self.components.append('cmp_user_folder')
        self.put(depth + 3, '<Component Id="cmp_user_folder" Guid="%s" Win64="yes">' %
                 str(uuid.uuid5(NAMESPACE, self.prefix + 'folder')).upper())
        self.put(depth + 4, '<RegistryValue Root="HKCU" Key="Software\\Vestrel" Name="Carpeta" Type="string" '
                            'Value="[INSTALLDIR_USER]" KeyPath="yes"/>')
        self.put(depth + 4, '<RemoveFolder Id="remove_user_folder" On="uninstall"/>')
        self.put(depth + 3, '</Component>')
        for level in (2, 1, 0):
            self.put(depth + level, '</Directory>')


def x86_from_x64(x64, out):
    with open(x64, encoding='utf-8') as source, open(out, 'w', encoding='utf-8', newline='\n') as target:
        for line in source:
            key, rest = line.split('\t', 1)
            if key.startswith('TypeLib\\') and key.endswith('\\win64'):
                key = key[:-len('win64')] + 'win32'
            target.write(key + '\t' + rest)


def main():
    if sys.argv[1:2] == ['x86-from-x64']:
        return x86_from_x64(*sys.argv[2:])
    kind, version, stage, captures, icon, out = sys.argv[1:]
    per_user = kind == 'user'
    w = Writer(stage, captures, per_user)
    what = 'este usuario' if per_user else ('64 bits' if kind == 'x64' else '32 bits')
    w.put(0, '<?xml version="1.0" encoding="utf-8"?>')
    w.put(0, '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">')
    w.put(1, '<Product Id="*" Name="Vestrel %s (%s)" Language="3082" Codepage="1252" Version="%s" '
             'Manufacturer="%s" UpgradeCode="%s">' % (version, what, version, PUBLISHER, UPGRADE[kind]))
    w.put(2, '<Package InstallerVersion="200" Compressed="yes" InstallScope="%s" SummaryCodepage="1252" '
             'Languages="3082" Manufacturer="%s" Description="Vestrel %s, corrector ortogr\u00e1fico en '
             'espa\u00f1ol para programas COM"/>' % ('perUser' if per_user else 'perMachine', PUBLISHER, version))
    w.put(2, '<Media Id="1" Cabinet="vestrel.cab" EmbedCab="yes"/>')
    w.put(2, '<MajorUpgrade DowngradeErrorMessage="Ya hay instalada una versi\u00f3n m\u00e1s nueva de Vestrel."/>')
    if kind == 'x64':
        # The 32-bit package's product, whatever its version, gives way to this one.
        w.put(2, '<Upgrade Id="%s">' % UPGRADE['x86'])
        w.put(3, '<UpgradeVersion Minimum="0.0.0" IncludeMinimum="yes" OnlyDetect="no" Property="VESTREL32FOUND"/>')
        w.put(2, '</Upgrade>')
    w.put(2, '<Icon Id="vestrel.ico" SourceFile=%s/>' % quoteattr(w.source(icon)))
    w.put(2, '<Property Id="ARPPRODUCTICON" Value="vestrel.ico"/>')
    # One feature: Programs and Features offers removal and repair, nothing to modify.
    w.put(2, '<Property Id="ARPNOMODIFY" Value="1"/>')
    w.put(2, '<Property Id="ARPCOMMENTS" Value="Ventana de correcci\u00f3n ortogr\u00e1fica en espa\u00f1ol para '
             'VBA, VB6, VBScript, .NET y C++"/>')
    w.put(2, '<Directory Id="TARGETDIR" Name="SourceDir">')
    if per_user:
        w.user_folder(3)
    elif kind == 'x64':
        w.folder(3, 'ProgramFiles64Folder', 'x64', True)
        w.folder(3, 'ProgramFilesFolder', 'x86', False)
    else:
        w.folder(3, 'ProgramFilesFolder', 'x86', True)
    w.put(2, '</Directory>')
    w.put(2, '<Feature Id="Vestrel" Level="1" Title="Vestrel">')
    for component in w.components:
        w.put(3, '<ComponentRef Id=%s/>' % quoteattr(component))
    w.put(2, '</Feature>')
    w.put(1, '</Product>')
    w.put(0, '</Wix>')
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, 'vestrel.wxs')
        with open(source, 'w', encoding='utf-8') as file:
            file.write('\n'.join(w.lines) + '\n')
        subprocess.run(['wixl', '-a', 'x64' if per_user else kind, '-o', os.path.abspath(out), source],
                       cwd=w.base, check=True)


if __name__ == '__main__':
    main()
