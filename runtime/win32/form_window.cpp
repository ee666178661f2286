#include "runtime/win32/form_window.h"

#include <algorithm>

#include "runtime/win32/mouse_input.h"
#include "runtime/win32/paint.h"
#include "runtime/win32/screen.h"

namespace runtime::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TalqoForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExtendedStyle = 0;
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

HICON LoadIconSized(HINSTANCE instance, int resource, int width_metric, int height_metric) {
  return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                         ::GetSystemMetrics(width_metric),
                                         ::GetSystemMetrics(height_metric), LR_SHARED));
}

// No background brush: every pixel of the client area is painted by WM_PAINT.
void RegisterWindowClass(HINSTANCE instance, int icon_resource, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconSized(instance, icon_resource, SM_CXICON, SM_CYICON);
  window_class.hIconSm = LoadIconSized(instance, icon_resource, SM_CXSMICON, SM_CYSMICON);
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kWindowClass;
  ::RegisterClassExW(&window_class);
}

// The outer rectangle around a client area of `client` pixels, centred on the work area
// but never so far up or left that the title bar is out of reach.
RECT CentredWindowRect(Size client) {
  RECT outer{0, 0, client.width, client.height};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, kExtendedStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = std::max(work.left, work.left + (work.right - work.left - width) / 2);
  const int top = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
  return {left, top, left + width, top + height};
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance, const FormDefinition& form)
    : twips_per_pixel_x_(ScreenTwipsPerPixel(LOGPIXELSX)),
      twips_per_pixel_y_(ScreenTwipsPerPixel(LOGPIXELSY)),
      scene_(instance, form, twips_per_pixel_x_, twips_per_pixel_y_) {
  RegisterWindowClass(instance, form.icon_resource, &FormWindow::WindowProcedure);
  const RECT place = CentredWindowRect(scene_.Layout().ClientSize());
  ::CreateWindowExW(kExtendedStyle, kWindowClass, form.title.c_str(), kStyle, place.left,
                    place.top, place.right - place.left, place.bottom - place.top, nullptr,
                    nullptr, instance, this);
}

FormWindow::~FormWindow() { Close(); }

void FormWindow::RouteMouseTo(FormEvents& events) {
  router_.emplace(scene_.Layout(), events, twips_per_pixel_x_, twips_per_pixel_y_);
}

void FormWindow::Show() {
  if (window_ == nullptr) return;
  ::ShowWindow(window_, SW_SHOWNORMAL);
  ::UpdateWindow(window_);
}

void FormWindow::Close() {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

// A window that has gone already posted its quit with the status of that time; a later
// post replaces the status.
void FormWindow::EndProgram(int exit_status) {
  exit_status_ = exit_status;
  if (window_ != nullptr) {
    ::DestroyWindow(window_);
  } else {
    ::PostQuitMessage(exit_status);
  }
}

void FormWindow::SetPicture(ControlIndex control, base::win32::ScopedDeleteObject<HBITMAP> picture) {
  if (!scene_.IsPicture(control)) return;
  const Rect before = scene_.Layout().ControlRect(control);
  scene_.SetPicture(control, std::move(picture));
  Invalidate(before);
  Invalidate(scene_.Layout().ControlRect(control));
}

void FormWindow::SetCaption(ControlIndex control, const std::wstring& caption) {
  if (!scene_.IsLabel(control)) return;
  scene_.SetCaption(control, caption);
  Invalidate(scene_.Layout().ControlRect(control));
}

void FormWindow::SetForeColor(ControlIndex control, ColorRef color) {
  if (!scene_.IsLabel(control)) return;
  scene_.SetForeColor(control, color);
  Invalidate(scene_.Layout().ControlRect(control));
}

void FormWindow::Invalidate(Rect area) {
  // A null window would mean every window on the desktop.
  if (window_ == nullptr) return;
  const RECT bounds{area.left, area.top, area.right, area.bottom};
  ::InvalidateRect(window_, &bounds, FALSE);
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, wparam, lparam);
  return self->HandleMessage(window, message, wparam, lparam);
}

LRESULT FormWindow::HandleMessage(HWND window, UINT message, WPARAM wparam,
                                  LPARAM lparam) noexcept {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      OnButtonDown(kLeftButton, wparam, lparam);
      return 0;
    case WM_RBUTTONDOWN:
      OnButtonDown(kRightButton, wparam, lparam);
      return 0;
    case WM_MBUTTONDOWN:
      OnButtonDown(kMiddleButton, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(kLeftButton, wparam, lparam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(kRightButton, wparam, lparam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(kMiddleButton, wparam, lparam);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wparam, lparam);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(exit_status_);
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy(window);
      break;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

void FormWindow::OnPaint() noexcept {
  const base::win32::ScopedEndPaint paint(window_);
  RECT client{};
  ::GetClientRect(window_, &client);
  PaintBuffered(paint.get(), client, scene_);
}

// Each router call may end in the form unloading itself, or in the program ending after an
// event failed, so it is the handler's last step.
void FormWindow::OnButtonDown(int button, WPARAM keys, LPARAM position) noexcept {
  ::SetCapture(window_);
  if (router_) router_->ButtonDown(PointerPosition(position), button, ShiftKeysHeld(keys));
}

// The capture is let go before the click, which may open a dialog or unload the form.
void FormWindow::OnButtonUp(int button, WPARAM keys, LPARAM position) noexcept {
  if ((keys & kAnyButton) == 0) ::ReleaseCapture();
  if (router_) router_->ButtonUp(PointerPosition(position), button);
}

void FormWindow::OnMouseMove(WPARAM keys, LPARAM position) noexcept {
  if (router_) router_->Move(PointerPosition(position), ButtonsHeld(keys), ShiftKeysHeld(keys));
}

void FormWindow::OnNcDestroy(HWND window) noexcept {
  ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  window_ = nullptr;
}

}  // namespace runtime::win32
