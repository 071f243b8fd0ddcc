#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/CArchive.h"
#include "archive/CArchiveException.h"
#include "archive/CMemoryArchiveStream.h"
#include "tweaks/CSystemTweaks.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Stored(const std::string& text) {
    CMemoryArchiveStream stream;
    CArchive archive(stream, CArchive::kStore);
    archive.WriteText(text);
    archive.Flush();
    return stream.Bytes();
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// The cause of the archive error that reading `bytes` as a System module raises, or 0.
int LoadError(const Bytes& bytes) {
    CMemoryArchiveStream stream(bytes);
    CArchive archive(stream, CArchive::kLoad);
    try {
        delete archive.ReadObject(&CSystemTweaks::classRecord);
    } catch (const CArchiveException& error) {
        return error.Cause();
    }
    return 0;
}

// A class header of schema 1 for a class of that name, or of another schema.
Bytes Header(const std::string& name = "CSystemTweaks", unsigned char schema = 1) {
    return Concat({{0xFF, 0xFF, schema, 0x00, static_cast<unsigned char>(name.size()), 0x00},
                   Text(name)});
}

Bytes SystemRecord() {
    return Concat({{0x88, 0x13, 0x00, 0x00}, {0x01, 0x00, 0x00, 0x00}, {0x03}, Text("Ann"),
                   {0x04}, Text("Acme"), {0x00}, {0x01}, Text("D"), {0x01}, Text("P"), {0x01},
                   Text("F")});
}

// Each length form at its boundaries, stored and read back; 16-bit texts read as ANSI; lengths
// beyond the bytes left fail without allocating.
TEST(ArchiveTexts, LengthFormsAtEveryBoundaryAndLengthsBeyondTheBytesLeft) {
    const std::string t254(254, 'a'), t255(255, 'b'), t65533(65533, 'c'), t65534(65534, 'd');
    const struct {
        std::string text;
        Bytes length;
    } forms[] = {{"", {0x00}},
                 {"abc", {0x03}},
                 {t254, {0xFE}},
                 {t255, {0xFF, 0xFF, 0x00}},
                 {t65533, {0xFF, 0xFD, 0xFF}},
                 {t65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}}};
    for (const auto& form : forms) {
        SCOPED_TRACE(form.text.size());
        EXPECT_EQ(Stored(form.text), Concat({form.length, Text(form.text)}));
        CMemoryArchiveStream stream(Stored(form.text));
        CArchive archive(stream, CArchive::kLoad);
        EXPECT_EQ(archive.ReadText(), form.text);
        EXPECT_EQ(stream.Remaining(), 0u);
    }

    CMemoryArchiveStream wide(Bytes{0xFF, 0xFE, 0xFF, 0x03, 'T', 0, 'v', 0, 'n', 0});
    EXPECT_EQ(CArchive(wide, CArchive::kLoad).ReadText(), "Tvn");

    const Bytes huge[] = {
        {0x05, 'a', 'b'},
        {0xFF, 0xFE, 0xFF},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'x'},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01}, // a second 16-bit marker
    };
    for (const Bytes& bytes : huge) {
        CMemoryArchiveStream stream(bytes);
        CArchive archive(stream, CArchive::kLoad);
        EXPECT_THROW(archive.ReadText(), CArchiveException);
    }
}

TEST(ArchiveNumbers, AreLittleEndianAndPassThroughTheBufferInBlocks) {
    class CountingStream : public CMemoryArchiveStream {
    public:
        std::vector<size_t> writes;
        void Write(const void* data, size_t size) override {
            writes.push_back(size);
            CMemoryArchiveStream::Write(data, size);
        }
    } stream;
    {
        CArchive archive(stream, CArchive::kStore);
        archive.WriteNumber(0x12345678);
        archive.WriteText(std::string(10000, 'z'));
        archive.WriteNumber(0xFFFFFFFF);
        archive.Flush();
    }
    EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().begin() + 4),
              (Bytes{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(stream.writes, (std::vector<size_t>{4096, 4096, 1819}));

    CMemoryArchiveStream reader(stream.Bytes());
    CArchive archive(reader, CArchive::kLoad);
    EXPECT_EQ(archive.ReadNumber(), 0x12345678u);
    EXPECT_EQ(archive.ReadText(), std::string(10000, 'z'));
    EXPECT_EQ(archive.ReadNumber(), 0xFFFFFFFFu);
    EXPECT_THROW(archive.ReadByte(), CArchiveException);
}

// A second object of a class refers to its class. (Each module's class header and record, their
// round trip and the null object are pinned by ModuleFilesTest.)
TEST(ArchiveObjects, ASecondObjectOfAClassRefersToItsClass) {
    CSystemTweaks first, second;
    second.hungAppTimeout = 7;
    CMemoryArchiveStream stream;
    {
        CArchive archive(stream, CArchive::kStore);
        archive.WriteObject(&first);
        archive.WriteObject(&second);
        archive.Flush();
    }
    // After the class (entry 1) and the first object (entry 2), the class is referred to as 1.
    const Bytes& bytes = stream.Bytes();
    const size_t secondAt = Header().size() + 4 + 4 + 6;
    ASSERT_GT(bytes.size(), secondAt + 2);
    EXPECT_EQ(bytes[secondAt], 0x01);
    EXPECT_EQ(bytes[secondAt + 1], 0x80);

    CMemoryArchiveStream reader(bytes);
    CArchive archive(reader, CArchive::kLoad);
    std::unique_ptr<CObject> a(archive.ReadObject(&CSystemTweaks::classRecord));
    std::unique_ptr<CObject> b(archive.ReadObject(&CSystemTweaks::classRecord));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(static_cast<CSystemTweaks*>(b.get())->hungAppTimeout, 7u);
}

TEST(ArchiveObjects, ErrorCausesOfBadFiles) {
    const Bytes record = SystemRecord();
    // Truncated anywhere: inside the header, inside a number, inside a text.
    const Bytes whole = Concat({Header(), record});
    for (size_t length : {size_t{0}, size_t{1}, size_t{5}, size_t{6}, size_t{18}, size_t{19},
                          size_t{21}, size_t{27}, whole.size() - 1}) {
        // Before the name's length is known the archive simply ends; a name longer than what is
        // left is a bad class; after the name, the record ends early.
        const int expected = length < 6    ? CArchiveException::kEndOfFile
                             : length < 19 ? CArchiveException::kBadClass
                                           : CArchiveException::kEndOfFile;
        EXPECT_EQ(LoadError(Bytes(whole.begin(), whole.begin() + length)), expected) << length;
    }
    const struct {
        Bytes bytes;
        int cause;
    } bad[] = {
        // Another module's class, an unknown class, CObject itself, a name over 63 bytes.
        {Concat({Header("CDesktopTweaks"), record}), CArchiveException::kBadClass},
        {Concat({Header("csystemtweaks"), record}), CArchiveException::kBadClass},
        {Concat({Header("CObject"), record}), CArchiveException::kBadClass},
        {Concat({Header(std::string(64, 'C')), record}), CArchiveException::kBadClass},
        // Schema 2 of the right class.
        {Concat({Header("CSystemTweaks", 2), record}), CArchiveException::kBadSchema},
        // References to classes or objects that were never read.
        {{0x01, 0x80}, CArchiveException::kBadIndex},
        {{0x00, 0x80}, CArchiveException::kBadIndex},
        {{0x01, 0x00}, CArchiveException::kBadIndex},
        {{0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80}, CArchiveException::kBadIndex},
        {{0xFF, 0x7F, 0x00, 0x00}, CArchiveException::kEndOfFile},
    };
    for (size_t i = 0; i < sizeof(bad) / sizeof(bad[0]); ++i)
        EXPECT_EQ(LoadError(bad[i].bytes), bad[i].cause) << i;
}

} // namespace
