#pragma once

#include <string>
#include <vector>

// The Auto Tune results a user reads, module by module in the analysers' order (System, Desktop,
// Start Menu, Internet, CD-ROM, hard disk, memory, bootup, shutdown), for a system that holds
// Windows' own defaults with font smoothing on and the Internet values not yet tuned.
// `contiguousLine`: the machine's memory recommends another contiguous file size than the 512 KB
// a missing value reads as (it has more than 128 MB).
inline std::vector<std::string> DefaultSystemTexts(bool nineX, bool nt, bool contiguousLine) {
    const auto on = [](bool shown, const char* line) { return shown ? line : ""; };
    return {"-App Timeout will be adjusted for a quicker response.\n",
            std::string("-Font Smoothing will be adjusted for Increased System Resource.\n") +
                on(nineX, "-Icon Cache size will be adjusted for optimal usage.\n"),
            "-Menu Speed will be adjusted for faster response.\n",
            "-MTU will be adjusted for faster transmission.\n"
            "-RWIN will be adjusted for faster transmission.\n"
            "-TTL will be adjusted for faster transmission.\n",
            "-CD Speed will be adjusted for faster read/write.\n",
            std::string(on(nineX, "-VCache size will be adjusted for optimal usage.\n")) +
                on(nineX && contiguousLine,
                   "-Contiguous File size will be adjusted for optimal usage.\n") +
                on(nineX, "-FIFO will be adjusted for faster HD access.\n"),
            std::string("-DLLs will be unloaded to save Windows Resources.\n") +
                on(nt, "-Core System Files will be paged for faster access.\n") +
                on(nineX, "-SwapFile will be used conservatively for higher performance.\n"),
            on(nineX, "-Drivespace will not be loaded for a faster startup.\n"
                      "-Doublespace will not be loaded for a faster startup.\n"),
            on(nineX, "-Non Responding Apps will be auto closed.\n")};
}
