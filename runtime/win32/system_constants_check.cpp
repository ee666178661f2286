// The system's numbers that portable code names for itself, held to the system's headers.

#include <windows.h>

#include "runtime/form_definition.h"
#include "runtime/system_constants.h"

namespace runtime {

static_assert(kShowNormal == SW_SHOWNORMAL);
static_assert(kMessageBoxOk == MB_OK);
static_assert(kMessageBoxIconError == MB_ICONERROR);
static_assert(kRgnCopy == RGN_COPY);
static_assert(kNonClientLeftButtonDown == WM_NCLBUTTONDOWN);
static_assert(kHitCaption == HTCAPTION);
static_assert(kFontWeightNormal == FW_NORMAL);
static_assert(kFontWeightBold == FW_BOLD);
static_assert(kAnsiCharset == ANSI_CHARSET);
static_assert(Rgb(0x12, 0x34, 0x56) == RGB(0x12, 0x34, 0x56));

}  // namespace runtime
