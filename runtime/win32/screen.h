#pragma once

namespace runtime::win32 {

// Dots per inch of the screen along LOGPIXELSX or LOGPIXELSY; 0 when unknown.
int ScreenDotsPerInch(int axis);

// Twips (1/1440 inch) per screen pixel along LOGPIXELSX or LOGPIXELSY.
float ScreenTwipsPerPixel(int axis);

}  // namespace runtime::win32
