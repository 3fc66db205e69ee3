#pragma once
// The clipboard mode of the toolkit test program: the window "Clipboard –
// Tintscope Toolkit Demo" (client area 300 x 200) copies and pastes on
// keys and logs what arrives by drag and drop, one line each:
//   C  copies "héllo": "copied héllo", or "copy refused"
//   E  copies an empty text: "copy refused" (the clipboard is unchanged)
//   V  pastes: "pasted TEXT", or "pasted nothing"
//   a drag over the window: "drop DragEnter effect=E", "drop DragMove
//   effect=E", "drop DragLeave", and 10 ms after a drop "drop Drop
//   effect=E formats=F,... text=T files=N image=WxH"
// Texts are logged as UTF-8. "ready" is logged once the window is shown;
// closing the window ends the program with 0.

class Application;
class DemoLog;

int runClipboardDemo(Application& application, DemoLog& log);
