// Vestrel from a script host in JScript, late-bound through IDispatch:
// restyles the checker window through a few appearance objects, checks a
// word and takes the first suggestion into the word box.
//
//   cscript //nologo spelling_host.js [word] [/wait]
//
// With /wait a message box keeps the window open (and working) until it is
// answered. A correctly spelt word is confirmed by the window's own message
// box, which waits for the user too.
var word = "ortografia", wait = false;
for (var i = 0; i < WScript.Arguments.length; i++) {
  var argument = WScript.Arguments(i);
  if (argument.toLowerCase() == "/wait") wait = true; else word = argument;
}

var speller = new ActiveXObject("Vestrel.Spelling");
var title = new ActiveXObject("Vestrel.BarTitle");
var box = new ActiveXObject("Vestrel.txtTWord");
var checkButton = new ActiveXObject("Vestrel.Check");
var status = new ActiveXObject("Vestrel.Label_Status");
var list = new ActiveXObject("Vestrel.lst_Suggestions");

// Colours are OLE colours (0xBBGGRR); positions and sizes are twips.
title.Caption = "Corrector de la oficina";
title.FontBold = true;
box.BackColor = 0xE0FFFF;
box.MaxLength = 40;
checkButton.Caption = "&Revisar";
checkButton.ToolTipText = "Revisa la palabra escrita";
status.ForeColor = 0x800000;
list.Height = list.Height + 300;

speller.Show();
box.Text = word;
speller.Spelling();
list.Send();                 // the first entry of the list goes into the word box
WScript.Echo("Palabra revisada: " + word);
WScript.Echo("Primera sugerencia: " + box.Text);

// A refused value is an automation error with the component's own text;
// the word box stays where it was. JScript numbers it as the HRESULT; its
// low word is the error number a VBScript host shows.
try {
  box.Top = "arriba";
} catch (e) {
  WScript.Echo("box.Top = \"arriba\": error " + (e.number & 0xFFFF) + ": " + e.description);
}

// The word the user chose is read when the message box is answered, while
// the window is still shown: closing the window unloads it, word and all.
if (wait) {
  new ActiveXObject("WScript.Shell").Popup("Elija una sugerencia y pulse Aceptar.", 0, "Vestrel", 64);
  if (speller.Visible) WScript.Echo("Palabra elegida: " + speller.DeleteText);
}
