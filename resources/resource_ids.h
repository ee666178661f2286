/* Shared by the resource script and the C++ code, so plain macros only. */
#pragma once

#define IDI_TALQO 1

#define IDB_BACKGROUND 101
#define IDB_CENTER 102
#define IDB_TOP 103
#define IDB_LEFT 104
#define IDB_RIGHT 105

#define IDD_INPUTBOX 201
#define IDC_INPUT_PROMPT 1001
#define IDC_INPUT_TEXT 1002
