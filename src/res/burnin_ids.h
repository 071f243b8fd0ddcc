// Resource numbers of the CPU test page (306) and the CPU test options (309).
// Included by resource.h.
#pragma once
