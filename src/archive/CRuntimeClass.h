#pragma once

class CObject;

// The class record of an archivable class: its name as stored in archives, its schema, its base
// class and how to create a default object. Records that can create objects register themselves,
// so that a loading archive finds a class by its stored name.
class CRuntimeClass {
public:
    using Factory = CObject* (*)();

    // The versionable-schema flag: a stored schema that differs from the class's own is not an
    // error while the class is looked up; the object's own loading decides.
    static constexpr unsigned kVersionableSchema = 0x80000000u;

    CRuntimeClass(const char* className, unsigned schema, const CRuntimeClass* baseClass,
                  Factory factory);
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;

    const char* ClassName() const { return className_; }
    unsigned Schema() const { return schema_; }
    // The schema number as archives store it (the low 16 bits).
    unsigned StoredSchema() const { return schema_ & 0xFFFF; }
    const CRuntimeClass* BaseClass() const { return baseClass_; }
    bool IsDerivedFrom(const CRuntimeClass* other) const;
    CObject* CreateObject() const { return factory_ != nullptr ? factory_() : nullptr; }

    // The registered class of exactly this name (case-sensitive), or null.
    static const CRuntimeClass* Find(const char* className, unsigned length);

private:
    const char* className_;
    unsigned schema_;
    const CRuntimeClass* baseClass_;
    Factory factory_;
    const CRuntimeClass* next_ = nullptr;
};
