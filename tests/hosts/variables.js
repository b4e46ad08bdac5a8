// The same host in JScript, which passes what it holds by value: whole
// numbers as VT_I4, others as VT_R8, null as VT_NULL, undefined as VT_EMPTY,
// objects as VT_DISPATCH. It restyles the window, checks a word and reads
// the results back. Accented text is written with escapes: the script host
// reads a file without a byte-order mark in the ANSI code page.
var passed = 0, failed = 0;

function expect(ok, what) {
    if (ok) {
        passed++;
    } else {
        failed++;
        WScript.Echo("FAILED: " + what);
    }
}

// The error a call raises, as a script host numbers it (0 for none), with
// its text.
function failure(call) {
    try {
        call();
        return {number: 0, description: ""};
    } catch (e) {
        return {number: e.number & 0xFFFF, description: e.description};
    }
}

var s = new ActiveXObject("Vestrel.Spelling");
var bb = new ActiveXObject("Vestrel.BarButtons");
var bt = new ActiveXObject("Vestrel.BarTitle");
var tw = new ActiveXObject("Vestrel.txtTWord");
var lst = new ActiveXObject("Vestrel.lst_Suggestions");
var lbl = new ActiveXObject("Vestrel.Label_Status");
var brd = new ActiveXObject("Vestrel.Border");

var left = 4000;
bb.BarButtonsLeft = left;
expect(bb.BarButtonsLeft == 4270, "BarButtonsLeft 4000 (VT_I4) puts the close image at 4270: " + bb.BarButtonsLeft);
var half = 3900.5;
bb.BarButtonsLeft = half;
expect(Math.abs(bb.BarButtonsLeft - 4170.5) < 15, "BarButtonsLeft 3900.5 (VT_R8): " + bb.BarButtonsLeft);
var top = 1500;
tw.Top = top;
expect(tw.Top == 1500, "txtTWord.Top from a number: " + tw.Top);
var caption = "Corrector";
bt.Caption = caption;
expect(bt.Caption == "Corrector", "BarTitle.Caption from a string");
tw.ForeColor = 0xFF;
expect(tw.ForeColor == 255, "a colour passes through");
var centred = 1;
tw.Alignment = centred;
expect(tw.Alignment == 1, "a stored alignment from a number");
bb.ButtonHelpVisible = false;
expect(bb.ButtonHelpVisible === false, "a Boolean from JScript's false");
tw.MaxLength = "20";
expect(tw.MaxLength === 20, "MaxLength from text, read back as a number");
lbl.FontBold = true;
expect(lbl.FontBold === true, "a font flag from JScript's true");

// null is no text and no number; undefined is Empty, which converts.
var error = failure(function () { bt.Caption = null; });
expect(error.number == 13 && error.description != "", "null as a caption is error 13: " + error.number + " " + error.description);
expect(bt.Caption == "Corrector", "the caption is kept");
error = failure(function () { tw.Top = null; });
expect(error.number == 13, "null as a position is error 13: " + error.number);
expect(tw.Top == 1500, "the word box stays where it was");
error = failure(function () { tw.ToolTipText = undefined; });
expect(error.number == 0 && tw.ToolTipText === "", "undefined as a tool tip is the empty text: " + error.number);

// An object where a value is wanted is refused, however it is held.
var picture = brd.Picture;
error = failure(function () { tw.Top = picture; });
expect(error.number == 13 && error.description != "", "a picture as a position is error 13: " + error.number + " " + error.description);
expect(tw.Top == 1500, "the word box stays where it was: " + tw.Top);
error = failure(function () { bt.Caption = picture; });
expect(error.number == 13, "a picture as a caption is error 13: " + error.number);
error = failure(function () { tw.Visible = picture; });
expect(error.number == 13, "a picture as a Boolean is error 13: " + error.number);
expect(tw.Visible === true, "the word box is still visible");

// The word box object: one object, a check, the first suggestion taken.
var box = s.SendToForm();
expect(box === s.SendToForm(), "SendToForm hands out one object");
box.Text = "ortografia";
expect(tw.Text == "ortografia", "txtTWord reads what the word box object wrote");
s.Show();
s.Spelling();
lst.Send();
expect(box.Text == "ortograf\u00eda", "the first suggestion, in the word box: " + box.Text);
expect(lbl.Visible === true, "the status label is shown after the check");

WScript.Echo("variables_js: " + passed + " passed, " + failed + " failed");
WScript.Quit(failed > 0 ? 1 : 0);
