' Restyles the word box and the suggestion list as a VBScript host does,
' through IDispatch, and reads the results back with their variant types.
Option Explicit
Dim word, list, speller
passed = 0: failed = 0

Set word = CreateObject("Vestrel.txtTWord")
Set list = CreateObject("Vestrel.lst_Suggestions")
Set speller = CreateObject("Vestrel.Spelling")

Expect word.Alignment = 0 And word.Appearance = 0 And word.BorderStyle = 0, "new styles are 0"
word.Alignment = 1
Expect word.Alignment = 1, "alignment kept"
word.MaxLength = "10"
Expect word.MaxLength = 10 And TypeName(word.MaxLength) = "Long", "MaxLength from text, a Long"
word.Text = 12
Expect word.Text = "12" And TypeName(word.Text) = "String", "Text from a number, a String"
Expect speller.SendToForm.Text = "12", "the word box holds it"
word.Top = "1500"
Expect word.Top = 1500 And TypeName(word.Top) = "Single", "Top a Single"
word.ForeColor = &HFF&
Expect word.ForeColor = 255, "colour passes through"
word.FontName = "Courier New"
Expect word.FontName = "Courier New", "font name"

On Error Resume Next
word.MaxLength = Null
Expect Err.Number = 13, "Null is a type mismatch (" & Err.Number & " " & Err.Description & ")"
Expect Err.Source = "Vestrel", "the error comes from Vestrel"
Err.Clear
On Error GoTo 0
Expect word.MaxLength = 10, "the limit is kept"

list.Appearance = 1
Expect list.Appearance = 1, "list appearance kept"
list.Height = "900"
Expect list.Height = 900, "list height"
speller.SendToForm.Text = "gatto"
speller.Spelling
list.Send
Expect speller.SendToForm.Text = "gato", "Send copies the first suggestion: " & speller.SendToForm.Text

WScript.Echo "appearance: " & passed & " passed, " & failed & " failed"
If failed > 0 Then WScript.Quit 1
