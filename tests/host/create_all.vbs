' Creates every class by ProgID and calls one member of each, as a late-bound
' host does. Argument: "ok" (registered) or "absent" (not registered).
Option Explicit
Dim expectRegistered, names, n, o, passed, failed, member, created
expectRegistered = (WScript.Arguments(0) = "ok")
names = Array("BarButtons", "BarTitle", "Border", "Check", "cmdClose", "Label_Status", _
              "Label_Suggestions", "Label_txtWord", "lst_Suggestions", "Spelling", "txtTWord")
passed = 0: failed = 0

Sub Expect(ok, what)
  If ok Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAILED: " & what
  End If
End Sub

On Error Resume Next
For Each n In names
  Err.Clear
  Set o = CreateObject("Vestrel." & n)
  If expectRegistered Then
    Expect Err.Number = 0, n & " created (" & Hex(Err.Number) & " " & Err.Description & ")"
    Err.Clear
    If n = "Spelling" Then
      ' Reading the word box loads the checker window, hidden.
      Expect o.DeleteText = "" And Err.Number = 0, "Spelling word box readable (" & Err.Description & ")"
      Expect o.Visible = False, "Spelling window loaded hidden"
    ElseIf n = "txtTWord" Or n = "lst_Suggestions" Or Left(n, 6) = "Label_" Or n = "Check" Or n = "cmdClose" Then
      ' Built: the control's visibility through the object.
      o.Visible = True
      Expect Err.Number = 0 And o.Visible = True, n & ".Visible writes and reads (" & Err.Description & ")"
    Else
      Select Case n
        Case "BarButtons": member = "ButtonHelpVisible": o.ButtonHelpVisible = True
        Case "Border": member = "BackColor": o.BackColor = 255
        Case Else: member = "Visible": o.Visible = True
      End Select
      ' Members not built yet answer with a named automation error from Vestrel.
      Expect Err.Source = "Vestrel", n & " error source is Vestrel, got '" & Err.Source & "'"
      Expect InStr(Err.Description, n & "." & member) > 0, n & " error names the member: " & Err.Description
    End If
    Err.Clear
    Set o = Nothing
  Else
    Expect Err.Number = 429, n & " not creatable once unregistered (" & Hex(Err.Number) & ")"
  End If
Next
Set o = CreateObject("Vestrel.Spelling.1")
created = (Err.Number = 0)
Expect created = expectRegistered, "versioned ProgID Vestrel.Spelling.1"
Err.Clear

WScript.Echo "create_all: " & passed & " passed, " & failed & " failed"
If failed > 0 Then WScript.Quit 1
