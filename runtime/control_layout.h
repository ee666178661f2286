#pragma once

#include <vector>

#include "runtime/form_definition.h"
#include "runtime/form_events.h"
#include "runtime/geometry.h"

namespace runtime {

// Where the form's controls lie in client pixels, in stacking order (front-most first).
class ControlLayout {
 public:
  ControlLayout(const FormDefinition& form, float twips_per_pixel_x, float twips_per_pixel_y);

  Size ClientSize() const { return client_; }
  int ControlCount() const { return static_cast<int>(rects_.size()); }
  Rect ControlRect(ControlIndex control) const {
    return rects_.at(static_cast<std::size_t>(control));
  }

  // A picture control takes its picture's size and keeps its upper-left corner.
  void Resize(ControlIndex control, Size size);

  // The front-most control whose rectangle holds the point, else the form's own surface.
  ControlIndex HitTest(Point point) const;

 private:
  Size client_;
  std::vector<Rect> rects_;
};

}  // namespace runtime
