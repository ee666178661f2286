#include "md5sum/checksum_window.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "md5sum/chosen_checksum.h"
#include "md5sum/clipboard.h"
#include "md5sum/digest_worker.h"
#include "md5sum/resource_ids.h"
#include "md5sum/result_lines.h"
#include "md5sum/system_message.h"

namespace md5sum {

namespace {

constexpr int kChecksumLength = 32;

// How often the window takes up the worker's progress: often enough that the lines seem
// to arrive as the files are read; a timer's message never queues ahead of input.
constexpr UINT_PTR kListingTimer = 1;
constexpr UINT kListingMilliseconds = 100;

struct WindowState {
  HINSTANCE instance;
  DigestWorker worker;
  // The results field holds the lines of the files before this index.
  std::size_t listed = 0;
  // What the progress line tells, to leave it alone while that stays the same.
  std::optional<WorkerProgress> told;
};

void SetProgressText(HWND dialog, const std::wstring& text) {
  ::SetDlgItemTextW(dialog, IDC_PROGRESS, text.c_str());
}

// Each file has one line, in command-line order: a line's number is its file's index.
std::wstring ResultLines(const DigestWorker& worker, std::size_t first, std::size_t end) {
  std::wstring text;
  for (std::size_t index = first; index < end; ++index) {
    if (index > 0) text += L"\r\n";
    text += WindowLine(worker.names()[index], worker.result(index));
  }
  return text;
}

// Adds the lines after the field's text in one step, and leaves the person's selection
// where it was.
void AppendResultLines(HWND dialog, const std::wstring& lines) {
  const HWND results = ::GetDlgItem(dialog, IDC_RESULTS);
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(results, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  const int length = ::GetWindowTextLengthW(results);
  ::SendMessageW(results, EM_SETSEL, length, length);
  ::SendMessageW(results, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lines.c_str()));
  ::SendMessageW(results, EM_SETSEL, start, end);
}

// Whether each finished file has a checksum, in command-line order.
std::vector<bool> FilesRead(const DigestWorker& worker) {
  std::vector<bool> read(worker.finished());
  for (std::size_t index = 0; index < read.size(); ++index) read[index] = worker.result(index).read;
  return read;
}

// The line that holds the caret or the start of the selection.
LRESULT CaretLine(HWND dialog) {
  return ::SendDlgItemMessageW(dialog, IDC_RESULTS, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
}

// A person's next step is to copy the checksum, so it is selected and has the focus.
void SelectChecksum(HWND dialog, std::size_t index) {
  const HWND results = ::GetDlgItem(dialog, IDC_RESULTS);
  // Moving the focus by the dialog's own rule selects an edit's whole text; the
  // checksum is selected afterwards.
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(results), TRUE);
  const LRESULT start = ::SendMessageW(results, EM_LINEINDEX, index, 0);
  // The caret goes to the second position given: at the checksum's start, scrolling the
  // line back to show the whole checksum, where selecting the whole text had scrolled
  // it to the end of the text.
  ::SendMessageW(results, EM_SETSEL, start + kChecksumLength, start);
  ::SendMessageW(results, EM_SCROLLCARET, 0, 0);
}

void OnInitDialog(HWND dialog, WindowState& state) {
  const HICON icon = ::LoadIconW(state.instance, MAKEINTRESOURCEW(IDI_MD5SUM));
  ::SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, IDC_RESULTS)),
                 TRUE);
  // Lines are added the way typing adds text, which an edit control stops at its limit,
  // some 32 K characters (30000 under Wine) unless told otherwise; 0 lifts the limit.
  ::SendDlgItemMessageW(dialog, IDC_RESULTS, EM_SETLIMITTEXT, 0, 0);
  if (state.worker.names().empty()) {
    SetProgressText(dialog, L"No file was named on the command line.");
  } else if (!::SetTimer(dialog, kListingTimer, kListingMilliseconds, nullptr) ||
             !state.worker.Start()) {
    SetProgressText(dialog, L"Cannot start reading: " + SystemMessage(::GetLastError()));
    ::KillTimer(dialog, kListingTimer);
  } else {
    SetProgressText(dialog, L"Reading " + ShownName(state.worker.names().front()) + L"\u2026");
  }
}

void TellProgress(HWND dialog, WindowState& state, WorkerProgress progress) {
  if (state.told && state.told->finished == progress.finished &&
      state.told->percent == progress.percent) {
    return;
  }
  state.told = progress;
  SetProgressText(dialog, L"Reading " + ShownName(state.worker.names()[progress.finished]) +
                              L"\u2026 " + std::to_wstring(progress.percent) + L" %");
}

// Lists the files finished since the last tick and tells how far the reading got; once
// every file is listed, selects the first checksum for Copy.
void OnListingTimer(HWND dialog, WindowState& state) {
  const DigestWorker& worker = state.worker;
  const WorkerProgress progress = worker.progress();
  if (progress.finished > state.listed) {
    AppendResultLines(dialog, ResultLines(worker, state.listed, progress.finished));
    state.listed = progress.finished;
  }
  const std::optional<std::size_t> checksum = FirstChecksum(state.listed, FilesRead(worker));
  ::EnableWindow(::GetDlgItem(dialog, IDC_COPY), checksum.has_value());
  if (state.listed < worker.names().size()) {
    TellProgress(dialog, state, progress);
    return;
  }
  ::KillTimer(dialog, kListingTimer);
  SetProgressText(dialog, L"");
  if (checksum) SelectChecksum(dialog, *checksum);
}

void OnCopy(HWND dialog, const WindowState& state) {
  const std::optional<std::size_t> index =
      ChosenChecksum(CaretLine(dialog), state.listed, FilesRead(state.worker));
  if (!index) return;
  const std::wstring& name = state.worker.names()[*index];
  const DWORD error = CopyToClipboard(dialog, state.worker.result(*index).checksum);
  if (error == ERROR_SUCCESS) {
    SetProgressText(dialog, L"Copied the checksum of " + ShownName(name) + L".");
  } else {
    SetProgressText(dialog, L"Cannot copy: " + SystemMessage(error));
  }
}

// IDCANCEL also arrives for Escape and for the title bar's close box.
INT_PTR CALLBACK ChecksumDialogProcedure(HWND dialog, UINT message, WPARAM wparam,
                                         LPARAM lparam) noexcept {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    OnInitDialog(dialog, *reinterpret_cast<WindowState*>(lparam));
    return FALSE;  // the focus is already where it belongs
  }
  auto* state = reinterpret_cast<WindowState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_TIMER:
      if (wparam != kListingTimer) return FALSE;
      OnListingTimer(dialog, *state);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_COPY:
          OnCopy(dialog, *state);
          return TRUE;
        case IDCANCEL:
          state->worker.Cancel();
          ::EndDialog(dialog, IDCANCEL);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

bool EveryFileRead(const DigestWorker& worker) {
  if (worker.names().empty() || worker.finished() < worker.names().size()) return false;
  for (std::size_t index = 0; index < worker.finished(); ++index) {
    if (!worker.result(index).read) return false;
  }
  return true;
}

}  // namespace

int RunInWindow(HINSTANCE instance, const std::vector<std::wstring>& names) {
  WindowState state{instance, DigestWorker(names), 0, std::nullopt};
  ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CHECKSUMS), nullptr, &ChecksumDialogProcedure,
                    reinterpret_cast<LPARAM>(&state));
  state.worker.Stop();
  return EveryFileRead(state.worker) ? 0 : 1;
}

}  // namespace md5sum
