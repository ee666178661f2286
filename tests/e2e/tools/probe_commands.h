#pragma once

#include <string>
#include <vector>

// The commands of probe.exe. Each prints one JSON object on standard output and gives
// the exit status: 0 done, 1 the window or control was not found.

int DescribeWindow(const std::wstring& title);
int DescribeDialog(const std::wstring& title);
int PressButton(const std::wstring& dialog_title, const std::wstring& button_text);
int SetEditText(const std::wstring& dialog_title, const std::wstring& text);
// Posts WM_CLOSE, as the title bar's close box does, to the main window so titled, or
// else to the dialog so titled.
int CloseWindow(const std::wstring& title);
int CopyText(const std::wstring& text);
// The clipboard's Unicode text, as a paste would find it.
int ReadClipboard();
// Starts FILE with PARAMETERS as talqo.exe has the shell start a tool (default verb,
// normal window, nothing inherited), prints a first line with the started process's pid,
// waits for it to end and ends with its exit status, or with kNotStarted when the shell
// could not start it. While it waits, the pid stays the tool's.
int ShellRun(const std::wstring& file, const std::wstring& parameters);
constexpr int kNotStarted = 255;
// Ends the process PID at once, as ending it from a task list does, and waits until it
// has ended.
int EndProcess(const std::wstring& pid);
int ListWindows();
