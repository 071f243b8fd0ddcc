#pragma once

#include "archive/CRuntimeClass.h"

class CArchive;

// The plain serialisable-object base: a class record and a serialisation step.
class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& /*archive*/) {}

    bool IsKindOf(const CRuntimeClass* record) const {
        return GetRuntimeClass()->IsDerivedFrom(record);
    }
};
