// The smallest program that shows a window the way the picker does: one
// empty top-level window of a given client size, painted with the system's
// face colour, and a message loop. The start-up and memory benchmarks
// measure the picker against it under the same Wine, so what they report is
// the cost of the picker's own start-up and state, not Wine's.
//
// Usage: minimal_window.exe [CLIENT_WIDTH CLIENT_HEIGHT [X Y]]
// The window is centred on the work area unless X and Y place it.
// With TINTSCOPE_BENCH_FIRST_PAINT set, the line "first paint" goes to the
// standard output once the first paint message has been handled, as the
// picker does under the same switch.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr wchar_t kClassName[] = L"TintscopeMinimalWindow";
constexpr wchar_t kTitle[] = L"Minimal window";
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;

bool g_markFirstPaint = false;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        if (HDC dc = BeginPaint(window, &paint)) {
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(window, &paint);
        }
        if (g_markFirstPaint) {
            g_markFirstPaint = false;
            std::fputs("first paint\n", stdout);
            std::fflush(stdout);
        }
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int argumentOr(int index, int fallback)
{
    if (index >= __argc)
        return fallback;
    const int value = std::atoi(__argv[index]);
    return value > 0 ? value : fallback;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_markFirstPaint = std::getenv("TINTSCOPE_BENCH_FIRST_PAINT") != nullptr;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;

    // The picker's window has a caption, a sizing frame and the minimize
    // box; the outer size follows from the client size as for the picker.
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
    RECT outer{0, 0, argumentOr(1, kDefaultWidth), argumentOr(2, kDefaultHeight)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int x = __argc > 4 ? std::atoi(__argv[3]) : workArea.left + (workArea.right - workArea.left - width) / 2;
    const int y = __argc > 4 ? std::atoi(__argv[4]) : workArea.top + (workArea.bottom - workArea.top - height) / 2;
    HWND window =
        CreateWindowExW(0, kClassName, kTitle, kStyle, x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
