#include "window_queries.h"

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr UINT kAnswerTimeoutMs = 5000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

bool SameClass(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

HWND FindTopLevel(const std::wstring& title, bool dialog) {
  for (const HWND window : TopLevelWindows()) {
    if (Caption(window) == title && SameClass(ClassName(window), kDialogClass) == dialog) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

std::wstring ClassName(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::wstring Caption(HWND window) {
  wchar_t text[1024];
  const int length = GetWindowTextW(window, text, 1024);
  return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &length)) {
    return {};
  }
  // The text may grow between the two questions, as a progress line does, and a text
  // that fills the room given may have been cut: it is asked for again with twice the room.
  for (std::size_t room = length + 2;; room *= 2) {
    std::wstring text(room, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, room, reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied)) {
      return {};
    }
    if (copied + 1 < room) {
      text.resize(copied);
      return text;
    }
  }
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindDialog(const std::wstring& title) { return FindTopLevel(title, true); }

HWND FindMainWindow(const std::wstring& title) { return FindTopLevel(title, false); }

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& class_name) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  std::vector<HWND> matching;
  for (const HWND child : children) {
    if (SameClass(ClassName(child), class_name)) matching.push_back(child);
  }
  return matching;
}
