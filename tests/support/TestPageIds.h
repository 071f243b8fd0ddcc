#pragma once

// Resources of the test programs only, numbered apart from the program's own.
#define IDD_TEST_PLACEHOLDER_PAGE 9390
#define IDC_TEST_PLACEHOLDER_TEXT 9391
