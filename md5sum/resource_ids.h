/* Shared by the resource script and the C++ code, so plain macros only. */
#pragma once

#define IDI_MD5SUM 1

#define IDD_CHECKSUMS 101
#define IDC_RESULTS 1001
#define IDC_PROGRESS 1002
#define IDC_COPY 1003
