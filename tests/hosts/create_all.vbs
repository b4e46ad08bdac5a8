' Creates every class by ProgID and calls one member of each, as a late-bound
' host does. Argument: "ok" (registered) or "absent" (not registered).
Option Explicit
Dim expectRegistered, names, n, o, created
expectRegistered = (WScript.Arguments(0) = "ok")
names = Array("BarButtons", "BarTitle", "Border", "Check", "cmdClose", "Label_Status", _
              "Label_Suggestions", "Label_txtWord", "lst_Suggestions", "Spelling", "txtTWord")
passed = 0: failed = 0

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
    Else
      ' Every class reaches the checker window; its visible-state member works.
      Select Case n
        Case "BarButtons": o.ButtonHelpVisible = True: created = o.ButtonHelpVisible
        Case "Border": o.BackColor = 255: created = (o.BackColor = 255)
        Case Else: o.Visible = True: created = o.Visible
      End Select
      Expect Err.Number = 0 And created, n & " member writes and reads (" & Err.Description & ")"
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
