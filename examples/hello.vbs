' A late-bound host: creates the component's objects by ProgID and shows
' what each answers. Run by `make demo`.
Option Explicit
Dim names, n, o
names = Array("Spelling", "BarButtons", "BarTitle", "Border", "Check", "cmdClose", _
              "Label_Status", "Label_Suggestions", "Label_txtWord", "lst_Suggestions", "txtTWord")
On Error Resume Next
For Each n In names
  Err.Clear
  Set o = CreateObject("Vestrel." & n)
  If Err.Number <> 0 Then
    WScript.Echo "Vestrel." & n & ": cannot be created (" & Err.Description & ")"
  Else
    WScript.Echo "Vestrel." & n & ": created"
  End If
  Set o = Nothing
Next
Set o = CreateObject("Vestrel.Spelling")
o.SendToForm.Text = "casa"
WScript.Echo "Spelling word box: " & o.DeleteText
