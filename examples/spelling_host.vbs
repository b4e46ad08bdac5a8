' Vestrel from a script host, late-bound through IDispatch: restyles the
' checker window through a few appearance objects, checks a word and takes
' the first suggestion into the word box.
'
'   cscript //nologo spelling_host.vbs [word] [/wait]
'
' With /wait a message box keeps the window open (and working) until it is
' answered; then the script prints the word the box holds, the user's
' choice, if the window is still shown. A correctly spelt word is confirmed by the window's own message
' box, which waits for the user too.
Option Explicit
Dim word, wait, i, speller, title, box, checkButton, status, list

word = "ortografia"
wait = False
For i = 0 To WScript.Arguments.Count - 1
  If LCase(WScript.Arguments(i)) = "/wait" Then wait = True Else word = WScript.Arguments(i)
Next

Set speller = CreateObject("Vestrel.Spelling")
Set title = CreateObject("Vestrel.BarTitle")
Set box = CreateObject("Vestrel.txtTWord")
Set checkButton = CreateObject("Vestrel.Check")
Set status = CreateObject("Vestrel.Label_Status")
Set list = CreateObject("Vestrel.lst_Suggestions")

' Colours are OLE colours (&HBBGGRR); positions and sizes are twips.
title.Caption = "Corrector de la oficina"
title.FontBold = True
box.BackColor = RGB(255, 255, 224)
box.MaxLength = 40
checkButton.Caption = "&Revisar"
checkButton.ToolTipText = "Revisa la palabra escrita"
status.ForeColor = RGB(0, 0, 128)
list.Height = list.Height + 300

speller.Show
box.Text = word
speller.Spelling
list.Send                    ' the first entry of the list goes into the word box
WScript.Echo "Palabra revisada: " & word
WScript.Echo "Primera sugerencia: " & box.Text

' A refused value is an automation error with the component's own text;
' the word box stays where it was.
On Error Resume Next
box.Top = "arriba"
WScript.Echo "box.Top = ""arriba"": error " & Err.Number & " (" & Err.Source & "): " & Err.Description
Err.Clear
On Error GoTo 0

' The word the user chose is read when the message box is answered, while
' the window is still shown: closing the window unloads it, word and all.
If wait Then
    MsgBox "Elija una sugerencia y pulse Aceptar.", vbInformation, "Vestrel"
    If speller.Visible Then WScript.Echo "Palabra elegida: " & speller.DeleteText
End If
