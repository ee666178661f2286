#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Questions about the windows of other programs in the same Wine session.

std::wstring ClassName(HWND window);

// The title the system keeps for a window; reading it never waits for the window's
// program, which may be busy or hung.
std::wstring Caption(HWND window);

// Asks the window itself, so that an edit control of another program answers too.
std::wstring WindowText(HWND window);

// Top-level windows in stacking order, front-most first.
std::vector<HWND> TopLevelWindows();

// A message box or dialog is a window of the dialog class; the program's own window is
// not, and it may have the same title as a message box it shows.
HWND FindDialog(const std::wstring& title);
HWND FindMainWindow(const std::wstring& title);

// The child windows of `parent` whose class is `class_name`, in stacking order.
std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& class_name);
