' A host that keeps every value in a variable, as scripts and VBA do: each
' one reaches the component by reference (VT_BYREF|VT_VARIANT). It restyles
' the window, checks a word and reads the results back; an object held in a
' variable is refused exactly as when it is passed directly.
Option Explicit
Dim s, bb, bt, tw, lst, lbl, brd, box
Dim leftPos, topPos, caption, colour, centred, hidden, fontName, limit, word, p, tip, bold
passed = 0: failed = 0

Set s = CreateObject("Vestrel.Spelling")
Set bb = CreateObject("Vestrel.BarButtons")
Set bt = CreateObject("Vestrel.BarTitle")
Set tw = CreateObject("Vestrel.txtTWord")
Set lst = CreateObject("Vestrel.lst_Suggestions")
Set lbl = CreateObject("Vestrel.Label_Status")
Set brd = CreateObject("Vestrel.Border")

leftPos = 4000
bb.BarButtonsLeft = leftPos
Expect bb.BarButtonsLeft = 4270, "BarButtonsLeft from a variable puts the close image at 4270: " & bb.BarButtonsLeft
leftPos = "3900"
bb.BarButtonsLeft = leftPos
Expect bb.BarButtonsLeft = 4170, "BarButtonsLeft from a text variable: " & bb.BarButtonsLeft
topPos = 1500
tw.Top = topPos
Expect tw.Top = 1500 And TypeName(tw.Top) = "Single", "txtTWord.Top from a variable: " & tw.Top
caption = "Corrector"
bt.Caption = caption
Expect bt.Caption = "Corrector", "BarTitle.Caption from a variable"
colour = &HFF&
tw.ForeColor = colour
Expect tw.ForeColor = 255, "a colour from a variable passes through"
centred = 1
tw.Alignment = centred
Expect tw.Alignment = 1, "a stored alignment from a variable"
hidden = False
bb.ButtonHelpVisible = hidden
Expect bb.ButtonHelpVisible = False, "a Boolean from a variable"
fontName = "Arial"
lst.FontName = fontName
Expect lst.FontName = "Arial", "a font name from a variable"
limit = "20"
tw.MaxLength = limit
Expect tw.MaxLength = 20 And TypeName(tw.MaxLength) = "Long", "MaxLength from a text variable, a Long"
bold = True
lbl.FontBold = bold
Expect lbl.FontBold = True, "a font flag from a variable"

' An object in a variable is refused as when it is passed directly, and
' nothing already held is lost.
Set p = brd.Picture
On Error Resume Next
tw.Top = p
Expect Err.Number = 13 And Err.Source = "Vestrel", "a picture as a position is error 13: " & Err.Number & " " & Err.Description
Err.Clear
Expect tw.Top = 1500, "the word box stays where it was: " & tw.Top
bt.Caption = p
Expect Err.Number = 13, "a picture as a caption is error 13: " & Err.Number
Err.Clear
Expect bt.Caption = "Corrector", "the caption is kept"
tw.Visible = p
Expect Err.Number = 13, "a picture as a Boolean is error 13: " & Err.Number
Err.Clear
bt.Caption = brd.Picture
Expect Err.Number = 13, "the same picture passed directly is error 13 too: " & Err.Number
Err.Clear
tip = Null
tw.ToolTipText = tip
Expect Err.Number = 13, "Null in a variable is error 13: " & Err.Number
Err.Clear
On Error GoTo 0

' The word box object: one object, text from a variable, a check, the
' first suggestion taken into the box.
Set box = s.SendToForm
Expect box Is s.SendToForm, "SendToForm hands out one object"
word = "ortografia"
box.Text = word
Expect tw.Text = "ortografia", "txtTWord reads what the word box object wrote"
s.Show
s.Spelling
lst.Send
Expect box.Text = "ortograf" & Chr(237) & "a", "the first suggestion, in the word box: " & box.Text
Expect box = box.Text, "Text is the word box object's default member"
Expect lbl.Visible = True, "the status label is shown after the check"

WScript.Echo "variables_vbs: " & passed & " passed, " & failed & " failed"
If failed > 0 Then WScript.Quit 1
