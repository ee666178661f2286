#include "runtime/win32/paint.h"

#include <algorithm>
#include <climits>

namespace runtime::win32 {

namespace {

RECT ToRECT(Rect rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

void DrawPicture(HDC dc, HBITMAP picture, Rect place) {
  const base::win32::ScopedDeleteDC source(::CreateCompatibleDC(dc));
  if (!source) return;
  const base::win32::ScopedSelectObject selected(source.get(), picture);
  ::BitBlt(dc, place.left, place.top, place.Width(), place.Height(), source.get(), 0, 0, SRCCOPY);
}

// The background shows through between the letters.
void DrawLabel(HDC dc, const WindowlessControl& label, Rect place) {
  const base::win32::ScopedRestoreDC restore(dc);
  if (label.font) ::SelectObject(dc, label.font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, label.fore_color);
  RECT bounds = ToRECT(place);
  const int length = static_cast<int>(std::min<std::size_t>(label.caption.size(), INT_MAX));
  ::DrawTextW(dc, label.caption.c_str(), length, &bounds,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
}

}  // namespace

void PaintScene(HDC dc, const RECT& area, const FormScene& scene) {
  const base::win32::ScopedDeleteObject<HBRUSH> back(::CreateSolidBrush(scene.BackColor()));
  if (back) ::FillRect(dc, &area, back.get());
  const ControlLayout& layout = scene.Layout();
  for (ControlIndex control = layout.ControlCount() - 1; control >= 0; --control) {
    const WindowlessControl& drawn = scene.Control(control);
    if (drawn.kind == ControlKind::Label) {
      DrawLabel(dc, drawn, layout.ControlRect(control));
    } else if (drawn.picture) {
      DrawPicture(dc, drawn.picture.get(), layout.ControlRect(control));
    }
  }
}

void PaintBuffered(HDC target, const RECT& client, const FormScene& scene) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  const base::win32::ScopedDeleteDC buffer(::CreateCompatibleDC(target));
  const base::win32::ScopedDeleteObject<HBITMAP> pixels(::CreateCompatibleBitmap(target, width, height));
  if (!buffer || !pixels) {
    PaintScene(target, client, scene);
    return;
  }
  const base::win32::ScopedSelectObject selected(buffer.get(), pixels.get());
  ::SetWindowOrgEx(buffer.get(), client.left, client.top, nullptr);
  PaintScene(buffer.get(), client, scene);
  ::BitBlt(target, client.left, client.top, width, height, buffer.get(), client.left, client.top,
           SRCCOPY);
}

}  // namespace runtime::win32
