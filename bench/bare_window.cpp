// The baseline for the start-up benchmark: the least a Win32 program does to show a window
// of talqo.exe's size and style, so that the difference measures talqo's own start-up work.
#include <windows.h>

namespace {

constexpr wchar_t kWindowClass[] = L"BareWindow";
constexpr wchar_t kTitle[] = L"bare window";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExtendedStyle = 0;
constexpr int kClientWidth = 516;
constexpr int kClientHeight = 529;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kWindowClass;
  if (::RegisterClassExW(&window_class) == 0) return 1;

  RECT outer{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, kExtendedStyle);
  const HWND window = ::CreateWindowExW(kExtendedStyle, kWindowClass, kTitle, kStyle, CW_USEDEFAULT,
                                        CW_USEDEFAULT, outer.right - outer.left,
                                        outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::UpdateWindow(window);

  MSG message{};
  BOOL received = FALSE;
  while ((received = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return received == 0 ? static_cast<int>(message.wParam) : 1;
}
