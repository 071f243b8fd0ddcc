// Resource numbers of Auto Tune wizard pages: intro (145), analysis (221) and results (222).
// Included by resource.h.
#pragma once

// Dialogs
#define IDD_AUTOTUNE_INTRO 145
#define IDD_AUTOTUNE_ANALYSIS 221
#define IDD_AUTOTUNE_RESULTS 222

// Intro page
#define IDC_INTRO_MESSAGE 1112
#define IDC_INTRO_GET_HELP 1601
#define IDC_INTRO_START_TUNING 1606

// Analysis page
#define IDC_ANALYSIS_MESSAGE 1185
#define IDC_ANALYSIS_TITLE 1186
#define IDC_ANALYSIS_PROGRESS 1190
#define IDC_ANALYSIS_PROGRESS_LABEL 1192
#define IDC_ANALYSIS_BACK 1607
#define IDC_ANALYSIS_BEGIN 1608
#define IDC_ANALYSIS_VIEW_RESULTS 1609

// Results page
#define IDC_RESULTS_TITLE 1198
#define IDC_RESULTS_TEXT 1199
#define IDC_RESULTS_PROGRESS 1207
#define IDC_RESULTS_OPTIMIZE 1610
#define IDC_RESULTS_GO_BACK 1611
