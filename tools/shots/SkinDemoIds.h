#pragma once

// Dialogs of the skin demo (beside the program's own resources).
#define IDD_DEMO_MAIN 9001
#define IDD_DEMO_PAGE 9002
#define IDD_DEMO_HELP 9003
