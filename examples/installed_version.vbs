' installed_version.vbs: tells whether a Windows Installer package of
' Vestrel is installed, and which version, by the packages' upgrade codes
' (fixed for the life of the product, so a detection rule of a management
' tool can rely on them). Exit code 0 when one is installed, 1 when none is.
'
'   cscript //nologo installed_version.vbs
Option Explicit
Dim installer, kind, code, found
Set installer = CreateObject("WindowsInstaller.Installer")
found = False
For Each kind In Array(Array("x64", "{B2A4E7D9-5C3F-4E21-8A6D-0F9C2E4B7D15}"), _
                      Array("x86", "{6F1C3C52-2B8E-4C55-9E0B-6B1D5A0E7A31}"), _
                      Array("usuario", "{5D3E9A61-8C27-4F0B-A4E2-71B6C05D9F38}"))
    For Each code In installer.RelatedProducts(kind(1))
        WScript.Echo "Vestrel " & installer.ProductInfo(code, "VersionString") & " (" & kind(0) & "), producto " & code
        found = True
    Next
Next
If Not found Then WScript.Echo "Vestrel no se ha instalado con sus paquetes de Windows Installer."
If found Then WScript.Quit 0 Else WScript.Quit 1
