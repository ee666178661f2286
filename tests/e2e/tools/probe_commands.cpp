#include "probe_commands.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

#include "base/win32/handles.h"
#include "json_text.h"
#include "md5sum/clipboard.h"
#include "std_output.h"
#include "window_queries.h"

namespace {

constexpr int kDone = 0;
constexpr int kNotFound = 1;
// A process ended from outside has failed.
constexpr UINT kEndedExitStatus = 1;
constexpr DWORD kEndMilliseconds = 10000;

std::string JsonRect(const RECT& rect) {
  return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "]";
}

std::wstring HandleText(HWND window) {
  wchar_t text[32];
  std::swprintf(text, 32, L"0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

long long ProcessId(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// The bounding box of the window's region in window coordinates, or null without one.
std::string JsonRegionBox(HWND window) {
  const base::win32::ScopedDeleteObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.get()) == ERROR) return "null";
  RECT box{};
  GetRgnBox(region.get(), &box);
  return JsonRect(box);
}

std::string JsonScreenRects(const std::vector<HWND>& controls) {
  std::string rects;
  for (const HWND control : controls) {
    RECT rect{};
    GetWindowRect(control, &rect);
    if (!rects.empty()) rects += ",";
    rects += JsonRect(rect);
  }
  return "[" + rects + "]";
}

// Each edit control's selection as [start, end], in characters.
std::string JsonSelections(const std::vector<HWND>& edits) {
  std::string selections;
  for (const HWND edit : edits) {
    DWORD_PTR both = 0;
    SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &both);
    if (!selections.empty()) selections += ",";
    selections += "[" + std::to_string(LOWORD(both)) + "," + std::to_string(HIWORD(both)) + "]";
  }
  return "[" + selections + "]";
}

JsonObject Identity(HWND window) {
  JsonObject object;
  object.AddBool("found", true)
      .Add("hwnd", HandleText(window))
      .Add("pid", ProcessId(window))
      .Add("class", ClassName(window))
      .Add("title", Caption(window))
      .AddBool("visible", IsWindowVisible(window) != FALSE);
  return object;
}

int Print(const JsonObject& object, int status) {
  WriteToStdout(object.Text() + "\n");
  return status;
}

int NotFound() { return Print(JsonObject().AddBool("found", false), kNotFound); }

// A button's text without the ampersands that mark its access key.
std::wstring WithoutAccessKey(const std::wstring& text) {
  std::wstring plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

JsonArray TextsOf(const std::vector<HWND>& controls, bool skip_empty) {
  JsonArray texts;
  for (const HWND control : controls) {
    const std::wstring text = WindowText(control);
    if (!(skip_empty && text.empty())) texts.Add(text);
  }
  return texts;
}

}  // namespace

int DescribeWindow(const std::wstring& title) {
  const HWND window = FindMainWindow(title);
  if (window == nullptr) return NotFound();
  RECT window_rect{};
  GetWindowRect(window, &window_rect);
  RECT client_rect{};
  GetClientRect(window, &client_rect);
  POINT client_origin{0, 0};
  ClientToScreen(window, &client_origin);
  JsonObject object = Identity(window);
  object.AddJson("window_rect", JsonRect(window_rect))
      .AddJson("client_rect", JsonRect(client_rect))
      .AddJson("client_origin",
               "[" + std::to_string(client_origin.x) + "," + std::to_string(client_origin.y) + "]")
      .AddJson("region_box", JsonRegionBox(window));
  return Print(object, kDone);
}

int DescribeDialog(const std::wstring& title) {
  const HWND dialog = FindDialog(title);
  if (dialog == nullptr) return NotFound();
  RECT window_rect{};
  GetWindowRect(dialog, &window_rect);
  JsonObject object = Identity(dialog);
  const std::vector<HWND> buttons = ChildrenOfClass(dialog, L"Button");
  const std::vector<HWND> edits = ChildrenOfClass(dialog, L"Edit");
  // A message box's icon is a static control without text. Rectangles are on the screen.
  object.AddJson("window_rect", JsonRect(window_rect))
      .AddJson("statics", TextsOf(ChildrenOfClass(dialog, L"Static"), true).Text())
      .AddJson("buttons", TextsOf(buttons, false).Text())
      .AddJson("button_rects", JsonScreenRects(buttons))
      .AddJson("edits", TextsOf(edits, false).Text())
      .AddJson("edit_rects", JsonScreenRects(edits))
      .AddJson("edit_selections", JsonSelections(edits));
  return Print(object, kDone);
}

int PressButton(const std::wstring& dialog_title, const std::wstring& button_text) {
  const HWND dialog = FindDialog(dialog_title);
  if (dialog == nullptr) return NotFound();
  for (const HWND button : ChildrenOfClass(dialog, L"Button")) {
    if (WithoutAccessKey(WindowText(button)) != WithoutAccessKey(button_text)) continue;
    // Posted, not sent: what the press sets off may keep the dialog's program busy.
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
    PostMessageW(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(button));
    return Print(Identity(dialog), kDone);
  }
  return NotFound();
}

int SetEditText(const std::wstring& dialog_title, const std::wstring& text) {
  const HWND dialog = FindDialog(dialog_title);
  if (dialog == nullptr) return NotFound();
  const std::vector<HWND> edits = ChildrenOfClass(dialog, L"Edit");
  if (edits.empty()) return NotFound();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(edits.front(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
  return Print(Identity(dialog).AddBool("set", result != FALSE), kDone);
}

int CloseWindow(const std::wstring& title) {
  HWND window = FindMainWindow(title);
  if (window == nullptr) window = FindDialog(title);
  if (window == nullptr) return NotFound();
  PostMessageW(window, WM_CLOSE, 0, 0);
  return Print(Identity(window), kDone);
}

// Puts the text on the clipboard as a user's copy would, for a paste to find.
int CopyText(const std::wstring& text) {
  const bool copied = md5sum::CopyToClipboard(nullptr, text) == ERROR_SUCCESS;
  return Print(JsonObject().AddBool("found", true).AddBool("copied", copied), kDone);
}

int ReadClipboard() {
  if (!OpenClipboard(nullptr)) return NotFound();
  std::wstring text;
  bool found = false;
  if (const HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(memory))) {
      text = locked;
      found = true;
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  if (!found) return NotFound();
  return Print(JsonObject().AddBool("found", true).Add("text", text), kDone);
}

int ShellRun(const std::wstring& file, const std::wstring& parameters) {
  SHELLEXECUTEINFOW run{};
  run.cbSize = sizeof run;
  run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  run.lpFile = file.c_str();
  run.lpParameters = parameters.c_str();
  run.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&run) || run.hProcess == nullptr) {
    Print(JsonObject().AddBool("found", true).AddBool("started", false), kNotStarted);
    return kNotStarted;
  }
  const base::win32::ScopedCloseHandle process(run.hProcess);
  JsonObject started = JsonObject().AddBool("found", true).AddBool("started", true).Add(
      "pid", static_cast<long long>(GetProcessId(process.get())));
  Print(started, kDone);
  WaitForSingleObject(process.get(), INFINITE);
  DWORD status = kNotStarted;
  GetExitCodeProcess(process.get(), &status);
  return Print(started.Add("exit_status", status), static_cast<int>(status));
}

int EndProcess(const std::wstring& pid_text) {
  wchar_t* end = nullptr;
  const unsigned long pid = std::wcstoul(pid_text.c_str(), &end, 10);
  // A pid that has gone may already be this probe's own.
  if (pid_text.empty() || *end != L'\0' || pid == GetCurrentProcessId()) return NotFound();
  const base::win32::ScopedCloseHandle process(
      OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, static_cast<DWORD>(pid)));
  if (!process) return NotFound();
  TerminateProcess(process.get(), kEndedExitStatus);
  const bool ended = WaitForSingleObject(process.get(), kEndMilliseconds) == WAIT_OBJECT_0;
  return Print(JsonObject().AddBool("found", true).AddBool("ended", ended), kDone);
}

int ListWindows() {
  std::string windows;
  for (const HWND window : TopLevelWindows()) {
    if (!IsWindowVisible(window)) continue;
    if (!windows.empty()) windows += ",";
    windows += Identity(window).Text();
  }
  return Print(JsonObject().AddJson("windows", "[" + windows + "]"), kDone);
}
