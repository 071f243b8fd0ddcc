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

Bytes SystemHeader() {
    return Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00}, Text("CSystemTweaks")});
}

Bytes SystemRecord() {
    return Concat({{0x88, 0x13, 0x00, 0x00},
                   {0x01, 0x00, 0x00, 0x00},
                   {0x03},
                   Text("Ann"),
                   {0x04},
                   Text("Acme"),
                   {0x00},
                   {0x01},
                   Text("D"),
                   {0x01},
                   Text("P"),
                   {0x01},
                   Text("F")});
}

TEST(ArchiveTexts, LengthFormsAtEveryBoundary) {
    EXPECT_EQ(Stored(""), Bytes{0x00});
    EXPECT_EQ(Stored("abc"), Concat({{0x03}, Text("abc")}));
    const std::string t254(254, 'a'), t255(255, 'b'), t65533(65533, 'c'), t65534(65534, 'd');
    EXPECT_EQ(Stored(t254), Concat({{0xFE}, Text(t254)}));
    EXPECT_EQ(Stored(t255), Concat({{0xFF, 0xFF, 0x00}, Text(t255)}));
    EXPECT_EQ(Stored(t65533), Concat({{0xFF, 0xFD, 0xFF}, Text(t65533)}));
    EXPECT_EQ(Stored(t65534), Concat({{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, Text(t65534)}));

    for (const std::string& text : {std::string(), t254, t255, t65533, t65534}) {
        CMemoryArchiveStream stream(Stored(text));
        CArchive archive(stream, CArchive::kLoad);
        EXPECT_EQ(archive.ReadText(), text) << text.size();
        EXPECT_EQ(stream.Remaining(), 0u);
    }
}

TEST(ArchiveTexts, SixteenBitTextsAreReadAsAnsi) {
    CMemoryArchiveStream stream(Bytes{0xFF, 0xFE, 0xFF, 0x03, 'T', 0, 'v', 0, 'n', 0});
    CArchive archive(stream, CArchive::kLoad);
    EXPECT_EQ(archive.ReadText(), "Tvn");
}

TEST(ArchiveTexts, LengthsBeyondTheBytesLeftFailWithoutAllocating) {
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

TEST(ArchiveObjects, TheSystemModuleIsStoredWithItsClassAndRecordInArchiveOrder) {
    CSystemTweaks module;
    module.hungAppTimeout = 5000;
    module.keepExplorerRefreshed = 1;
    module.registeredOwner = "Ann";
    module.registeredOrganization = "Acme";
    module.personalFolder = "D";
    module.myPicturesFolder = "P";
    module.favoritesFolder = "F";
    CMemoryArchiveStream stream;
    CArchive archive(stream, CArchive::kStore);
    archive.WriteObject(&module);
    archive.Flush();
    EXPECT_EQ(stream.Bytes(), Concat({SystemHeader(), SystemRecord()}));
    EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().begin() + 19),
              Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00}, Text("CSystemTweaks")}));
}

TEST(ArchiveObjects, ReadingGivesEachFieldItsOwnPlace) {
    CMemoryArchiveStream stream(Concat({SystemHeader(), SystemRecord()}));
    CArchive archive(stream, CArchive::kLoad);
    std::unique_ptr<CObject> object(archive.ReadObject(&CSystemTweaks::classRecord));
    ASSERT_NE(object, nullptr);
    ASSERT_TRUE(object->IsKindOf(&CSystemTweaks::classRecord));
    const auto* module = static_cast<const CSystemTweaks*>(object.get());
    EXPECT_EQ(module->hungAppTimeout, 5000u);
    EXPECT_EQ(module->keepExplorerRefreshed, 1u);
    EXPECT_EQ(module->registeredOwner, "Ann");
    EXPECT_EQ(module->registeredOrganization, "Acme");
    EXPECT_EQ(module->reserved, "");
    EXPECT_EQ(module->personalFolder, "D");
    EXPECT_EQ(module->myPicturesFolder, "P");
    EXPECT_EQ(module->favoritesFolder, "F");
}

TEST(ArchiveObjects, TheNullObjectReadsAsNothing) {
    CMemoryArchiveStream stream(Bytes{0x00, 0x00});
    CArchive archive(stream, CArchive::kLoad);
    EXPECT_EQ(archive.ReadObject(&CSystemTweaks::classRecord), nullptr);
}

TEST(ArchiveObjects, ErrorCausesOfBadFiles) {
    const Bytes record = SystemRecord();
    // Truncated anywhere: inside the header, inside a number, inside a text.
    const Bytes whole = Concat({SystemHeader(), record});
    for (size_t length : {size_t{0}, size_t{1}, size_t{5}, size_t{6}, size_t{18}, size_t{19},
                          size_t{21}, size_t{27}, whole.size() - 1}) {
        // Before the name's length is known the archive simply ends; a name longer than what is
        // left is a bad class; after the name, the record ends early.
        const int expected = length < 6    ? CArchiveException::kEndOfFile
                             : length < 19 ? CArchiveException::kBadClass
                                           : CArchiveException::kEndOfFile;
        EXPECT_EQ(LoadError(Bytes(whole.begin(), whole.begin() + length)), expected) << length;
    }
    // Another module's class, an unknown class, and CObject itself.
    EXPECT_EQ(
        LoadError(Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0E, 0x00}, Text("CDesktopTweaks"), record})),
        CArchiveException::kBadClass);
    EXPECT_EQ(
        LoadError(Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00}, Text("csystemtweaks"), record})),
        CArchiveException::kBadClass);
    EXPECT_EQ(LoadError(Concat({{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00}, Text("CObject"), record})),
              CArchiveException::kBadClass);
    // A class name over 63 bytes.
    EXPECT_EQ(LoadError(Concat(
                  {{0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00}, Text(std::string(64, 'C')), record})),
              CArchiveException::kBadClass);
    // Schema 2 of the right class.
    EXPECT_EQ(
        LoadError(Concat({{0xFF, 0xFF, 0x02, 0x00, 0x0D, 0x00}, Text("CSystemTweaks"), record})),
        CArchiveException::kBadSchema);
    // References to classes or objects that were never read.
    EXPECT_EQ(LoadError({0x01, 0x80}), CArchiveException::kBadIndex);
    EXPECT_EQ(LoadError({0x00, 0x80}), CArchiveException::kBadIndex);
    EXPECT_EQ(LoadError({0x01, 0x00}), CArchiveException::kBadIndex);
    EXPECT_EQ(LoadError({0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80}), CArchiveException::kBadIndex);
    EXPECT_EQ(LoadError({0xFF, 0x7F, 0x00, 0x00}), CArchiveException::kEndOfFile);
}

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
    const size_t secondAt = SystemHeader().size() + 4 + 4 + 6;
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

} // namespace
