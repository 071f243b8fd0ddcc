// Resource numbers of the CPU test page (306) and the CPU test options (309).
// Included by resource.h.
#pragma once

#define IDD_CPU_TEST                     306
#define IDD_CPU_TEST_OPTIONS             309

// The CPU test page.
#define IDC_CPU_CURRENT_BAR              1267
#define IDC_CPU_TOTAL_CAPTION            1268
#define IDC_CPU_CURRENT_CAPTION          1269
#define IDC_CPU_TOTAL_LABEL              1270
#define IDC_CPU_TOTAL_BAR                1271
#define IDC_CPU_CURRENT_LABEL            1272
#define IDC_CPU_STATUS_TEXT              1273
#define IDC_CPU_START                    1544
#define IDC_CPU_STOP                     1545
#define IDC_CPU_HELP                     1546
#define IDC_CPU_OPTIONS                  1547

// The CPU test options.
#define IDC_CPU_AGGRESSIVE               1274
#define IDC_CPU_INTERMEDIATE             1275
#define IDC_CPU_SIMPLE                   1276
#define IDC_CPU_USER_INPUT               1277
#define IDC_CPU_USER_COUNT               1278
