#include "archive/CArchive.h"

#include <cstring>

#include "archive/CArchiveException.h"
#include "archive/CObject.h"
#include "archive/CRuntimeClass.h"

CArchive::CArchive(CArchiveStream& stream, Mode mode)
    : stream_(stream), mode_(mode), buffer_(kBufferSize) {
    loaded_.push_back(LoadEntry{nullptr, nullptr});
}

CArchive::~CArchive() = default;

// --- bytes ---------------------------------------------------------------------------------

void CArchive::Write(const void* data, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        if (bufferUsed_ == kBufferSize)
            Flush();
        const size_t room = kBufferSize - bufferUsed_;
        const size_t count = size < room ? size : room;
        std::memcpy(buffer_.data() + bufferUsed_, bytes, count);
        bufferUsed_ += count;
        bytes += count;
        size -= count;
    }
}

void CArchive::Flush() {
    if (IsStoring() && bufferUsed_ > 0) {
        stream_.Write(buffer_.data(), bufferUsed_);
        bufferUsed_ = 0;
    }
}

size_t CArchive::BytesLeft() const {
    return (bufferUsed_ - bufferPos_) + stream_.Remaining();
}

void CArchive::Read(void* data, size_t size) {
    if (size > BytesLeft())
        throw CArchiveException(CArchiveException::kEndOfFile);
    unsigned char* bytes = static_cast<unsigned char*>(data);
    while (size > 0) {
        if (bufferPos_ == bufferUsed_) {
            bufferUsed_ = stream_.Read(buffer_.data(), kBufferSize);
            bufferPos_ = 0;
            if (bufferUsed_ == 0)
                throw CArchiveException(CArchiveException::kEndOfFile);
        }
        const size_t available = bufferUsed_ - bufferPos_;
        const size_t count = size < available ? size : available;
        std::memcpy(bytes, buffer_.data() + bufferPos_, count);
        bufferPos_ += count;
        bytes += count;
        size -= count;
    }
}

// --- numbers and texts ---------------------------------------------------------------------

void CArchive::WriteByte(BYTE value) {
    Write(&value, 1);
}

void CArchive::WriteWord(WORD value) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>(value >> 8)};
    Write(bytes, 2);
}

void CArchive::WriteNumber(DWORD value) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>((value >> 8) & 0xFF),
        static_cast<unsigned char>((value >> 16) & 0xFF), static_cast<unsigned char>(value >> 24)};
    Write(bytes, 4);
}

void CArchive::WriteText(const std::string& text) {
    const size_t length = text.size();
    if (length < 0xFF) {
        WriteByte(static_cast<BYTE>(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<WORD>(length));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteNumber(static_cast<DWORD>(length));
    }
    Write(text.data(), length);
}

BYTE CArchive::ReadByte() {
    BYTE value = 0;
    Read(&value, 1);
    return value;
}

WORD CArchive::ReadWord() {
    unsigned char bytes[2];
    Read(bytes, 2);
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

DWORD CArchive::ReadNumber() {
    unsigned char bytes[4];
    Read(bytes, 4);
    return static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) |
           (static_cast<DWORD>(bytes[2]) << 16) | (static_cast<DWORD>(bytes[3]) << 24);
}

size_t CArchive::ReadTextLength(bool& wide) {
    const BYTE first = ReadByte();
    if (first < 0xFF)
        return first;
    const WORD second = ReadWord();
    if (second == 0xFFFE) {
        // A text of 16-bit characters: its length follows again, counting characters.
        if (wide)
            throw CArchiveException(CArchiveException::kGeneric);
        wide = true;
        return ReadTextLength(wide);
    }
    if (second < 0xFFFF)
        return second;
    return ReadNumber();
}

std::string CArchive::ReadText() {
    bool wide = false;
    const size_t length = ReadTextLength(wide);
    const size_t bytes = wide ? length * 2 : length;
    if ((wide && length > BytesLeft() / 2) || bytes > BytesLeft())
        throw CArchiveException(CArchiveException::kEndOfFile);
    if (!wide) {
        std::string text(length, '\0');
        Read(&text[0], length);
        return text;
    }
    std::vector<unsigned char> raw(bytes);
    Read(raw.data(), bytes);
    std::vector<wchar_t> characters(length);
    for (size_t i = 0; i < length; ++i)
        characters[i] = static_cast<wchar_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
    if (length == 0)
        return std::string();
    const int size = WideCharToMultiByte(CP_ACP, 0, characters.data(), static_cast<int>(length),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, characters.data(), static_cast<int>(length), &text[0], size,
                            nullptr, nullptr);
    return text;
}

// --- objects -------------------------------------------------------------------------------

void CArchive::WriteObject(const CObject* object) {
    if (object == nullptr) {
        WriteWord(kNullTag);
        return;
    }
    const CRuntimeClass* record = object->GetRuntimeClass();
    DWORD classIndex = 0;
    for (const auto& stored : storedClasses_) {
        if (stored.first == record)
            classIndex = stored.second;
    }
    if (classIndex != 0 && classIndex < kBigObjectTag) {
        WriteWord(static_cast<WORD>(kClassTag | classIndex));
    } else if (classIndex != 0) {
        WriteWord(kBigObjectTag);
        WriteNumber(kBigClassTag | classIndex);
    } else {
        const size_t nameLength = std::strlen(record->ClassName());
        WriteWord(kNewClassTag);
        WriteWord(static_cast<WORD>(record->StoredSchema()));
        WriteWord(static_cast<WORD>(nameLength));
        Write(record->ClassName(), nameLength);
        storedClasses_.emplace_back(record, storedCount_++);
    }
    ++storedCount_; // the object's own entry
    const_cast<CObject*>(object)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* expected, unsigned& schema,
                                         CObject*& reference, bool& isReference) {
    isReference = false;
    reference = nullptr;
    const WORD tag = ReadWord();
    if (tag == kNewClassTag) {
        schema = ReadWord();
        const WORD nameLength = ReadWord();
        if (nameLength > kMaxClassNameLength || nameLength > BytesLeft())
            throw CArchiveException(CArchiveException::kBadClass);
        char name[kMaxClassNameLength + 1] = {};
        Read(name, nameLength);
        const CRuntimeClass* record = CRuntimeClass::Find(name, nameLength);
        if (record == nullptr || (expected != nullptr && !record->IsDerivedFrom(expected)))
            throw CArchiveException(CArchiveException::kBadClass);
        loaded_.push_back(LoadEntry{record, nullptr});
        return record;
    }

    const DWORD fullTag = tag == kBigObjectTag
                              ? ReadNumber()
                              : ((tag & 0x7FFFu) | (static_cast<DWORD>(tag & 0x8000u) << 16));
    const DWORD index = fullTag & ~kBigClassTag;
    if (fullTag & kBigClassTag) {
        // A class described earlier in this archive.
        if (index == 0 || index >= loaded_.size() || loaded_[index].record == nullptr ||
            loaded_[index].object != nullptr)
            throw CArchiveException(CArchiveException::kBadIndex);
        const CRuntimeClass* record = loaded_[index].record;
        if (expected != nullptr && !record->IsDerivedFrom(expected))
            throw CArchiveException(CArchiveException::kBadClass);
        schema = record->StoredSchema();
        return record;
    }

    // A reference to an object read earlier (0: the null object).
    if (index >= loaded_.size())
        throw CArchiveException(CArchiveException::kBadIndex);
    isReference = true;
    reference = loaded_[index].object;
    if (index != 0 && reference == nullptr)
        throw CArchiveException(CArchiveException::kBadIndex); // that entry is a class
    if (reference != nullptr && expected != nullptr && !reference->IsKindOf(expected))
        throw CArchiveException(CArchiveException::kBadClass);
    return nullptr;
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected) {
    unsigned schema = 0;
    CObject* reference = nullptr;
    bool isReference = false;
    const CRuntimeClass* record = ReadClass(expected, schema, reference, isReference);
    if (isReference)
        return reference;
    std::unique_ptr<CObject> object(record->CreateObject());
    if (!object)
        throw CArchiveException(CArchiveException::kBadClass);
    loaded_.push_back(LoadEntry{record, object.get()});
    const unsigned previousSchema = objectSchema_;
    objectSchema_ = schema;
    object->Serialize(*this);
    objectSchema_ = previousSchema;
    return object.release();
}
