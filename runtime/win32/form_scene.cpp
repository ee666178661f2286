#include "runtime/win32/form_scene.h"

#include "runtime/win32/screen.h"

namespace runtime::win32 {

namespace {

constexpr int kPointsPerInch = 72;

// Width and height of a bitmap in pixels; empty when they cannot be had.
Size BitmapSize(HBITMAP bitmap) {
  BITMAP description{};
  if (::GetObjectW(bitmap, sizeof description, &description) == 0) return {};
  return {description.bmWidth, description.bmHeight};
}

base::win32::ScopedDeleteObject<HBITMAP> LoadBuiltInBitmap(HINSTANCE instance, int resource) {
  return base::win32::ScopedDeleteObject<HBITMAP>(static_cast<HBITMAP>(::LoadImageW(
      instance, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// Where the face is missing, the font mapper picks the nearest Swiss face of that charset.
base::win32::ScopedDeleteObject<HFONT> CreateLabelFont(const FontDefinition& font) {
  const int height = -::MulDiv(font.points, ScreenDotsPerInch(LOGPIXELSY), kPointsPerInch);
  return base::win32::ScopedDeleteObject<HFONT>(::CreateFontW(
      height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, static_cast<DWORD>(font.charset),
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
      font.face.c_str()));
}

}  // namespace

FormScene::FormScene(HINSTANCE instance, const FormDefinition& form, float twips_per_pixel_x,
                     float twips_per_pixel_y)
    : layout_(form, twips_per_pixel_x, twips_per_pixel_y), back_color_(form.back_color) {
  controls_.reserve(form.controls.size());
  for (const ControlDefinition& definition : form.controls) {
    WindowlessControl control;
    control.kind = definition.kind;
    if (definition.kind == ControlKind::Label) {
      control.caption = definition.caption;
      control.fore_color = definition.fore_color;
      control.font = CreateLabelFont(definition.font);
    }
    controls_.push_back(std::move(control));
    if (definition.kind == ControlKind::Picture) {
      const ControlIndex index = static_cast<ControlIndex>(controls_.size() - 1);
      SetPicture(index, LoadBuiltInBitmap(instance, definition.picture_resource));
    }
  }
}

const WindowlessControl& FormScene::Control(ControlIndex control) const {
  return controls_.at(static_cast<std::size_t>(control));
}

WindowlessControl& FormScene::Control(ControlIndex control) {
  return controls_.at(static_cast<std::size_t>(control));
}

bool FormScene::Holds(ControlIndex control, ControlKind kind) const {
  return control >= 0 && static_cast<std::size_t>(control) < controls_.size() &&
         controls_[static_cast<std::size_t>(control)].kind == kind;
}

bool FormScene::IsPicture(ControlIndex control) const {
  return Holds(control, ControlKind::Picture);
}

bool FormScene::IsLabel(ControlIndex control) const { return Holds(control, ControlKind::Label); }

void FormScene::SetPicture(ControlIndex control, base::win32::ScopedDeleteObject<HBITMAP> picture) {
  if (!IsPicture(control)) return;
  if (picture) layout_.Resize(control, BitmapSize(picture.get()));
  Control(control).picture = std::move(picture);
}

void FormScene::SetCaption(ControlIndex control, const std::wstring& caption) {
  if (IsLabel(control)) Control(control).caption = caption;
}

void FormScene::SetForeColor(ControlIndex control, ColorRef color) {
  if (IsLabel(control)) Control(control).fore_color = color;
}

}  // namespace runtime::win32
