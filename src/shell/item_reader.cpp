#include "shell/item_reader.h"

#include <cmath>

namespace tsubura {

namespace {
bool isSpace(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
}  // namespace

ItemReader::ItemReader(QString text) : text_(std::move(text)) {
    if (text_.startsWith(QChar(0xFEFF))) pos_ = 1;  // a stray byte order mark is no item
}

std::optional<ItemReader> ItemReader::open(const QString &path, FileError *error) {
    std::optional<QString> text = readTextFile(path, error);
    if (!text) return std::nullopt;
    return ItemReader(std::move(*text));
}

// Characters are read with at(): the non-const operator[] would detach the text, and atEnd()
// and line() probe on a copy that shares it, so every probe would copy the whole file.
void ItemReader::skipBlank() {
    while (pos_ < text_.size()) {
        const QChar c = text_.at(pos_);
        if (isSpace(c)) {
            ++pos_;
        } else if (isLineEnd(c)) {
            if (c == QLatin1Char('\r') && pos_ + 1 < text_.size() && text_.at(pos_ + 1) == QLatin1Char('\n')) ++pos_;
            ++pos_;
            ++line_;
        } else if (c == QChar(0x1A)) {  // DOS end-of-file mark
            pos_ = text_.size();
        } else {
            return;
        }
    }
}

bool ItemReader::atEnd() const {
    if (afterSeparator_) return false;
    ItemReader probe = *this;
    probe.skipBlank();
    return probe.pos_ >= probe.text_.size();
}

int ItemReader::line() const {
    if (afterSeparator_) return line_;
    ItemReader probe = *this;
    probe.skipBlank();
    return probe.line_;
}

std::optional<Item> ItemReader::next() {
    if (afterSeparator_) {
        // Only spaces may stand between a comma and its item; a line end closes an empty item.
        while (pos_ < text_.size() && isSpace(text_.at(pos_))) ++pos_;
    } else {
        skipBlank();
    }
    const bool wasAfterSeparator = afterSeparator_;
    afterSeparator_ = false;
    if (pos_ >= text_.size()) {
        if (wasAfterSeparator) return Item{QString(), false, line_};
        return std::nullopt;
    }

    Item item;
    item.line = line_;
    if (text_.at(pos_) == QLatin1Char('"')) {
        item.quoted = true;
        const qsizetype close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
        const qsizetype end = close < 0 ? text_.size() : close;
        item.text = text_.mid(pos_ + 1, end - pos_ - 1);
        line_ += int(item.text.count(QLatin1Char('\n')));
        pos_ = close < 0 ? text_.size() : close + 1;
        // Anything between the closing quote and the separator is dropped.
        while (pos_ < text_.size() && text_.at(pos_) != QLatin1Char(',') && !isLineEnd(text_.at(pos_))) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_.at(pos_) != QLatin1Char(',') && !isLineEnd(text_.at(pos_))) ++pos_;
        item.text = text_.mid(start, pos_ - start).trimmed();
    }
    if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char(',')) {
        ++pos_;
        afterSeparator_ = true;
    }
    return item;
}

std::optional<long long> itemToWhole(const QString &item) {
    double n = 0;
    if (!parseNumber(item, &n)) return std::nullopt;
    if (std::fabs(n) > 9.0e18) return std::nullopt;
    return static_cast<long long>(std::nearbyint(n));  // default rounding mode: halves to even
}

}  // namespace tsubura
