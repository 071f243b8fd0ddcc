#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

#include "archive/CArchiveStream.h"

class CObject;
class CRuntimeClass;

// The object archive of the backup files: little-endian numbers, texts with a 1, 3 or 7 byte
// length, and objects introduced by their class (new-class tag, schema, class name). A storing
// archive collects bytes in a 4096-byte buffer and hands them to its stream when the buffer is
// full and at Flush; a loading archive reads through the same size of buffer.
//
// The reader trusts no length it reads: a text or name longer than the bytes left fails before
// anything is allocated. Errors are thrown as CArchiveException.
class CArchive {
public:
    enum Mode { kStore, kLoad };
    static constexpr size_t kBufferSize = 4096;

    // Tags of the object stream.
    static constexpr WORD kNullTag = 0x0000;
    static constexpr WORD kNewClassTag = 0xFFFF;
    static constexpr WORD kClassTag = 0x8000;
    static constexpr WORD kBigObjectTag = 0x7FFF;
    static constexpr DWORD kBigClassTag = 0x80000000u;
    static constexpr unsigned kMaxClassNameLength = 63;

    CArchive(CArchiveStream& stream, Mode mode);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return mode_ == kStore; }
    bool IsLoading() const { return mode_ == kLoad; }

    void WriteNumber(DWORD value);
    void WriteWord(WORD value);
    void WriteByte(BYTE value);
    void WriteText(const std::string& text);
    void WriteObject(const CObject* object);

    DWORD ReadNumber();
    WORD ReadWord();
    BYTE ReadByte();
    std::string ReadText();
    // Reads one object, which must be of `expected` or a class derived from it. Returns null for
    // the null object. The caller owns a new object; references to objects read earlier in the
    // same archive return that object, which the archive's first reader owns.
    CObject* ReadObject(const CRuntimeClass* expected);

    // Stores or loads one field, by the archive's direction.
    void Exchange(DWORD& value) {
        if (IsStoring())
            WriteNumber(value);
        else
            value = ReadNumber();
    }
    void Exchange(std::string& text) {
        if (IsStoring())
            WriteText(text);
        else
            text = ReadText();
    }

    // The schema stored with the class of the object being loaded.
    unsigned ObjectSchema() const { return objectSchema_; }

    // Hands buffered bytes to the stream.
    void Flush();

private:
    struct LoadEntry {
        const CRuntimeClass* record;
        CObject* object;
    };

    void Write(const void* data, size_t size);
    void Read(void* data, size_t size);
    size_t BytesLeft() const;
    // Reads the length of a text in its 1, 3 or 7 byte form; `wide` tells a 16-bit text.
    size_t ReadTextLength(bool& wide);
    const CRuntimeClass* ReadClass(const CRuntimeClass* expected, unsigned& schema,
                                   CObject*& reference, bool& isReference);

    CArchiveStream& stream_;
    Mode mode_;
    std::vector<unsigned char> buffer_;
    size_t bufferUsed_ = 0; // storing: bytes waiting; loading: bytes in the buffer
    size_t bufferPos_ = 0;  // loading: next byte to read
    unsigned objectSchema_ = 0;
    std::vector<LoadEntry> loaded_; // entry 0 is the null object
    std::vector<std::pair<const CRuntimeClass*, DWORD>> storedClasses_; // class, map index
    DWORD storedCount_ = 1; // map entries written: classes and objects (0 is the null object)
};
