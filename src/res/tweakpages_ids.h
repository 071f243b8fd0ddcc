// Resource numbers of the nine manual tweak pages (132, 134, 137, 138, 139, 140, 141, 142, 143).
// Included by resource.h.
#pragma once
