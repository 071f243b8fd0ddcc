#include "backup/COriginalsRecord.h"

#include <cstdio>
#include <cstring>

#include "platform/CHandle.h"
#include "platform/CRegKey.h"
#include "platform/CRegistryAccess.h"
#include "platform/ProgramPaths.h"
#include "platform/RegistryPrimitives.h"
#include "platform/WindowsVersion.h"

namespace {

const char kMagic[] = "TORVANE ORIGINALS 1";
const char kChecksumPrefix[] = "; checksum ";
const char kFilesHeader[] = "FILES";
const char kProfileHeader[] = "PROFILE ";
const char kEol[] = "\r\n";

// Bounds that no record of this program comes near; anything beyond is not a record.
const size_t kMaxRecordBytes = 16u << 20;
const size_t kMaxPictureBytes = 16u << 20;
const int kMaxTreeDepth = 16;
const size_t kMaxTreeValues = 20000;
const DWORD kProfileChars = 4096;
// What a place can hold: a key name step, a value name (as far as the capture reads them) and
// the data of one value.
const size_t kMaxKeyStepChars = 255;
const size_t kMaxValueNameChars = 16383;
const size_t kMaxValueBytes = 1u << 20;

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Hex8(DWORD value) {
    char text[9];
    std::snprintf(text, sizeof(text), "%08lX", static_cast<unsigned long>(value));
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Exactly `digits` hex digits at `text` from `at`.
bool ParseHex(const std::string& text, size_t at, size_t digits, DWORD& value) {
    if (digits == 0 || digits > 8 || at + digits > text.size())
        return false;
    value = 0;
    for (size_t i = 0; i < digits; ++i) {
        const int digit = HexDigit(text[at + i]);
        if (digit < 0)
            return false;
        value = (value << 4) | static_cast<DWORD>(digit);
    }
    return true;
}

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof(escape), "\\x%02X", byte);
            quoted += escape;
        } else
            quoted += c;
    }
    return quoted + "\"";
}

// A quoted text at `at`; on success `at` is just past the closing quote.
bool Unquote(const std::string& line, size_t& at, std::string& text) {
    if (at >= line.size() || line[at] != '"')
        return false;
    text.clear();
    for (size_t i = at + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            at = i + 1;
            return true;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i >= line.size())
            return false;
        if (line[i] == '\\' || line[i] == '"')
            text += line[i];
        else if (line[i] == 'x') {
            DWORD byte = 0;
            if (!ParseHex(line, i + 1, 2, byte))
                return false;
            text += static_cast<char>(byte);
            i += 2;
        } else
            return false;
    }
    return false;
}

std::string FormatData(DWORD type, const std::string& data) {
    const bool plainText = type == REG_SZ && !data.empty() && data.back() == '\0' &&
                           data.find('\0') == data.size() - 1;
    if (plainText)
        return Quote(data.substr(0, data.size() - 1));
    if (type == REG_DWORD && data.size() == 4) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), 4);
        std::string text = Hex8(value);
        for (char& c : text)
            c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return "dword:" + text;
    }
    std::string text = "hex";
    if (type != REG_BINARY) {
        char number[16];
        std::snprintf(number, sizeof(number), "(%lx)", static_cast<unsigned long>(type));
        text += number;
    }
    text += ':';
    for (size_t i = 0; i < data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof(byte), i == 0 ? "%02x" : ",%02x",
                      static_cast<unsigned char>(data[i]));
        text += byte;
    }
    return text;
}

bool ParseData(const std::string& text, DWORD& type, std::string& data) {
    data.clear();
    if (!text.empty() && text[0] == '"') {
        size_t at = 0;
        if (!Unquote(text, at, data) || at != text.size() || data.find('\0') != std::string::npos)
            return false;
        data += '\0';
        type = REG_SZ;
        return true;
    }
    if (text.compare(0, 6, "dword:") == 0) {
        DWORD value = 0;
        if (text.size() != 14 || !ParseHex(text, 6, 8, value))
            return false;
        type = REG_DWORD;
        data.assign(reinterpret_cast<const char*>(&value), 4);
        return true;
    }
    if (text.compare(0, 3, "hex") != 0)
        return false;
    size_t at = 3;
    type = REG_BINARY;
    if (at < text.size() && text[at] == '(') {
        const size_t close = text.find(')', at);
        if (close == std::string::npos || !ParseHex(text, at + 1, close - at - 1, type))
            return false;
        at = close + 1;
    }
    if (at >= text.size() || text[at] != ':')
        return false;
    ++at;
    if (at == text.size())
        return true;
    for (;;) {
        DWORD byte = 0;
        if (!ParseHex(text, at, 2, byte))
            return false;
        data += static_cast<char>(byte);
        at += 2;
        if (at == text.size())
            return true;
        if (text[at] != ',')
            return false;
        ++at;
    }
}

// A value exactly as stored; false when the key or the value is missing.
bool ReadValue(HKEY key, const std::string& valueName, DWORD& type, std::string& data) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return false;
        data.assign(size, '\0');
        const LONG result =
            RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.empty() ? nullptr : &data[0]), &size);
        if (result == ERROR_SUCCESS) {
            data.resize(size);
            return true;
        }
        if (result != ERROR_MORE_DATA)
            return false;
    }
    return false;
}

void ReadRegistryEntry(COriginalsRecord::RegistryEntry& entry) {
    entry.exists = false;
    entry.type = 0;
    entry.data.clear();
    CRegKey key;
    if (key.Open(entry.place.root, entry.place.key.c_str(), KEY_READ) != ERROR_SUCCESS)
        return;
    entry.exists = ReadValue(key.Get(), entry.place.value, entry.type, entry.data);
}

void CaptureTree(HKEY root, const std::string& keyPath, int depth,
                 std::vector<COriginalsRecord::RegistryEntry>& values) {
    CRegKey key;
    if (key.Open(root, keyPath.c_str(), KEY_READ) != ERROR_SUCCESS)
        return;
    std::vector<std::string> names;
    for (DWORD index = 0; values.size() + names.size() < kMaxTreeValues; ++index) {
        char name[16384];
        DWORD length = sizeof(name);
        if (RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.push_back(std::string(name, length));
    }
    for (const std::string& name : names) {
        COriginalsRecord::RegistryEntry entry;
        entry.place = {root, keyPath, name};
        entry.exists = ReadValue(key.Get(), name, entry.type, entry.data);
        if (entry.exists)
            values.push_back(entry);
    }
    if (depth >= kMaxTreeDepth)
        return;
    std::vector<std::string> subkeys;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subkeys.push_back(std::string(name, length));
    }
    for (const std::string& subkey : subkeys)
        CaptureTree(root, keyPath + "\\" + subkey, depth + 1, values);
}

void ReadProfileEntry(COriginalsRecord::ProfileEntry& entry) {
    // A missing entry yields the default: two different defaults tell it from any real text.
    const char* defaults[] = {"\x01\x02", "\x03"};
    bool missing = true;
    for (const char* preset : defaults) {
        char text[kProfileChars] = {};
        GetPrivateProfileStringA(entry.place.section.c_str(), entry.place.key.c_str(), preset, text,
                                 kProfileChars, entry.place.file.c_str());
        entry.text = text;
        if (entry.text != preset) {
            missing = false;
            break;
        }
    }
    entry.exists = !missing;
    if (missing)
        entry.text.clear();
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ReadWholeFile(const std::string& path, size_t limit, std::string& bytes) {
    CHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size > limit)
        return false;
    bytes.assign(size, '\0');
    DWORD read = 0;
    if (size > 0 && (!ReadFile(file.Get(), &bytes[0], size, &read, nullptr) || read != size))
        return false;
    return true;
}

void ReadFileEntry(COriginalsRecord::FileEntry& entry) {
    std::string bytes;
    entry.exists = FileExists(entry.path);
    entry.size = 0;
    entry.crc = 0;
    if (entry.exists && ReadWholeFile(entry.path, kMaxPictureBytes, bytes)) {
        entry.size = static_cast<DWORD>(bytes.size());
        entry.crc = COriginalsRecord::Crc32(bytes);
    }
}

bool SameContent(const COriginalsRecord::FileEntry& a, const COriginalsRecord::FileEntry& b) {
    return a.exists && b.exists && a.size == b.size && a.crc == b.crc;
}

void RemoveFile(const std::string& path) {
    SetFileNormal(path.c_str(), TRUE);
    DeleteFileA(path.c_str());
}

// Any control character; with `tabAllowed` a tab is taken as text (profile lines may hold one).
bool HasControlCharacter(const std::string& text, bool tabAllowed = false) {
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && !(tabAllowed && c == '\t')) || byte == 0x7F)
            return true;
    }
    return false;
}

// Whether `key` lies in `tree` by sound steps: none empty, "." or "..", too long or holding
// control characters, and no deeper than the capture goes.
bool IsSoundTreeKey(const RegistryPlace& tree, HKEY root, const std::string& key) {
    if (!IsInTree(tree, root, key))
        return false;
    int depth = 0;
    for (size_t at = tree.key.size(); at < key.size();) {
        size_t next = key.find('\\', at + 1);
        if (next == std::string::npos)
            next = key.size();
        const std::string step = key.substr(at + 1, next - at - 1);
        if (step.empty() || step == "." || step == ".." || step.size() > kMaxKeyStepChars ||
            HasControlCharacter(step) || ++depth > kMaxTreeDepth)
            return false;
        at = next;
    }
    return true;
}

// The table's value, or the tree the capture walks that holds the key soundly; null when the
// place is not listed.
const RegistryPlace* ListedPlace(const OriginalPlaces& places, const RegistryPlace& entry) {
    for (const RegistryPlace& place : places.values)
        if (SameRegistryPlace(place, entry))
            return &place;
    for (const RegistryPlace& tree : places.trees)
        if (IsSoundTreeKey(tree, entry.root, entry.key))
            return &tree;
    return nullptr;
}

std::string DescribePlace(const RegistryPlace& place) {
    return std::string(RootName(place.root)) + "\\" + place.key +
           (place.value.empty() ? std::string() : "\\" + place.value);
}

std::string DescribePlace(const ProfilePlace& place) {
    return place.file + " [" + place.section + "] " + place.key;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(kEol, start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace

std::string COriginalsRecord::DefaultPath() {
    return GetBackupDirectory() + "\\originals.txt";
}

DWORD COriginalsRecord::Crc32(const std::string& bytes, DWORD crc) {
    crc = ~crc;
    for (char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void COriginalsRecord::Capture(int family, const OriginalPlaces& places, const std::string& user) {
    family_ = family;
    // A name that could not stand on its line is as good as none.
    user_ = HasControlCharacter(user) ? std::string() : user;
    values_.clear();
    entries_.clear();
    files_.clear();
    for (const RegistryPlace& place : places.values) {
        RegistryEntry entry;
        entry.place = place;
        ReadRegistryEntry(entry);
        values_.push_back(entry);
    }
    for (const RegistryPlace& tree : places.trees)
        CaptureTree(tree.root, tree.key, 0, values_);
    for (const ProfilePlace& place : places.entries) {
        ProfileEntry entry;
        entry.place = place;
        ReadProfileEntry(entry);
        entries_.push_back(entry);
    }
    for (const PicturePlace& pair : places.pictures) {
        for (const std::string& path : {pair.picture, pair.saved}) {
            FileEntry entry;
            entry.path = path;
            ReadFileEntry(entry);
            files_.push_back(entry);
        }
    }
}

std::string COriginalsRecord::Format() const {
    std::string text;
    auto line = [&text](const std::string& content) { text += content + kEol; };
    line(kMagic);
    line("; The settings as they were when the backup was made; Restore Backup puts them back.");
    line(
        "; \"name\"=- marks a value or entry that did not exist. Do not edit: the checksum on the");
    line("; last line covers every byte before it.");
    line("Family=" + std::to_string(family_));
    if (!user_.empty())
        line("User=" + user_);
    std::string section;
    for (const RegistryEntry& entry : values_) {
        const std::string header = std::string(RootName(entry.place.root)) + "\\" + entry.place.key;
        if (header != section) {
            line("");
            line("[" + header + "]");
            section = header;
        }
        const std::string name = entry.place.value.empty() ? "@" : Quote(entry.place.value);
        line(name + "=" + (entry.exists ? FormatData(entry.type, entry.data) : "-"));
    }
    for (const ProfileEntry& entry : entries_) {
        const std::string header = kProfileHeader + entry.place.file + "|" + entry.place.section;
        if (header != section) {
            line("");
            line("[" + header + "]");
            section = header;
        }
        line(Quote(entry.place.key) + "=" + (entry.exists ? Quote(entry.text) : "-"));
    }
    line("");
    line(std::string("[") + kFilesHeader + "]");
    for (const FileEntry& entry : files_)
        line(Quote(entry.path) + "=" +
             (entry.exists ? "file:" + std::to_string(entry.size) + "," + Hex8(entry.crc) : "-"));
    return text + kChecksumPrefix + Hex8(Crc32(text)) + kEol;
}

bool COriginalsRecord::Parse(const std::string& text) {
    family_ = -1;
    user_.clear();
    values_.clear();
    entries_.clear();
    files_.clear();
    auto fail = [this]() {
        family_ = -1;
        user_.clear();
        values_.clear();
        entries_.clear();
        files_.clear();
        return false;
    };
    // The checksum line comes last, after every byte it covers.
    if (text.size() > kMaxRecordBytes || text.size() < 2 || text.compare(text.size() - 2, 2, kEol))
        return false;
    const size_t previousEnd = text.rfind(kEol, text.size() - 3);
    if (previousEnd == std::string::npos)
        return false;
    const size_t checksumAt = previousEnd + 2;
    const std::string checksumLine = text.substr(checksumAt, text.size() - 2 - checksumAt);
    const size_t prefixLength = std::strlen(kChecksumPrefix);
    DWORD checksum = 0;
    if (checksumLine.size() != prefixLength + 8 ||
        checksumLine.compare(0, prefixLength, kChecksumPrefix) != 0 ||
        !ParseHex(checksumLine, prefixLength, 8, checksum) ||
        checksum != Crc32(text.substr(0, checksumAt)))
        return false;

    const std::vector<std::string> lines = SplitLines(text.substr(0, checksumAt));
    if (lines.size() < 2 || lines[0] != kMagic)
        return false;
    enum class Section { kNone, kRegistry, kProfile, kFiles } section = Section::kNone;
    HKEY root = nullptr;
    std::string key, file, profileSection;
    for (size_t index = 1; index < lines.size(); ++index) {
        const std::string& line = lines[index];
        if (line.empty() || line[0] == ';')
            continue;
        if (line.find_first_of("\r\n") != std::string::npos)
            return fail();
        if (family_ < 0) {
            if (line.compare(0, 7, "Family=") != 0 || line.size() != 8 || line[7] < '0' ||
                line[7] > '9')
                return fail();
            family_ = line[7] - '0';
            continue;
        }
        // Who made the backup, right after the family and only there.
        if (section == Section::kNone && user_.empty() && line.compare(0, 5, "User=") == 0) {
            user_ = line.substr(5);
            if (user_.empty() || HasControlCharacter(user_))
                return fail();
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3)
                return fail();
            const std::string header = line.substr(1, line.size() - 2);
            if (header == kFilesHeader) {
                section = Section::kFiles;
            } else if (header.compare(0, std::strlen(kProfileHeader), kProfileHeader) == 0) {
                const std::string place = header.substr(std::strlen(kProfileHeader));
                const size_t bar = place.find('|');
                if (bar == std::string::npos || bar == 0 || bar + 1 == place.size())
                    return fail();
                file = place.substr(0, bar);
                profileSection = place.substr(bar + 1);
                section = Section::kProfile;
            } else {
                const size_t slash = header.find('\\');
                if (slash == std::string::npos || slash + 1 == header.size())
                    return fail();
                root = RootOfName(header.substr(0, slash));
                if (root == nullptr)
                    return fail();
                key = header.substr(slash + 1);
                section = Section::kRegistry;
            }
            continue;
        }
        // name=data
        std::string name;
        size_t at = 0;
        if (section == Section::kRegistry && line[0] == '@')
            at = 1;
        else if (!Unquote(line, at, name) || name.empty())
            return fail();
        if (at >= line.size() || line[at] != '=')
            return fail();
        const std::string data = line.substr(at + 1);
        const bool exists = data != "-";
        switch (section) {
        case Section::kRegistry: {
            RegistryEntry entry;
            entry.place = {root, key, name};
            entry.exists = exists;
            if (exists && !ParseData(data, entry.type, entry.data))
                return fail();
            values_.push_back(entry);
            break;
        }
        case Section::kProfile: {
            ProfileEntry entry;
            entry.place = {file, profileSection, name};
            entry.exists = exists;
            size_t textAt = 0;
            if (exists && (!Unquote(data, textAt, entry.text) || textAt != data.size() ||
                           entry.text.find('\0') != std::string::npos))
                return fail();
            entries_.push_back(entry);
            break;
        }
        case Section::kFiles: {
            FileEntry entry;
            entry.path = name;
            entry.exists = exists;
            if (exists) {
                const size_t comma = data.find(',');
                if (data.compare(0, 5, "file:") != 0 || comma == std::string::npos || comma == 5 ||
                    comma > 15 || data.size() != comma + 9 ||
                    data.find_first_not_of("0123456789", 5) != comma ||
                    !ParseHex(data, comma + 1, 8, entry.crc))
                    return fail();
                const unsigned long long size = std::stoull(data.substr(5, comma - 5));
                if (size > kMaxPictureBytes)
                    return fail();
                entry.size = static_cast<DWORD>(size);
            }
            files_.push_back(entry);
            break;
        }
        default:
            return fail();
        }
    }
    if (family_ < 0)
        return fail();
    return true;
}

int COriginalsRecord::SaveToFile(const std::string& path) const {
    const std::string partial = path + ".part";
    const std::string text = Format();
    {
        DeleteFileA(partial.c_str());
        CHandle file(CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid())
            return 0;
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written,
                       nullptr) ||
            written != text.size() || !FlushFileBuffers(file.Get())) {
            file.Close();
            DeleteFileA(partial.c_str());
            return 0;
        }
    }
    if (!MoveFileReplacing(partial.c_str(), path.c_str())) {
        DeleteFileA(partial.c_str());
        return 0;
    }
    return 1;
}

bool COriginalsRecord::LoadFromFile(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, kMaxRecordBytes, text))
        return false;
    return Parse(text);
}

bool COriginalsRecord::FitsPlaces(const OriginalPlaces& places) const {
    for (const RegistryEntry& entry : values_) {
        if (!ListedPlace(places, entry.place) || entry.place.value.size() > kMaxValueNameChars ||
            HasControlCharacter(entry.place.value) || entry.data.size() > kMaxValueBytes)
            return false;
    }
    for (const ProfileEntry& entry : entries_) {
        bool known = false;
        for (const ProfilePlace& place : places.entries)
            known = known || (SameText(place.file, entry.place.file) &&
                              SameText(place.section, entry.place.section) &&
                              SameText(place.key, entry.place.key));
        // A profile entry ends at its line: it never holds a line break or another control
        // character but a tab, nor more than it can be read back with.
        if (!known || entry.text.size() >= kProfileChars || HasControlCharacter(entry.text, true))
            return false;
    }
    for (const FileEntry& entry : files_) {
        bool known = false;
        for (const PicturePlace& pair : places.pictures)
            known = known || SameText(pair.picture, entry.path) || SameText(pair.saved, entry.path);
        if (!known)
            return false;
    }
    return true;
}

void COriginalsRecord::RestoreResult::AddFailedTweak(const std::string& tweak) {
    for (const std::string& known : failedTweaks)
        if (known == tweak)
            return;
    failedTweaks.push_back(tweak);
}

void COriginalsRecord::RestoreResult::AddFailure(const std::string& place, const char* tweak) {
    failed.push_back(place);
    if (tweak != nullptr)
        AddFailedTweak(tweak);
}

void COriginalsRecord::Apply(const OriginalPlaces& places, RestoreResult& result) const {
    for (const RegistryEntry& entry : values_) {
        const RegistryPlace* listed = ListedPlace(places, entry.place);
        if (listed == nullptr)
            continue;
        RegistryEntry current;
        current.place = entry.place;
        ReadRegistryEntry(current);
        if (!entry.exists) {
            if (!current.exists)
                continue;
            CRegKey key;
            if (key.Open(entry.place.root, entry.place.key.c_str()) == ERROR_SUCCESS &&
                RegDeleteValueA(key.Get(), entry.place.value.c_str()) == ERROR_SUCCESS)
                RegFlushKey(key.Get());
            else
                result.AddFailure(DescribePlace(entry.place), listed->tweak);
            continue;
        }
        if (current.exists && current.type == entry.type && current.data == entry.data)
            continue;
        CRegKey key;
        if (key.Create(entry.place.root, entry.place.key.c_str()) == ERROR_SUCCESS &&
            RegSetValueExA(key.Get(), entry.place.value.c_str(), 0, entry.type,
                           reinterpret_cast<const BYTE*>(entry.data.data()),
                           static_cast<DWORD>(entry.data.size())) == ERROR_SUCCESS)
            RegFlushKey(key.Get());
        else
            result.AddFailure(DescribePlace(entry.place), listed->tweak);
    }

    for (const ProfileEntry& entry : entries_) {
        const ProfilePlace* known = nullptr;
        for (const ProfilePlace& place : places.entries)
            if (SameText(place.file, entry.place.file) &&
                SameText(place.section, entry.place.section) &&
                SameText(place.key, entry.place.key))
                known = &place;
        if (known == nullptr)
            continue;
        ProfileEntry current;
        current.place = *known;
        ReadProfileEntry(current);
        if (current.exists == entry.exists && current.text == entry.text)
            continue;
        // C:\msdos.sys is read-only, hidden and system: it takes writes only while normal, and
        // gets back exactly the attributes it had.
        const bool protectedFile = SameText(known->file, CRegistryAccess::kMsdosSysPath);
        const DWORD attributes = protectedFile ? UnprotectFile(known->file.c_str())
                                               : static_cast<DWORD>(INVALID_FILE_ATTRIBUTES);
        const BOOL written = WritePrivateProfileStringA(known->section.c_str(), known->key.c_str(),
                                                        entry.exists ? entry.text.c_str() : nullptr,
                                                        known->file.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, known->file.c_str());
        if (protectedFile)
            ReprotectFile(known->file.c_str(), attributes);
        if (!written)
            result.AddFailure(DescribePlace(*known), known->tweak);
    }

    auto find = [this](const std::string& path) -> const FileEntry* {
        for (const FileEntry& entry : files_)
            if (SameText(entry.path, path))
                return &entry;
        return nullptr;
    };
    for (const PicturePlace& place : places.pictures) {
        const std::pair<std::string, std::string> pair(place.picture, place.saved);
        const FileEntry* picture = find(pair.first);
        const FileEntry* saved = find(pair.second);
        if (picture == nullptr || saved == nullptr)
            continue;
        FileEntry currentPicture, currentSaved;
        currentPicture.path = pair.first;
        currentSaved.path = pair.second;
        ReadFileEntry(currentPicture);
        ReadFileEntry(currentSaved);
        if (!picture->exists) {
            if (currentPicture.exists)
                RemoveFile(pair.first);
        } else if (!SameContent(*picture, currentPicture) && SameContent(*picture, currentSaved)) {
            // The original picture was moved aside by a replacement: it goes back.
            SetFileNormal(pair.first.c_str(), TRUE);
            if (CopyFileTo(pair.second.c_str(), pair.first.c_str(), TRUE))
                SetFileNormal(pair.first.c_str(), FALSE);
        }
        // The saved copy may be the only one of the original: it goes only once the original
        // is seen back in place.
        FileEntry restored;
        restored.path = pair.first;
        ReadFileEntry(restored);
        const bool back = picture->exists ? SameContent(*picture, restored) : !restored.exists;
        if (!back)
            result.AddFailure(pair.first, place.tweak);
        else if (!saved->exists && FileExists(pair.second))
            RemoveFile(pair.second);
    }
}

int COriginalsRecord::BackUpSystem() {
    const CRegistryAccess system;
    COriginalsRecord record;
    record.Capture(system.OsFamily(),
                   CollectOriginalPlaces(system.OsFamily(), system.WindowsDirectory()),
                   CurrentUser());
    return record.SaveToFile(DefaultPath());
}

COriginalsRecord::Found COriginalsRecord::LoadDefault(COriginalsRecord& record,
                                                      OriginalPlaces& places) {
    const std::string path = DefaultPath();
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return Found::kNone;
    const CRegistryAccess system;
    const int family = system.OsFamily();
    if (!record.LoadFromFile(path))
        return Found::kRefused;
    // 95, 98 and ME keep their settings in the same places, as do NT 4, 2000 and XP: a record
    // of another version of the family is still this system's originals.
    const bool sameFamily = record.Family() == family ||
                            (IsNineXFamily(record.Family()) && IsNineXFamily(family)) ||
                            (IsNTFamily(record.Family()) && IsNTFamily(family));
    if (!sameFamily ||
        !record.FitsPlaces(CollectFamilyPlaces(record.Family(), system.WindowsDirectory())))
        return Found::kRefused;
    places = CollectOriginalPlaces(family, system.WindowsDirectory());
    return Found::kUsable;
}

COriginalsRecord::RestoreResult COriginalsRecord::RestoreSystem() {
    RestoreResult result;
    COriginalsRecord record;
    OriginalPlaces places;
    const Found found = LoadDefault(record, places);
    result.refused = found == Found::kRefused;
    if (found == Found::kUsable)
        record.Apply(places, result);
    return result;
}

namespace {
bool g_userForTest = false;
std::string g_testUser;
} // namespace

void COriginalsRecord::SetCurrentUserForTest(const char* name) {
    g_userForTest = name != nullptr;
    g_testUser = name != nullptr ? name : "";
}

std::string COriginalsRecord::CurrentUser() {
    if (g_userForTest)
        return g_testUser;
    char name[257] = {};
    DWORD size = sizeof(name);
    if (!GetUserNameA(name, &size))
        return std::string();
    name[sizeof(name) - 1] = '\0';
    return name;
}
