#include "shell/program_definition.h"

#include "shell/shared_state.h"

namespace tsubura {

void defineProgram(SharedState &state) {
    state.programTitle = QStringLiteral("ツブラ");
    state.allLevelsOpen = Value(1);
}

void defineLevelCatalogue(SharedState &state) {
    static const char *const names[] = {
        "混合１",       "ランダム１",   "ランダム２",   "ランダム３",   "せいれつ１",   "せいれつ２",
        "せいれつ３",   "レベル３－１", "レベル３－２", "レベル４練習", "レベル４－1",  "レベル４－２",
        "レベル５練習", "レベル５－１", "レベル５－２", "レベル６練習", "レベル６－１", "レベル６－２",
        "レベル７練習", "レベル７－1",  "レベル７－２", "レベル８練習", "レベル８－１", "レベル８－２",
    };
    state.levelCount = 7;
    state.finalLevel = Value(7);
    for (int index = 1; index <= 24; ++index) state.levelNames[std::size_t(index)] = QString::fromUtf8(names[index - 1]);
}

}  // namespace tsubura
