' Appended by the harness (host_script.sh, registration.sh) to each host
' script, which sets passed and failed to 0 before its first Expect.
Dim passed, failed

Sub Expect(ok, what)
  If ok Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAILED: " & what
  End If
End Sub
