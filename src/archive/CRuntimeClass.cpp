#include "archive/CRuntimeClass.h"

#include <cstring>

namespace {
const CRuntimeClass*& FirstRegistered() {
    static const CRuntimeClass* first = nullptr;
    return first;
}
} // namespace

CRuntimeClass::CRuntimeClass(const char* className, unsigned schema, const CRuntimeClass* baseClass,
                             Factory factory)
    : className_(className), schema_(schema), baseClass_(baseClass), factory_(factory) {
    if (factory_ != nullptr) {
        next_ = FirstRegistered();
        FirstRegistered() = this;
    }
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* other) const {
    for (const CRuntimeClass* record = this; record != nullptr; record = record->baseClass_) {
        if (record == other)
            return true;
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::Find(const char* className, unsigned length) {
    for (const CRuntimeClass* record = FirstRegistered(); record != nullptr;
         record = record->next_) {
        if (std::strlen(record->className_) == length &&
            std::memcmp(record->className_, className, length) == 0)
            return record;
    }
    return nullptr;
}
