// Vestrel from .NET, late-bound through IDispatch with `dynamic` (no
// interop assembly needed). The process must match the registered DLL:
// build for x86 to use the 32-bit vestrel.dll, for x64 to use the 64-bit
// one. The component's objects and window belong to the thread that
// created them, which must be a single-threaded apartment ([STAThread]).
//
//   csc /platform:x86 VestrelLateBound.cs   (.NET Framework; references
//   Microsoft.CSharp for `dynamic`). Written in C# 5, the language of the
//   compiler that comes with .NET Framework 4.
//
//   VestrelLateBound.exe [word] [wait]
//
// With wait it leaves the window to the user and, once the user has closed
// it, prints the word the box held last. The window lives on this thread,
// which must dispatch its messages meanwhile: a console program pumps them
// itself, as below; a Windows Forms program's own message loop does it.
using System;
using System.Runtime.InteropServices;
using System.Threading;

static class VestrelLateBound
{
    [StructLayout(LayoutKind.Sequential)]
    struct Message
    {
        public IntPtr Window;
        public uint Id;
        public UIntPtr WParam;
        public IntPtr LParam;
        public uint Time;
        public int X, Y;
    }
    [DllImport("user32.dll", EntryPoint = "PeekMessageW")]
    static extern bool PeekMessage(out Message message, IntPtr window, uint first, uint last, uint remove);
    [DllImport("user32.dll")]
    static extern bool TranslateMessage(ref Message message);
    [DllImport("user32.dll", EntryPoint = "DispatchMessageW")]
    static extern IntPtr DispatchMessage(ref Message message);

    // Reads the word box while the window is shown: closing the window
    // unloads it, word and all. (After the close, reading Visible loads a
    // new window, hidden: it answers false.)
    static string WordWhenClosed(dynamic speller)
    {
        string last = "";
        while (speller.Visible)
        {
            last = speller.DeleteText;
            Message message;
            while (PeekMessage(out message, IntPtr.Zero, 0, 0, 1))   // PM_REMOVE
            {
                TranslateMessage(ref message);
                DispatchMessage(ref message);
            }
            Thread.Sleep(50);
        }
        return last;
    }

    static dynamic Create(string className)
    {
        return Activator.CreateInstance(Type.GetTypeFromProgID("Vestrel." + className, true));
    }

    [STAThread]
    static int Main(string[] args)
    {
        string word = args.Length > 0 ? args[0] : "ortografia";
        dynamic speller = Create("Spelling");
        dynamic title = Create("BarTitle");
        dynamic box = Create("txtTWord");
        dynamic list = Create("lst_Suggestions");
        try
        {
            title.Caption = "Corrector de .NET";
            title.FontBold = true;
            box.BackColor = 0xE0FFFF;            // OLE colour 0x00BBGGRR: pale yellow
            list.Height = (float)list.Height + 300f;

            speller.Show();
            box.Text = word;
            speller.Spelling();                  // suggestions appear in the window's list
            list.Send();                         // the first one goes into the word box
            Console.WriteLine("Primera sugerencia: " + box.Text);
            if (args.Length > 1 && args[1] == "wait")
                Console.WriteLine("Palabra elegida: " + WordWhenClosed(speller));

            box.Top = "arriba";                  // refused: error 13, the box stays put
        }
        catch (COMException e)
        {
            // HRESULT 0x800A000D is Basic's error 13; Message is the component's text.
            Console.WriteLine("Error 0x{0:X8}: {1}", e.ErrorCode, e.Message);
        }
        finally
        {
            foreach (object o in new object[] { list, box, title, speller })
                Marshal.FinalReleaseComObject(o);
        }
        return 0;
    }
}
