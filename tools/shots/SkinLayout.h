#pragma once

// The main window's buttons with their bitmaps and places, for the demo window.
struct SkinButtonPlace {
    int id;
    const char* tooltip;
    unsigned normal, hover, pressed, disabled;
    int x, y;
    bool manualSection; // shown in the Manual Tweaks section
};

constexpr SkinButtonPlace kMainWindowButtons[] = {
    {1561, "Auto Tune", 197, 198, 199, 200, 22, 33, true},
    {1562, "Manual Tweaks", 201, 203, 202, 204, 84, 34, true},
    {1563, "System Status", 302, 304, 303, 305, 146, 34, true},
    {1564, "Burn-in Tests", 324, 326, 325, 327, 208, 33, true},
    {1566, "", 246, 247, 248, 246, 15, 14, true},
    {1567, "", 249, 251, 250, 249, 48, 14, true},
    {1568, "", 311, 313, 312, 311, 109, 14, true},
    {1569, "", 252, 254, 253, 252, 149, 14, true},
    {1571, "Minimize", 224, 226, 225, 224, 364, 13, true},
    {1570, "Close Torvane", 227, 229, 228, 227, 390, 13, true},
    {1565, "Open Help", 220, 222, 221, 223, 418, 233, true},
    {1572, "Apply the changes", 208, 210, 209, 211, 205, 448, true},
    {1573, "Cancel the changes", 216, 218, 217, 219, 278, 448, true},
    {1576, "Close Torvane", 212, 214, 213, 215, 346, 448, true},
    {1510, "System Tweaks", 190, 192, 191, 193, 15, 83, true},
    {1503, "Desktop Tweaks", 162, 164, 163, 165, 60, 83, true},
    {1509, "Start Menu Tweaks", 183, 188, 187, 189, 105, 84, true},
    {1505, "Internet Tweaks", 170, 172, 171, 173, 150, 84, true},
    {1502, "CDROM Tweaks", 158, 160, 159, 161, 195, 83, true},
    {1504, "Hard Disk Tweaks", 166, 168, 167, 169, 240, 86, true},
    {1506, "Memory Tweaks", 174, 176, 175, 177, 285, 83, true},
    {1501, "Boot up Tweaks", 154, 155, 156, 157, 330, 83, true},
    {1508, "Shut down Tweaks", 182, 185, 184, 186, 375, 83, true},
    {1531, "Memory Tweaks", 174, 176, 175, 177, 15, 83, false},
    {1541, "CPU Tests", 328, 330, 329, 331, 15, 83, false},
};

// Buttons of the pages (bitmaps only; the pages place them): the pages are 356 or 381 wide.
struct SkinPageButton {
    unsigned normal, hover, pressed, disabled;
};

constexpr SkinPageButton kPageButtons[] = {
    {230, 232, 231, 233}, {238, 240, 239, 241}, {298, 300, 299, 301}, {323, 321, 322, 320},
    {242, 243, 244, 245}, {255, 257, 256, 258}, {259, 261, 260, 262}, {267, 269, 268, 270},
    {263, 265, 264, 266}, {285, 287, 286, 288}, {307, 309, 308, 310}, {314, 316, 315, 317},
    {333, 335, 334, 336}, {341, 343, 342, 344}, {340, 338, 339, 337},
};

// Page host backgrounds: section pages (pager at 22,24, 356 x 287) and the others (10,24, 381).
constexpr unsigned kSectionHostBitmaps[] = {205, 206, 306, 319};
constexpr unsigned kWideHostBitmaps[] = {133, 134, 151, 148, 146, 147, 149, 150, 145, 332};
