#include "sound/sound_configuration.h"

#include "shell/item_reader.h"
#include "shell/shared_state.h"

namespace tsubura {

namespace {
constexpr int kMaxFiles = 20;
constexpr int kCountSlot = 21;
const QString kListEnd = QStringLiteral("*");
}  // namespace

QString soundEventName(int event) {
    static const char *const names[] = {"",           "正解音1",     "正解音2",     "間違い音1",
                                        "間違い音2",  "最高音1",     "最高音2",     "自己最高音1",
                                        "自己最高音2", "自己最高音3", "不合格音1"};
    return event >= 1 && event <= 10 ? QString::fromUtf8(names[event]) : QString();
}

std::optional<StartUpError> loadSoundConfiguration(SharedState &state) {
    for (int event = 1; event <= 10; ++event) state.soundTable[std::size_t(event)][0] = soundEventName(event);

    const QString path = state.folders.soundDir + kSoundConfigurationFileName;
    FileError fileError;
    std::optional<ItemReader> reader = ItemReader::open(path, &fileError);
    if (!reader) return StartUpError{path, fileError.message};

    while (std::optional<Item> item = reader->next()) {
        QString current = item->text;
        for (int event = 1; event <= 10; ++event) {
            if (current != soundEventName(event)) continue;
            auto &slots = state.soundTable[std::size_t(event)];
            int count = 0;
            bool closed = false;
            while (count < kMaxFiles) {
                std::optional<Item> name = reader->next();
                if (!name) break;
                current = name->text;
                if (current == kListEnd) {
                    closed = true;
                    break;
                }
                slots[std::size_t(++count)] = current;
            }
            // Twenty names may still be closed by the "*" right after them.
            if (!closed && count == kMaxFiles) {
                ItemReader peek = *reader;
                std::optional<Item> after = peek.next();
                if (after && after->text == kListEnd) {
                    *reader = peek;
                    current = kListEnd;
                    closed = true;
                }
            }
            if (closed) slots[kCountSlot] = QString::number(count);
        }
    }
    return std::nullopt;
}

std::optional<int> soundFileCount(const SharedState &state, int event) {
    if (event < 1 || event > 10) return std::nullopt;
    bool ok = false;
    const int count = state.soundTable[std::size_t(event)][kCountSlot].toInt(&ok);
    if (!ok || count < 1 || count > kMaxFiles) return std::nullopt;
    return count;
}

}  // namespace tsubura
