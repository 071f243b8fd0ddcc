#include <gtest/gtest.h>

#include "platform/CRegistryAccess.h"
#include "platform/RegistryPrimitives.h"
#include "platform/WindowsVersion.h"
#include "support/EmulatedSystem.h"
#include "support/CRegistrySandbox.h"
#include "support/TestRegistry.h"

namespace {

const char kKey[] = "Software\\Torvane Test\\Primitives";

// The base as every module has it, without a record of its own.
class CPlainAccess : public CRegistryAccess {
public:
};

class RegistryPrimitives : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
};

TEST_F(RegistryPrimitives, MissingValuesLeaveTheCallersDefaultAndDeletingTakesOnlyOne) {
    DWORD number = 20000;
    EXPECT_FALSE(GetDwordValue(HKEY_CURRENT_USER, kKey, "Missing", number));
    EXPECT_EQ(number, 20000u);
    EXPECT_FALSE(GetBinaryValue(HKEY_CURRENT_USER, kKey, "Missing", number));
    EXPECT_EQ(number, 20000u);
    std::string text = "preset";
    EXPECT_FALSE(GetStringValue(HKEY_CURRENT_USER, kKey, "Missing", text));
    EXPECT_EQ(text, "preset");

    CreateKey(HKEY_CURRENT_USER, kKey);
    EXPECT_FALSE(GetDwordValue(HKEY_CURRENT_USER, kKey, "Missing", number));
    EXPECT_EQ(number, 20000u);
    EXPECT_FALSE(GetStringValue(HKEY_CURRENT_USER, kKey, "Missing", text));
    EXPECT_EQ(text, "preset");
    EXPECT_FALSE(DeleteValue(HKEY_CURRENT_USER, kKey, "Missing"));
    EXPECT_FALSE(DeleteValue(HKEY_CURRENT_USER, "Software\\No Such Key", "Missing"));

    // Deleting a value that is there removes only that value.
    StoreNumber(HKEY_CURRENT_USER, kKey, "Gone", 1);
    StoreNumber(HKEY_CURRENT_USER, kKey, "Kept", 2);
    EXPECT_TRUE(DeleteValue(HKEY_CURRENT_USER, kKey, "Gone"));
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, kKey, "Gone").exists);
    EXPECT_TRUE(ReadStored(HKEY_CURRENT_USER, kKey, "Kept").exists);
}

TEST_F(RegistryPrimitives, WritesCreateEveryMissingLevelOfThePath) {
    const char deep[] = "Software\\Torvane Test\\One\\Two\\Three";
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Torvane Test"));
    EXPECT_TRUE(SetDwordValue(HKEY_LOCAL_MACHINE, deep, "Number", 42));
    const StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, deep, "Number");
    ASSERT_TRUE(stored.exists);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data.size(), 4u);
    EXPECT_EQ(stored.Number(), 42u);
}

TEST_F(RegistryPrimitives, ValuesAreStoredInTheirDocumentedFormats) {
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kKey, "Text", "5000"));
    ASSERT_TRUE(SetDwordValue(HKEY_CURRENT_USER, kKey, "Number", 0x01020304));
    ASSERT_TRUE(SetBinaryValue(HKEY_CURRENT_USER, kKey, "Binary", 0x0A0B0C0D));

    const StoredValue text = ReadStored(HKEY_CURRENT_USER, kKey, "Text");
    EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.data, (std::vector<BYTE>{'5', '0', '0', '0', 0}));
    const StoredValue number = ReadStored(HKEY_CURRENT_USER, kKey, "Number");
    EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number.data, (std::vector<BYTE>{4, 3, 2, 1}));
    const StoredValue binary = ReadStored(HKEY_CURRENT_USER, kKey, "Binary");
    EXPECT_EQ(binary.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(binary.data, (std::vector<BYTE>{0x0D, 0x0C, 0x0B, 0x0A}));

    std::string readText;
    DWORD readNumber = 0;
    EXPECT_TRUE(GetStringValue(HKEY_CURRENT_USER, kKey, "Text", readText));
    EXPECT_EQ(readText, "5000");
    EXPECT_TRUE(GetDwordValue(HKEY_CURRENT_USER, kKey, "Number", readNumber));
    EXPECT_EQ(readNumber, 0x01020304u);
    // The stored type is not checked: a 4-byte binary value reads as a number too.
    EXPECT_TRUE(GetDwordValue(HKEY_CURRENT_USER, kKey, "Binary", readNumber));
    EXPECT_EQ(readNumber, 0x0A0B0C0Du);
}

// Texts up to 255 characters are written and read back; a longer one is refused on writing, and
// a stored one longer than the buffer reads as a failure. 256 bytes without a terminator fill the
// buffer exactly and still read safely.
TEST_F(RegistryPrimitives, TextsUpTo255CharactersRoundTripAndLongerOnesAreRefused) {
    const std::string longest(255, 'x');
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kKey, "Longest", longest));
    std::string read;
    EXPECT_TRUE(GetStringValue(HKEY_CURRENT_USER, kKey, "Longest", read));
    EXPECT_EQ(read, longest);
    EXPECT_FALSE(SetStringValue(HKEY_CURRENT_USER, kKey, "TooLong", std::string(256, 'y')));
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, kKey, "TooLong").exists);

    StoreText(HKEY_CURRENT_USER, kKey, "Long", std::string(300, 'z'));
    read = "preset";
    EXPECT_FALSE(GetStringValue(HKEY_CURRENT_USER, kKey, "Long", read));
    EXPECT_EQ(read, "preset");
    const std::string full(256, 'q');
    StoreRaw(HKEY_CURRENT_USER, kKey, "Full", REG_BINARY, full.data(), 256);
    EXPECT_TRUE(GetStringValue(HKEY_CURRENT_USER, kKey, "Full", read));
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
        StoreBinary(HKEY_CURRENT_USER, kKey, "Value", c.bytes);
        DWORD value = 0xFFFFFFFF;
        EXPECT_TRUE(GetBinaryValue(HKEY_CURRENT_USER, kKey, "Value", value));
        EXPECT_EQ(value, c.binary);
        DWORD number = 0xFFFFFFFF;
        EXPECT_EQ(GetDwordValue(HKEY_CURRENT_USER, kKey, "Value", number) != FALSE, c.numberRead);
        EXPECT_EQ(number, c.number);
    }
}

TEST_F(RegistryPrimitives, DeleteKeyRemovesAKeyWithSubkeysOnBothFamiliesAndNothingOtherwise) {
    const std::string key = "Software\\Torvane Test\\Tree";
    StoreNumber(HKEY_CURRENT_USER, key, "Top", 1);
    StoreNumber(HKEY_CURRENT_USER, key + "\\Child", "Middle", 2);
    StoreNumber(HKEY_CURRENT_USER, key + "\\Child\\Grandchild", "Bottom", 3);

    const CPlainAccess access;
    const BOOL deleted = access.DeleteKey(HKEY_CURRENT_USER, key.c_str());
    if (IsNineXFamily(ExpectedFamily()) || IsNTFamily(ExpectedFamily())) {
        EXPECT_TRUE(deleted);
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));
    } else {
        EXPECT_FALSE(deleted);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key + "\\Child\\Grandchild"));
    }
    // Win32s is neither family: nothing is deleted whatever runs underneath.
    StoreNumber(HKEY_CURRENT_USER, key, "Top", 1);
    EXPECT_FALSE(DeleteKey(kFamilyWin32s, HKEY_CURRENT_USER, key.c_str()));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key));
}

TEST_F(RegistryPrimitives, TheBaseKnowsTheFamilyAndTheWindowsDirectory) {
    const CPlainAccess access;
    EXPECT_EQ(access.OsFamily(), ExpectedFamily());
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, sizeof(directory));
    EXPECT_EQ(access.WindowsDirectory(), directory);
    EXPECT_NE(access.WindowsDirectory().back(), '\\');
    EXPECT_EQ(access.SystemIniPath(), std::string(directory) + "\\System.ini");
}

} // namespace
