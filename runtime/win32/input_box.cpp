#include "runtime/win32/input_box.h"

#include "resources/resource_ids.h"

namespace runtime::win32 {

namespace {

struct InputBoxState {
  const InputBoxRequest& request;
  std::wstring answer;
};

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void OnInitDialog(HWND dialog, const InputBoxRequest& request) {
  ::SetWindowTextW(dialog, request.title.c_str());
  ::SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, request.prompt.c_str());
  ::SetDlgItemTextW(dialog, IDC_INPUT_TEXT, request.default_text.c_str());
  ::SetWindowPos(dialog, nullptr, request.position.x, request.position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND entry = ::GetDlgItem(dialog, IDC_INPUT_TEXT);
  // The default text starts selected, so typing replaces it.
  ::SendMessageW(entry, EM_SETSEL, 0, -1);
  ::SetFocus(entry);
}

// IDCANCEL also arrives for Escape and for the close button.
INT_PTR CALLBACK InputBoxProcedure(HWND dialog, UINT message, WPARAM wparam,
                                   LPARAM lparam) noexcept {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    OnInitDialog(dialog, reinterpret_cast<InputBoxState*>(lparam)->request);
    return FALSE;  // the focus is already where it belongs
  }
  if (message != WM_COMMAND) return FALSE;
  auto* state = reinterpret_cast<InputBoxState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  if (state == nullptr) return FALSE;
  switch (LOWORD(wparam)) {
    case IDOK:
      state->answer = WindowText(::GetDlgItem(dialog, IDC_INPUT_TEXT));
      ::EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      ::EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

std::wstring AskForText(HINSTANCE instance, HWND owner, const InputBoxRequest& request) {
  InputBoxState state{request, {}};
  ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_INPUTBOX), owner, &InputBoxProcedure,
                    reinterpret_cast<LPARAM>(&state));
  return state.answer;
}

}  // namespace runtime::win32
