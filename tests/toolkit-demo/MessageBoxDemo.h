#pragma once
// The message-box mode of the toolkit test program. It loads the style set
// "default" and shows the window "Message boxes – Tintscope Toolkit Demo"
// (client area 320 x 160); keys pressed in it open modal windows:
//   1  an information box "Colour copied" with OK and Cancel and the
//      "Do not show again." box
//   2  a critical box with a single OK that is its default button
//   3  the modal dialog "Dialog"; M pressed in it opens box 1 over it
// Whenever a box has appeared it logs, one line each (screen coordinates):
//   "messagebox shown kind=K"
//   "messagebox button CAPTION at X,Y,W,H" for each button, in order
//   "messagebox check at X,Y,W,H" when it has the check box
//   "messagebox icon at X,Y,W,H" when it has an icon
//   "messagebox below main=on|off dialog=on|off|none"
// and when it has gone "messagebox result 0xHEX" and "messagebox after
// main=... dialog=...". The dialog logs "dialog below main=..." when it is
// up and "dialog result 0xHEX", "dialog after main=..." when it has gone.
// When the pointer snaps to a default button: "messagebox pointer at X,Y
// snap point X,Y" (the pointer as the system reports it). "ready" is logged
// once the window is shown; closing the window ends the program with 0.

class Application;
class DemoLog;

int runMessageBoxDemo(Application& application, DemoLog& log);
