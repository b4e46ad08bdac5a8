' The road of one check, as a late-bound script host drives it: show the
' window, type through the word box object, check, read the state, close.
' Message boxes are answered by the harness, which checks their texts.
Option Explicit
Dim s, box, other
passed = 0: failed = 0

On Error Resume Next
Set s = CreateObject("Vestrel.Spelling")
Expect Err.Number = 0, "created (" & Err.Description & ")"

s.Unload
Expect Err.Number = 91, "Unload before any check is error 91, got " & Err.Number
Expect Err.Source = "Vestrel", "error 91 comes from Vestrel"
Err.Clear

s.Show
s.Show 1
s.Show "cualquier cosa"
Expect Err.Number = 0, "Show with or without an argument (" & Err.Description & ")"
Expect s.Visible = True, "window visible after Show"

Set box = s.SendToForm
box.Text = "ortografia"
Expect s.DeleteText = "ortografia", "DeleteText reads the word box"
s.Spelling
Expect Err.Number = 0, "misspelt word checked (" & Err.Description & ")"
s.Unload
Expect Err.Number <> 0 And Len(Err.Description) > 0, "the check's engine has quit: Unload fails with a reason"
Err.Clear

box.Text = "  casa  "
s.Spelling
Expect Err.Number = 0, "correct word checked (" & Err.Description & ")"
s.Change
Expect Err.Number = 0, "word copied to the clipboard (" & Err.Description & ")"

s.DeleteText = "lo que sea"
Expect box.Text = "" And s.DeleteText = "", "DeleteText empties the word box"
s.Spelling
Expect Err.Number = 0, "empty word warned (" & Err.Description & ")"
s.Unload
Expect Err.Number = 0, "the engine of an empty check is still running (" & Err.Description & ")"

Set other = CreateObject("Vestrel.Spelling")
Expect other.Visible = True, "every object sees the one window"
s.Visible = False
Expect other.Visible = False, "hidden through another object"

WScript.Echo "one_check: " & passed & " passed, " & failed & " failed"
