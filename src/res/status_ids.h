// Resource numbers of the memory status page (299), the memory options (303) and the report after an optimisation (304).
// Included by resource.h.
#pragma once
