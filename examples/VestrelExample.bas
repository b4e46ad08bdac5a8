Attribute VB_Name = "VestrelExample"
' Vestrel from an office host's VBA (or VB6): import this module (File >
' Import File...) and run CheckEarlyBound or CheckLateBound, or call
' AskWord from your own code to get the word the user chose.
'
' Early binding needs a reference to the type library: Tools > References >
' "DLL ActiveX, para visualizar un programa Vestrel" (or Browse... to
' vestrel.dll). The editor then lists every member and enumeration.
' Late binding needs no reference: CreateObject finds the class by ProgID.
'
' A 32-bit office uses the 32-bit vestrel.dll (x86 folder), a 64-bit office
' the 64-bit one (x64 folder); register the one that matches, or both.
Option Explicit

' The system calls below, for 64-bit office (VBA7, PtrSafe) and for 32-bit
' office and VB6 alike.
#If VBA7 Then
Private Declare PtrSafe Function SetEnvironmentVariableW Lib "kernel32" (ByVal name As LongPtr, ByVal value As LongPtr) As Long
Private Declare PtrSafe Sub Sleep Lib "kernel32" (ByVal milliseconds As Long)
#Else
Private Declare Function SetEnvironmentVariableW Lib "kernel32" (ByVal name As Long, ByVal value As Long) As Long
Private Declare Sub Sleep Lib "kernel32" (ByVal milliseconds As Long)
#End If

' Checks with Vestrel's own Spanish engine even where Word is installed:
' Word checks in its default proofing language, which may not be Spanish.
' Call it before the first check; it holds for this office process.
Public Sub UseBuiltinEngine()
    SetEnvironmentVariableW StrPtr("VESTREL_ENGINE"), StrPtr("builtin")
End Sub

' Shows the window with word checked, waits until the user closes it and
' returns the word the box held last: the word the user chose. The window
' is modeless and closing it unloads it, word and all, so the word is read
' while the window is shown. (After the close, reading Visible loads a new
' window, hidden: it answers False.)
Public Function AskWord(ByVal word As String) As String
    Dim speller As New Vestrel.Spelling
    speller.SendToForm.Text = word
    speller.Spelling                     ' the list is filled before the window shows
    speller.Show                         ' Show's optional Integer is not read: leave it out
    Do While speller.Visible
        AskWord = speller.DeleteText     ' the word box's text
        DoEvents                         ' the window works while the loop runs
        Sleep 50                         ' without keeping a processor busy
    Loop
End Function

' In Excel or Word, Border is also the application's own class: say whose.
Public Sub FramedWindow()
    Dim frame As Vestrel.Border
    Set frame = New Vestrel.Border
    frame.BackColor = RGB(230, 230, 250)
    Dim speller As New Vestrel.Spelling
    speller.Show
End Sub

Public Sub CheckEarlyBound()
    ' Any call may fail (a value refused, the window closed by the user):
    ' the handler shows the component's own text.
    On Error GoTo Failed
    Dim speller As Vestrel.Spelling
    Dim bar As Vestrel.BarTitle
    Dim box As Vestrel.txtTWord
    Dim list As Vestrel.lst_Suggestions
    Set speller = New Vestrel.Spelling
    Set bar = New Vestrel.BarTitle
    Set box = New Vestrel.txtTWord
    Set list = New Vestrel.lst_Suggestions

    ' The enumerations come with the library: posCenter, txt_3D, ...
    bar.Caption = "Corrector de la oficina"
    bar.Alignment = posCenter
    bar.FontBold = True
    box.Appearance = txt_3D
    box.BackColor = RGB(255, 255, 224)   ' OLE colours, &HBBGGRR
    box.MaxLength = 40

    speller.Show
    box.Text = "ortografia"
    speller.Spelling                     ' the suggestions appear in the window
    list.Send                            ' the first one goes into the word box
    Debug.Print "Primera sugerencia: "; box.Text
    Exit Sub
Failed:
    ' Errors carry the component's own text, with Vestrel as their source.
    MsgBox "Error " & Err.Number & " (" & Err.Source & "): " & Err.Description, vbExclamation
End Sub

Public Sub CheckLateBound()
    On Error GoTo Failed
    Dim speller As Object, checkButton As Object, statusLabel As Object, box As Object
    Set speller = CreateObject("Vestrel.Spelling")
    Set checkButton = CreateObject("Vestrel.Check")
    Set statusLabel = CreateObject("Vestrel.Label_Status")
    Set box = speller.SendToForm          ' the word box control itself

    checkButton.Caption = "&Revisar"
    checkButton.ToolTipText = "Revisa la palabra escrita"
    statusLabel.ForeColor = RGB(0, 0, 128)
    statusLabel.Alignment = 1                  ' mStatusCenter: late binding knows no names

    speller.Show
    box.Text = "ortografia"
    speller.Spelling
    Debug.Print "Palabra: "; speller.DeleteText   ' reads the word box
    Exit Sub
Failed:
    MsgBox "Error " & Err.Number & " (" & Err.Source & "): " & Err.Description, vbExclamation
End Sub
