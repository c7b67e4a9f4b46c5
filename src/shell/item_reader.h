#pragma once

#include <QString>
#include <optional>

#include "shell/text_file.h"
#include "shell/value.h"

namespace tsubura {

// One item of an item file, with the line it began on (for messages).
struct Item {
    QString text;
    bool quoted = false;
    int line = 0;
};

// Reads the settings, criteria, sound and roster files as a stream of items: commas and line
// ends separate items, double quotes protect commas, spaces around an unquoted item are dropped,
// and blank lines carry nothing. Every text file of the program is read through this class.
class ItemReader {
public:
    explicit ItemReader(QString text);
    // Opens and decodes a windows-31j file; nothing (and *error filled) when it cannot be read.
    static std::optional<ItemReader> open(const QString &path, FileError *error);

    // True once only blank lines and spaces remain.
    bool atEnd() const;
    // The next item, or nothing at the end of the text.
    std::optional<Item> next();
    // The line the next item begins on (1-based).
    int line() const;

private:
    void skipBlank();

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool afterSeparator_ = false;  // a comma was just read: an item follows, even an empty one
};

// Numeric conversions of an item as the typed columns read it.
// Rounds to the nearest whole number, halves to even; a non-number gives nothing.
std::optional<long long> itemToWhole(const QString &item);

}  // namespace tsubura
