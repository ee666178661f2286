#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/win32/handles.h"
#include "runtime/control_layout.h"
#include "runtime/form_definition.h"

namespace runtime::win32 {

// What the window draws for one windowless control: a picture control's bitmap, or a
// label's caption in its colour and font.
struct WindowlessControl {
  ControlKind kind = ControlKind::Picture;
  base::win32::ScopedDeleteObject<HBITMAP> picture;
  std::wstring caption;
  ColorRef fore_color = 0;
  base::win32::ScopedDeleteObject<HFONT> font;
};

// The form's surface: its back colour and its windowless controls with their places.
class FormScene {
 public:
  // Picture controls start with their built-in bitmaps from the program's resources.
  FormScene(HINSTANCE instance, const FormDefinition& form, float twips_per_pixel_x,
            float twips_per_pixel_y);

  const ControlLayout& Layout() const { return layout_; }
  ColorRef BackColor() const { return back_color_; }
  const WindowlessControl& Control(ControlIndex control) const;

  // Whether `control` names a control of that kind.
  bool IsPicture(ControlIndex control) const;
  bool IsLabel(ControlIndex control) const;

  // The control takes the bitmap and its size, keeping its upper-left corner;
  // without a bitmap it shows nothing and keeps its size.
  void SetPicture(ControlIndex control, base::win32::ScopedDeleteObject<HBITMAP> picture);
  void SetCaption(ControlIndex control, const std::wstring& caption);
  void SetForeColor(ControlIndex control, ColorRef color);

 private:
  bool Holds(ControlIndex control, ControlKind kind) const;
  WindowlessControl& Control(ControlIndex control);

  ControlLayout layout_;
  ColorRef back_color_;
  std::vector<WindowlessControl> controls_;
};

}  // namespace runtime::win32
