#include <gtest/gtest.h>

#include <QSet>
#include <functional>

#include "platform/clock.h"
#include "platform/portaudio_sound_player.h"
#include "platform/random_source.h"
#include "platform_fakes.h"
#include "shell/shared_state.h"
#include "sound/sound_configuration.h"
#include "sound/sound_cues.h"
#include "test_support.h"

namespace tsubura {
namespace {

const QString kDir = QStringLiteral("/srv/data/音フォルダ/");
const SoundResult kFailed{false, 263, QStringLiteral("maru9.wav: System error : No such file or directory.")};

struct CuesFixture {
    CuesFixture() {
        state.folders.soundDir = kDir;
        random.seed(2026);
    }
    void setList(int event, const QStringList &names) {
        auto &slots = state.soundTable[std::size_t(event)];
        for (int i = 0; i < names.size(); ++i) slots[std::size_t(i + 1)] = names[i];
        slots[21] = QString::number(names.size());
    }
    // Queues the answers of the next plays: true for success.
    void answer(std::initializer_list<bool> outcomes) {
        for (bool ok : outcomes) player.answers.push_back(ok ? SoundResult{} : kFailed);
    }

    SharedState state;
    FakeClock clock;
    RandomSource random;
    test::MessageRecorder messages;
    test::ProgramEndRecorder programEnd;
    test::StarterRecorder starter;
    RecordingSoundPlayer player;
    test::ClockWaiter waiter{clock};
    Platform platform{clock, random, messages, programEnd, starter, player, waiter};
    SoundCues cues{state, platform};
};

TEST(SoundCues, RandomChoiceTakesSlotIntOfRTimesCountPlusOne) {
    CuesFixture f;
    f.setList(kCorrectSound, {QStringLiteral("maru1"), QStringLiteral("maru2"), QStringLiteral("maru3")});
    RandomSource twin;
    twin.seed(2026);
    QSet<QString> chosen;
    for (int i = 0; i < 200; ++i) {
        f.cues.playCorrect();
        const int k = int(twin.next() * 3 + 1);
        ASSERT_EQ(f.player.played.last(), kDir + QStringLiteral("maru%1.wav").arg(k)) << "play " << i;
        chosen.insert(f.player.played.last());
    }
    EXPECT_EQ(chosen.size(), 3);
}

TEST(SoundCues, EachCuePlaysItsFileAndKeepsTheCommand) {
    struct Case {
        const char *name;
        std::function<void(SoundCues &)> play;
        QString file;
    };
    const std::vector<Case> cases = {
        {"correct", &SoundCues::playCorrect, QStringLiteral("maru1.wav")},
        {"wrong", &SoundCues::playWrong, QStringLiteral("batu1.wav")},
        {"personal best", &SoundCues::playPersonalBest, QStringLiteral("jiko1.wav")},
        {"no record", &SoundCues::playNoRecord, QStringLiteral("fugou1.wav")},
        {"warning", &SoundCues::playWarning, QStringLiteral("警告1.wav")},
        {"overall best", &SoundCues::playOverallBest, QStringLiteral("最高1.wav")},
        {"level cleared", &SoundCues::playLevelCleared, QStringLiteral("合格.wav")},
    };
    for (const Case &c : cases) {
        CuesFixture f;
        f.setList(kCorrectSound, {QStringLiteral("maru1")});
        f.setList(kWrongSound, {QStringLiteral("batu1")});
        f.setList(kPersonalBestSound, {QStringLiteral("jiko1")});
        f.setList(kNoRecordSound, {QStringLiteral("fugou1")});
        f.state.mciReply = QStringLiteral("stale");
        c.play(f.cues);
        EXPECT_EQ(f.player.played, QStringList{kDir + c.file}) << c.name;
        EXPECT_EQ(f.state.mciCommand, QStringLiteral("play ") + kDir + c.file + QStringLiteral(" wait")) << c.name;
        EXPECT_EQ(f.state.mciResult, QStringLiteral("0")) << c.name;
        EXPECT_EQ(f.state.mciReply, QString()) << c.name;
    }
}

TEST(SoundCues, FolderWithASpaceIsPlayedByItsExactPath) {
    CuesFixture f;
    f.state.folders.soundDir = QStringLiteral("/srv/my data/音 フォルダ/");
    f.setList(kCorrectSound, {QStringLiteral("maru 1")});
    f.cues.playCorrect();
    f.cues.playWarning();
    EXPECT_EQ(f.player.played, (QStringList{QStringLiteral("/srv/my data/音 フォルダ/maru 1.wav"),
                                            QStringLiteral("/srv/my data/音 フォルダ/警告1.wav")}));
    EXPECT_EQ(f.state.soundFailures, 0);
}

TEST(SoundCues, AnswerSoundFailuresEndTheProgramOnlyAtTheFourthInARow) {
    struct Case {
        const char *name;
        std::initializer_list<bool> outcomes;
        bool ends;
        int failuresAfter;
    };
    const Case cases[] = {
        {"three failures", {false, false, false}, false, 3},
        {"three, a success, three", {false, false, false, true, false, false, false}, false, 3},
        {"a success resets the count", {false, false, true}, false, 0},
        {"four in a row", {false, false, false, false}, true, 3},
        {"four after a success", {false, true, false, false, false, false}, true, 3},
    };
    for (const Case &c : cases) {
        CuesFixture f;
        f.setList(kCorrectSound, {QStringLiteral("maru1")});
        f.setList(kWrongSound, {QStringLiteral("batu1")});
        f.answer(c.outcomes);
        // The correct and wrong sounds share one counter.
        const std::optional<int> status = test::endStatusOf([&] {
            for (std::size_t i = 0; i < c.outcomes.size(); ++i)
                i % 2 == 0 ? f.cues.playCorrect() : f.cues.playWrong();
        });
        EXPECT_EQ(status.has_value(), c.ends) << c.name;
        EXPECT_EQ(f.messages.shown.size(), c.ends ? 1 : 0) << c.name;
        EXPECT_EQ(f.state.soundFailures, c.failuresAfter) << c.name;
    }
}

TEST(SoundCues, TheFourthFailureShowsTheErrorTextAndEndsWithAFailureStatus) {
    CuesFixture f;
    f.setList(kWrongSound, {QStringLiteral("batu1")});
    f.answer({false, false, false, false});
    // The fourth play never returns: nothing after it runs.
    int returned = 0;
    const std::optional<int> status = test::endStatusOf([&] {
        for (int i = 0; i < 4; ++i) {
            f.cues.playWrong();
            ++returned;
        }
    });
    EXPECT_EQ(returned, 3);
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("音声エラー"));
    EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + kFailed.text);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(f.state.mciResult, QStringLiteral("263"));
    EXPECT_EQ(f.state.mciReply, kFailed.text);
}

TEST(SoundCues, OtherSoundsNeitherEndTheProgramNorTouchTheCount) {
    CuesFixture f;
    f.setList(kCorrectSound, {QStringLiteral("maru1")});
    f.setList(kPersonalBestSound, {QStringLiteral("jiko1")});
    f.setList(kNoRecordSound, {QStringLiteral("fugou1")});
    f.state.soundFailures = 3;
    f.answer({false, false, false, false, false, true, true, true, true, true});
    for (int round = 0; round < 2; ++round) {
        f.cues.playPersonalBest();
        f.cues.playNoRecord();
        f.cues.playWarning();
        f.cues.playOverallBest();
        f.cues.playLevelCleared();
    }
    EXPECT_EQ(f.player.played.size(), 10);
    EXPECT_FALSE(f.programEnd.ended());
    EXPECT_TRUE(f.messages.shown.isEmpty());
    EXPECT_EQ(f.state.soundFailures, 3);
    f.answer({false});
    // still the fourth answer failure in a row
    EXPECT_EQ(test::endStatusOf([&] { f.cues.playCorrect(); }), 1);
}

TEST(SoundCues, EventWithoutAClosedListIsSilent) {
    for (const QString &countSlot : {QString(), QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("21")}) {
        CuesFixture f;
        f.state.soundTable[kCorrectSound][1] = QStringLiteral("maru1");  // names without a closing "*"
        f.state.soundTable[kCorrectSound][21] = countSlot;
        f.state.soundFailures = 3;
        f.cues.playCorrect();
        f.cues.playWrong();
        f.cues.playPersonalBest();
        f.cues.playNoRecord();
        EXPECT_TRUE(f.player.played.isEmpty()) << countSlot.toStdString();
        EXPECT_FALSE(f.programEnd.ended()) << countSlot.toStdString();
        EXPECT_EQ(f.state.soundFailures, 3) << countSlot.toStdString();  // silence is neither success nor failure
    }
}

// The whole road with the real player: a listed file missing from a folder whose path has a
// space fails with the player's own text, and the fourth correct answer in a row ends the program.
TEST(SoundCues, AListedFileMissingFromTheFolderEndsTheProgramAtTheFourthCorrectAnswer) {
    test::TempDir dir;
    dir.writeText(QStringLiteral("音 フォルダ/新音ファイル.txt"), {QStringLiteral("正解音2, maru1, *")});
    CuesFixture f;
    f.state.folders.soundDir = dir.file(QStringLiteral("音 フォルダ/"));
    ASSERT_FALSE(loadSoundConfiguration(f.state).has_value());
    PortAudioSoundPlayer player;
    Platform platform{f.clock, f.random, f.messages, f.programEnd, f.starter, player, f.waiter};
    SoundCues cues(f.state, platform);
    for (int i = 0; i < 3; ++i) cues.playCorrect();
    EXPECT_FALSE(f.programEnd.ended());
    EXPECT_EQ(test::endStatusOf([&] { cues.playCorrect(); }), 1);
    ASSERT_EQ(f.messages.shown.size(), 1);
    const QString missing = dir.file(QStringLiteral("音 フォルダ/maru1.wav"));
    EXPECT_TRUE(f.messages.shown[0].text.startsWith(QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + missing))
        << f.messages.shown[0].text.toStdString();
    EXPECT_TRUE(f.programEnd.ended());
    EXPECT_EQ(f.state.mciCommand, QStringLiteral("play ") + missing + QStringLiteral(" wait"));
}

}  // namespace
}  // namespace tsubura
