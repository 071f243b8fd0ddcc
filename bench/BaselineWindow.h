#pragma once

// The window of the trivial tray program that Torvane's start-up is measured against.
constexpr const char* kBaselineClass = "TorvaneBenchBaseline";
constexpr const char* kBaselineTitle = "Baseline Tray";
