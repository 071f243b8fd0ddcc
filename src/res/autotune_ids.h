// Resource numbers of Auto Tune wizard pages: intro (145), analysis (221) and results (222).
// Included by resource.h.
#pragma once
