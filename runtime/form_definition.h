#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/system_constants.h"

namespace runtime {

// A colour as Windows stores it: red in the lowest byte, then green, then blue.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
  return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
         (static_cast<ColorRef>(blue) << 16);
}

enum class ControlKind { Picture, Label };

struct FontDefinition {
  std::wstring face;
  int points = 0;
  int weight = kFontWeightNormal;
  int charset = kAnsiCharset;
};

// Design-time description of one control; places and sizes in twips.
struct ControlDefinition {
  ControlKind kind = ControlKind::Picture;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int picture_resource = 0;  // built-in picture of a picture control
  std::wstring caption;      // first caption of a label
  ColorRef fore_color = 0;
  FontDefinition font;
};

// Design-time description of a window. Controls are listed in stacking order,
// front-most first: the first control whose rectangle holds a point takes it.
struct FormDefinition {
  std::wstring title;
  int client_width = 0;   // twips
  int client_height = 0;  // twips
  ColorRef back_color = 0;
  int icon_resource = 0;
  std::vector<ControlDefinition> controls;
};

}  // namespace runtime
