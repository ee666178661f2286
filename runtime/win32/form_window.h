#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/win32/handles.h"
#include "runtime/form_definition.h"
#include "runtime/form_events.h"
#include "runtime/mouse_router.h"
#include "runtime/win32/form_scene.h"

namespace runtime::win32 {

// The form's top-level window, created hidden. It paints the windowless controls and
// hands mouse input to the form's events. The object outlives its window: once the
// window is destroyed, Handle() is null and the setters only update what would be drawn.
class FormWindow {
 public:
  FormWindow(HINSTANCE instance, const FormDefinition& form);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  HWND Handle() const { return window_; }
  // The screen's, read once: the program is not DPI-aware, so they hold while it runs.
  float TwipsPerPixelX() const { return twips_per_pixel_x_; }
  float TwipsPerPixelY() const { return twips_per_pixel_y_; }
  bool IsOpen() const { return window_ != nullptr; }
  bool IsVisible() const { return window_ != nullptr && ::IsWindowVisible(window_) != FALSE; }

  // Mouse input goes to `events` from now on; they must outlive the window.
  void RouteMouseTo(FormEvents& events);
  void Show();
  void Close();
  // Closes the window, and the message loop ends with `exit_status`.
  void EndProgram(int exit_status);

  void SetPicture(ControlIndex control, base::win32::ScopedDeleteObject<HBITMAP> picture);
  void SetCaption(ControlIndex control, const std::wstring& caption);
  void SetForeColor(ControlIndex control, ColorRef color);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) noexcept;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

  void OnPaint() noexcept;
  void OnButtonDown(int button, WPARAM keys, LPARAM position) noexcept;
  void OnButtonUp(int button, WPARAM keys, LPARAM position) noexcept;
  void OnMouseMove(WPARAM keys, LPARAM position) noexcept;
  void OnNcDestroy(HWND window) noexcept;

  void Invalidate(Rect area);

  float twips_per_pixel_x_;
  float twips_per_pixel_y_;
  FormScene scene_;
  std::optional<MouseRouter> router_;
  HWND window_ = nullptr;
  int exit_status_ = 0;
};

}  // namespace runtime::win32
