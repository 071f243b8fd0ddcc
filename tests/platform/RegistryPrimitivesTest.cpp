#include <gtest/gtest.h>

#include "platform/CRegistryAccess.h"
#include "platform/RegistryPrimitives.h"
#include "support/EmulatedSystem.h"
#include "support/CRegistrySandbox.h"
#include "support/TestRegistry.h"

namespace {

const char kKey[] = "Software\\Torvane Test\\Primitives";
const HKEY kUser = HKEY_CURRENT_USER;

class RegistryPrimitives : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
};

TEST_F(RegistryPrimitives, MissingValuesLeaveTheCallersDefaultAndDeletingTakesOnlyOne) {
    DWORD number = 20000;
    std::string text = "preset";
    // Neither the key nor the value there, then only the key.
    for (bool keyThere : {false, true}) {
        SCOPED_TRACE(keyThere);
        EXPECT_FALSE(GetDwordValue(kUser, kKey, "Missing", number));
        EXPECT_FALSE(GetBinaryValue(kUser, kKey, "Missing", number));
        EXPECT_FALSE(GetStringValue(kUser, kKey, "Missing", text));
        EXPECT_EQ(number, 20000u);
        EXPECT_EQ(text, "preset");
        CreateKey(kUser, kKey);
    }
    EXPECT_FALSE(DeleteValue(kUser, kKey, "Missing"));
    EXPECT_FALSE(DeleteValue(kUser, "Software\\No Such Key", "Missing"));

    // Deleting a value that is there removes only that value.
    StoreNumber(kUser, kKey, "Gone", 1);
    StoreNumber(kUser, kKey, "Kept", 2);
    EXPECT_TRUE(DeleteValue(kUser, kKey, "Gone"));
    EXPECT_FALSE(ReadStored(kUser, kKey, "Gone").exists);
    EXPECT_TRUE(ReadStored(kUser, kKey, "Kept").exists);
}

// Writes create every missing level of the path.
TEST_F(RegistryPrimitives, ValuesAreStoredInTheirDocumentedFormatsAndReadBack) {
    const char deep[] = "Software\\Torvane Test\\One\\Two\\Three";
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Torvane Test"));
    EXPECT_TRUE(SetDwordValue(HKEY_LOCAL_MACHINE, deep, "Number", 42));
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, deep, "Number").type, DWORD{REG_DWORD});
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, deep, "Number").data,
              (std::vector<BYTE>{42, 0, 0, 0}));

    ASSERT_TRUE(SetStringValue(kUser, kKey, "Text", "5000"));
    ASSERT_TRUE(SetDwordValue(kUser, kKey, "Number", 0x01020304));
    ASSERT_TRUE(SetBinaryValue(kUser, kKey, "Binary", 0x0A0B0C0D));
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
    } formats[] = {{"Text", REG_SZ, {'5', '0', '0', '0', 0}},
                   {"Number", REG_DWORD, {4, 3, 2, 1}},
                   {"Binary", REG_BINARY, {0x0D, 0x0C, 0x0B, 0x0A}}};
    for (const auto& f : formats) {
        EXPECT_EQ(ReadStored(kUser, kKey, f.name).type, f.type) << f.name;
        EXPECT_EQ(ReadStored(kUser, kKey, f.name).data, f.data) << f.name;
    }
    std::string readText;
    DWORD readNumber = 0;
    EXPECT_TRUE(GetStringValue(kUser, kKey, "Text", readText));
    EXPECT_EQ(readText, "5000");
    EXPECT_TRUE(GetDwordValue(kUser, kKey, "Number", readNumber));
    EXPECT_EQ(readNumber, 0x01020304u);
    // The stored type is not checked: a 4-byte binary value reads as a number too.
    EXPECT_TRUE(GetDwordValue(kUser, kKey, "Binary", readNumber));
    EXPECT_EQ(readNumber, 0x0A0B0C0Du);
}

// Texts up to 255 characters are written and read back; a longer one is refused on writing, and
// a stored one longer than the buffer reads as a failure. 256 bytes without a terminator fill the
// buffer exactly and still read safely.
TEST_F(RegistryPrimitives, TextsUpTo255CharactersRoundTripAndLongerOnesAreRefused) {
    const std::string longest(255, 'x');
    ASSERT_TRUE(SetStringValue(kUser, kKey, "Longest", longest));
    std::string read;
    EXPECT_TRUE(GetStringValue(kUser, kKey, "Longest", read));
    EXPECT_EQ(read, longest);
    EXPECT_FALSE(SetStringValue(kUser, kKey, "TooLong", std::string(256, 'y')));
    EXPECT_FALSE(ReadStored(kUser, kKey, "TooLong").exists);

    StoreText(kUser, kKey, "Long", std::string(300, 'z'));
    read = "preset";
    EXPECT_FALSE(GetStringValue(kUser, kKey, "Long", read));
    EXPECT_EQ(read, "preset");
    const std::string full(256, 'q');
    StoreRaw(kUser, kKey, "Full", REG_BINARY, full.data(), 256);
    EXPECT_TRUE(GetStringValue(kUser, kKey, "Full", read));
    EXPECT_EQ(read, full);
}

// A binary value of any length yields its first four bytes, a shorter one zero-extended (not
// mixed with the caller's default); the number primitive refuses one longer than four bytes.
TEST_F(RegistryPrimitives, BinaryValuesOfOtherLengthsReadAsTheirFirstFourBytes) {
    const struct {
        std::vector<BYTE> bytes;
        DWORD binary;
        bool numberRead;
        DWORD number;
    } cases[] = {{{1, 2, 3, 4, 5, 6, 7, 8}, 0x04030201u, false, 0xFFFFFFFFu},
                 {{0x34, 0x12}, 0x1234u, true, 0x1234u}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        StoreBinary(kUser, kKey, "Value", c.bytes);
        DWORD value = 0xFFFFFFFF;
        EXPECT_TRUE(GetBinaryValue(kUser, kKey, "Value", value));
        EXPECT_EQ(value, c.binary);
        DWORD number = 0xFFFFFFFF;
        EXPECT_EQ(GetDwordValue(kUser, kKey, "Value", number) != FALSE, c.numberRead);
        EXPECT_EQ(number, c.number);
    }
}

TEST_F(RegistryPrimitives, TheBaseKnowsTheFamilyAndTheWindowsDirectory) {
    const CRegistryAccess access;
    EXPECT_EQ(access.OsFamily(), ExpectedFamily());
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, sizeof(directory));
    EXPECT_EQ(access.WindowsDirectory(), directory);
    EXPECT_NE(access.WindowsDirectory().back(), '\\');
    EXPECT_EQ(access.SystemIniPath(), std::string(directory) + "\\System.ini");
}

} // namespace
