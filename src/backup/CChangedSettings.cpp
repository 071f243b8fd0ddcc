#include "backup/CChangedSettings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <windows.h>

#include "tweaks/TweakCatalogue.h"

namespace {

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A stored value as far as words need it.
struct Stored {
    bool exists = false;
    bool isText = false;
    std::string text;
    bool isNumber = false;
    DWORD number = 0;
    std::string bytes;
};

void ReadNumberFromText(Stored& stored) {
    // An empty text reads as 0, as the modules read their flags.
    if (stored.text.size() > 9 || stored.text.find_first_not_of("0123456789") != std::string::npos)
        return;
    stored.isNumber = true;
    stored.number = static_cast<DWORD>(std::strtoul(stored.text.c_str(), nullptr, 10));
}

Stored FromRegistry(bool exists, DWORD type, const std::string& data) {
    Stored stored;
    stored.exists = exists;
    if (!exists)
        return stored;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        stored.isText = true;
        stored.text = data.substr(0, data.find('\0'));
        ReadNumberFromText(stored);
    } else if ((type == REG_DWORD || type == REG_BINARY) && !data.empty() && data.size() <= 4) {
        stored.isNumber = true;
        for (size_t i = data.size(); i-- > 0;)
            stored.number = (stored.number << 8) | static_cast<unsigned char>(data[i]);
    } else {
        stored.bytes = data;
    }
    return stored;
}

Stored FromProfile(bool exists, const std::string& text) {
    Stored stored;
    stored.exists = exists;
    stored.isText = exists;
    stored.text = text;
    if (exists)
        ReadNumberFromText(stored);
    return stored;
}

std::string Plural(DWORD count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Hex(const std::string& bytes) {
    const size_t shown = 16;
    std::string text;
    for (size_t i = 0; i < bytes.size() && i < shown; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof(byte), i == 0 ? "%02X" : " %02X",
                      static_cast<unsigned char>(bytes[i]));
        text += byte;
    }
    if (bytes.size() > shown)
        text += " ...";
    return text.empty() ? "no data" : text;
}

const char kNotSet[] = "not set";

std::string Say(ValueWords words, const char* unit, const Stored& stored) {
    if (words == ValueWords::kSetMeansOff)
        return stored.exists ? "Off" : "On";
    if (!stored.exists)
        return kNotSet;
    switch (words) {
    case ValueWords::kFlag:
    case ValueWords::kFlagInverted:
        if (stored.isNumber)
            return ((stored.number != 0) != (words == ValueWords::kFlagInverted)) ? "On" : "Off";
        break;
    case ValueWords::kSeconds:
        if (stored.isNumber && !stored.text.empty())
            return stored.number % 1000 == 0 ? Plural(stored.number / 1000, "second", "seconds")
                                             : Plural(stored.number, "millisecond", "milliseconds");
        break;
    case ValueWords::kNumber:
        if (stored.isNumber && !(stored.isText && stored.text.empty()))
            return std::to_string(stored.number) + (unit != nullptr ? std::string(" ") + unit : "");
        break;
    default:
        break;
    }
    if (stored.isText)
        return stored.text.empty() ? "empty" : stored.text;
    if (stored.isNumber)
        return std::to_string(stored.number);
    return Hex(stored.bytes);
}

std::string SayPicture(const COriginalsRecord::FileEntry& entry, bool another) {
    if (!entry.exists)
        return kNotSet;
    return std::string(another ? "another picture of " : "picture of ") +
           Plural(entry.size, "byte", "bytes");
}

std::string DescribeValue(const RegistryPlace& place) {
    return std::string(RootName(place.root)) + "\\" + place.key + "\\" +
           (place.value.empty() ? std::string("(Default)") : place.value);
}

// The catalogue entry of the tweak a place names, and the tweak's place in the pages' order
// (rows are listed section by section); past every tweak when none.
const TweakEntry* EntryOf(const char* tweak, size_t* order = nullptr) {
    size_t position = 0;
    for (int m = 0; m < Modules::kModuleCount; ++m) {
        const TweakCatalogue& catalogue = CatalogueOf(static_cast<Modules::Module>(m));
        for (size_t i = 0; i < catalogue.count; ++i, ++position) {
            if (tweak != nullptr && std::strcmp(catalogue.entries[i].ShownName(), tweak) == 0) {
                if (order != nullptr)
                    *order = position;
                return &catalogue.entries[i];
            }
        }
    }
    if (order != nullptr)
        *order = position;
    return nullptr;
}

size_t Order(const std::string& tweak) {
    size_t order = 0;
    EntryOf(tweak.c_str(), &order);
    return order;
}

const COriginalsRecord::RegistryEntry* FindValue(const COriginalsRecord& record,
                                                 const RegistryPlace& place) {
    for (const COriginalsRecord::RegistryEntry& entry : record.Values())
        if (SameRegistryPlace(entry.place, place))
            return &entry;
    return nullptr;
}

const COriginalsRecord::ProfileEntry* FindEntry(const COriginalsRecord& record,
                                                const ProfilePlace& place) {
    for (const COriginalsRecord::ProfileEntry& entry : record.Entries())
        if (SameText(entry.place.file, place.file) &&
            SameText(entry.place.section, place.section) && SameText(entry.place.key, place.key))
            return &entry;
    return nullptr;
}

const COriginalsRecord::FileEntry* FindFile(const COriginalsRecord& record,
                                            const std::string& path) {
    for (const COriginalsRecord::FileEntry& entry : record.Files())
        if (SameText(entry.path, path))
            return &entry;
    return nullptr;
}

bool SameValue(const COriginalsRecord::RegistryEntry& a, const COriginalsRecord::RegistryEntry& b) {
    return a.exists == b.exists && (!a.exists || (a.type == b.type && a.data == b.data));
}

std::string Clean(const std::string& field) {
    std::string clean = field;
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return clean;
}

} // namespace

COriginalsRecord::Found CChangedSettings::Load() {
    record_ = COriginalsRecord();
    places_ = OriginalPlaces();
    otherUser_.clear();
    OriginalPlaces places;
    found_ = COriginalsRecord::LoadDefault(record_, places);
    if (found_ == COriginalsRecord::Found::kUsable) {
        const std::string me = COriginalsRecord::CurrentUser();
        const bool other = !record_.User().empty() && !me.empty() &&
                           lstrcmpiA(record_.User().c_str(), me.c_str()) != 0;
        if (other)
            otherUser_ = record_.User();
        places_ = other ? SelectPlaces(places, false) : places;
    }
    Refresh();
    return found_;
}

void CChangedSettings::Refresh() {
    rows_.clear();
    sources_.clear();
    if (found_ != COriginalsRecord::Found::kUsable)
        return;
    COriginalsRecord current;
    current.Capture(record_.Family(), places_);

    std::vector<std::pair<Row, Source>> found;
    auto add = [&found](const char* tweak, const std::string& place, const std::string& original,
                        const std::string& now, Source source) {
        Row row;
        row.tweak = tweak != nullptr ? tweak : "";
        const TweakEntry* entry = EntryOf(tweak);
        row.section = entry != nullptr ? CatalogueOf(entry->module).section : "";
        row.restart = entry != nullptr && entry->restart;
        row.place = place;
        row.original = original;
        row.current = now;
        found.push_back({row, source});
    };

    for (size_t i = 0; i < places_.values.size(); ++i) {
        const RegistryPlace& place = places_.values[i];
        const COriginalsRecord::RegistryEntry* original = FindValue(record_, place);
        const COriginalsRecord::RegistryEntry* now = FindValue(current, place);
        if (original == nullptr || now == nullptr || SameValue(*original, *now))
            continue;
        const Stored before = FromRegistry(original->exists, original->type, original->data);
        const Stored after = FromRegistry(now->exists, now->type, now->data);
        std::string originalWords = Say(place.words, place.unit, before);
        std::string currentWords = Say(place.words, place.unit, after);
        // Values that read alike in words (a type changed, "01" for "1") are told apart.
        if (originalWords == currentWords) {
            originalWords += " (as stored before)";
            currentWords += " (stored differently)";
        }
        add(place.tweak, DescribeValue(place), originalWords, currentWords, {Kind::kValue, i});
    }

    // A kept tree: every value the record holds beneath it, beside the listed values.
    auto isListed = [this](const RegistryPlace& place) {
        for (const RegistryPlace& listed : places_.values)
            if (SameRegistryPlace(listed, place))
                return true;
        return false;
    };
    for (size_t i = 0; i < places_.trees.size(); ++i) {
        const RegistryPlace& tree = places_.trees[i];
        DWORD recorded = 0, changed = 0, remaining = 0;
        for (const COriginalsRecord::RegistryEntry& entry : record_.Values()) {
            if (!IsInTree(tree, entry.place.root, entry.place.key) || isListed(entry.place) ||
                !entry.exists)
                continue;
            ++recorded;
            const COriginalsRecord::RegistryEntry* now = FindValue(current, entry.place);
            if (now != nullptr && now->exists)
                ++remaining;
            if (now == nullptr || !SameValue(entry, *now))
                ++changed;
        }
        if (changed == 0)
            continue;
        add(tree.tweak, std::string(RootName(tree.root)) + "\\" + tree.key,
            Plural(recorded, "value", "values"),
            remaining == 0 ? std::string(kNotSet)
                           : std::to_string(changed) + " of " +
                                 Plural(recorded, "value", "values") + " changed",
            {Kind::kTree, i});
    }

    for (size_t i = 0; i < places_.entries.size(); ++i) {
        const ProfilePlace& place = places_.entries[i];
        const COriginalsRecord::ProfileEntry* original = FindEntry(record_, place);
        const COriginalsRecord::ProfileEntry* now = FindEntry(current, place);
        if (original == nullptr || now == nullptr ||
            (original->exists == now->exists && original->text == now->text))
            continue;
        add(place.tweak, place.file + " [" + place.section + "] " + place.key,
            Say(place.words, place.unit, FromProfile(original->exists, original->text)),
            Say(place.words, place.unit, FromProfile(now->exists, now->text)), {Kind::kEntry, i});
    }

    for (size_t i = 0; i < places_.pictures.size(); ++i) {
        const PicturePlace& place = places_.pictures[i];
        const COriginalsRecord::FileEntry* original = FindFile(record_, place.picture);
        const COriginalsRecord::FileEntry* now = FindFile(current, place.picture);
        if (original == nullptr || now == nullptr)
            continue;
        const bool same =
            original->exists == now->exists &&
            (!original->exists || (original->size == now->size && original->crc == now->crc));
        if (!same)
            add(place.tweak, place.picture, SayPicture(*original, false),
                SayPicture(*now, original->exists), {Kind::kPicture, i});
    }

    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return Order(a.first.tweak) < Order(b.first.tweak);
    });
    for (const auto& entry : found) {
        rows_.push_back(entry.first);
        sources_.push_back(entry.second);
    }
}

int CChangedSettings::RestartCount() const {
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.restart; }));
}

COriginalsRecord::RestoreResult CChangedSettings::PutBack(size_t index) {
    COriginalsRecord::RestoreResult result;
    if (index >= sources_.size())
        return result;
    // Only the row's own place is handed to the record: Apply writes nothing else.
    OriginalPlaces single;
    const Source source = sources_[index];
    switch (source.kind) {
    case Kind::kValue:
        single.values.push_back(places_.values[source.index]);
        break;
    case Kind::kTree:
        single.trees.push_back(places_.trees[source.index]);
        break;
    case Kind::kEntry:
        single.entries.push_back(places_.entries[source.index]);
        break;
    case Kind::kPicture:
        single.pictures.push_back(places_.pictures[source.index]);
        break;
    }
    record_.Apply(single, result);
    Refresh();
    return result;
}

std::string CChangedSettings::FormatLines() const {
    std::string text;
    for (const Row& row : rows_)
        text += Clean(row.tweak) + "\t" + Clean(row.place) + "\t" + Clean(row.original) + "\t" +
                Clean(row.current) + "\r\n";
    return text;
}
