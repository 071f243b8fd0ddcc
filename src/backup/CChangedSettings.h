#pragma once

#include <string>
#include <vector>

#include "backup/COriginalsRecord.h"
#include "backup/OriginalPlaces.h"

// Every place whose state now differs from the record of exact originals, in words a person
// reads, each of which can be put back alone. Only a usable default record counts (of this
// Windows family, sound and fitting its places: COriginalsRecord::LoadDefault). When the backup
// was made by another user than the one logged on, the places of each user alone
// (HKEY_CURRENT_USER) are not compared: that user's originals are not this user's.
class CChangedSettings {
public:
    struct Row {
        std::string tweak;   // as the pages show it
        std::string section; // as the main window names it
        std::string place;   // registry path and value, or file, section and entry, or file
        std::string original;
        std::string current;
        bool restart = false; // Windows takes it into use only after a restart
    };

    // Loads the default record and compares every place of this system with it. Without a
    // usable record there are no rows.
    COriginalsRecord::Found Load();
    // Compares again with the record already loaded.
    void Refresh();

    COriginalsRecord::Found Status() const { return found_; }
    const std::vector<Row>& Rows() const { return rows_; }
    // The user who made the backup when that was another user; empty otherwise.
    const std::string& OtherUser() const { return otherUser_; }
    // How many rows need a restart.
    int RestartCount() const;

    // Writes back the original of row `index` alone (only that place), then compares again.
    // What could not be put back is in the result.
    COriginalsRecord::RestoreResult PutBack(size_t index);

    // The rows as lines of tab-separated fields (tweak, place, original, current), each ended
    // by CR LF; tabs and line breaks within a field become blanks.
    std::string FormatLines() const;

private:
    // Where a row comes from: a place of places_ of one kind, by index.
    enum class Kind { kValue, kTree, kEntry, kPicture };
    struct Source {
        Kind kind;
        size_t index;
    };

    COriginalsRecord::Found found_ = COriginalsRecord::Found::kNone;
    COriginalsRecord record_;
    OriginalPlaces places_; // the places compared: this system's, without another user's own
    std::string otherUser_;
    std::vector<Row> rows_;
    std::vector<Source> sources_;
};
