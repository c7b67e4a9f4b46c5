#include <gtest/gtest.h>

#include "shell/shared_state.h"
#include "sound/sound_configuration.h"
#include "test_support.h"

namespace tsubura {
namespace {

SharedState loadSounds(const test::TempDir &dir, const QStringList &lines) {
    dir.writeText(QStringLiteral("音フォルダ/新音ファイル.txt"), lines);
    SharedState state;
    state.folders.soundDir = dir.file(QStringLiteral("音フォルダ/"));
    EXPECT_FALSE(loadSoundConfiguration(state).has_value());
    return state;
}

QString names(int from, int to) {
    QStringList list;
    for (int i = from; i <= to; ++i) list << QStringLiteral("f%1").arg(i);
    return list.join(QLatin1Char(','));
}

TEST(SoundConfiguration, ListsFillTheirEvents) {
    test::TempDir dir;
    SharedState state = loadSounds(dir, {QStringLiteral("ごみ,正解音2, maru1, maru2, maru3, *"),
                                         QStringLiteral("間違い音2, batu1, batu2, *"),
                                         QStringLiteral("不合格音1,\"a b\",*"), QStringLiteral("正解音2,x,*")});
    EXPECT_EQ(state.soundTable[1][0], QStringLiteral("正解音1"));
    EXPECT_EQ(soundFileCount(state, kCorrectSound), 1);  // the second list overwrites from slot 1
    EXPECT_EQ(state.soundTable[2][1], QStringLiteral("x"));
    EXPECT_EQ(state.soundTable[2][2], QStringLiteral("maru2"));
    EXPECT_EQ(soundFileCount(state, kWrongSound), 2);
    EXPECT_EQ(state.soundTable[10][1], QStringLiteral("a b"));
    EXPECT_FALSE(soundFileCount(state, kPersonalBestSound).has_value());  // never listed: silent
}

TEST(SoundConfiguration, LongListsKeepTwentyNames) {
    test::TempDir dir;
    SharedState state = loadSounds(dir, {QStringLiteral("正解音2,") + names(1, 25) + QStringLiteral(",*"),
                                         QStringLiteral("間違い音2,") + names(1, 20) + QStringLiteral(",*")});
    EXPECT_EQ(state.soundTable[2][20], QStringLiteral("f20"));
    EXPECT_FALSE(soundFileCount(state, kCorrectSound).has_value());  // never closed
    EXPECT_EQ(soundFileCount(state, kWrongSound), 20);               // exactly twenty, closed
}

}  // namespace
}  // namespace tsubura
