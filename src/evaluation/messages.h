#pragma once

#include <QString>
#include <cstdint>

namespace tsubura {

// The entry a loader or aggregation failure names, as the message shows it.
struct EntryFields {
    double date = 0;
    int index = 0;
    double clock = 0;
    int student = 0;
    int level = 0;
    std::int32_t seconds = 0;
};

// "/date…/i=…/time=…/name=/Bangou=…/level=…/time=…", joined without separators.
QString entryFieldsText(const EntryFields &entry);

}  // namespace tsubura
