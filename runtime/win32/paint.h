#pragma once

#include <windows.h>

#include "runtime/win32/form_scene.h"

namespace runtime::win32 {

// Draws the whole scene into any device context: the back colour over `area`, then the
// controls from back to front.
void PaintScene(HDC dc, const RECT& area, const FormScene& scene);

// Draws the scene off-screen first and then copies it to `target` in one step, so a
// changed caption leaves no trace of the old one and nothing flickers.
void PaintBuffered(HDC target, const RECT& client, const FormScene& scene);

}  // namespace runtime::win32
