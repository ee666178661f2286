#include "runtime/control_layout.h"

#include "runtime/twips.h"

namespace runtime {

ControlLayout::ControlLayout(const FormDefinition& form, float twips_per_pixel_x,
                             float twips_per_pixel_y)
    : client_{TwipsToPixels(form.client_width, twips_per_pixel_x),
              TwipsToPixels(form.client_height, twips_per_pixel_y)} {
  rects_.reserve(form.controls.size());
  for (const ControlDefinition& control : form.controls) {
    const int left = TwipsToPixels(control.left, twips_per_pixel_x);
    const int top = TwipsToPixels(control.top, twips_per_pixel_y);
    rects_.push_back({left, top, left + TwipsToPixels(control.width, twips_per_pixel_x),
                      top + TwipsToPixels(control.height, twips_per_pixel_y)});
  }
}

void ControlLayout::Resize(ControlIndex control, Size size) {
  Rect& rect = rects_.at(static_cast<std::size_t>(control));
  rect.right = rect.left + size.width;
  rect.bottom = rect.top + size.height;
}

ControlIndex ControlLayout::HitTest(Point point) const {
  for (std::size_t i = 0; i < rects_.size(); ++i) {
    if (rects_[i].Contains(point)) return static_cast<ControlIndex>(i);
  }
  return kFormSurface;
}

}  // namespace runtime
