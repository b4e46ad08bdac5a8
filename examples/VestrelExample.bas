Attribute VB_Name = "VestrelExample"
' Vestrel from an office host's VBA (or VB6): import this module (File >
' Import File...) and run CheckEarlyBound or CheckLateBound.
'
' Early binding needs a reference to the type library: Tools > References >
' "DLL ActiveX, para visualizar un programa Vestrel" (or Browse... to
' vestrel.dll). The editor then lists every member and enumeration.
' Late binding needs no reference: CreateObject finds the class by ProgID.
'
' A 32-bit office uses the 32-bit vestrel.dll (x86 folder), a 64-bit office
' the 64-bit one (x64 folder); register the one that matches, or both.
Option Explicit

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
