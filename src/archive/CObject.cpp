#include "archive/CObject.h"

// CObject itself cannot be created from an archive: it has no factory and is not registered.
const CRuntimeClass CObject::classCObject("CObject", 0xFFFF, nullptr, nullptr);
