#include <gtest/gtest.h>

#include <QFile>

#include "shell/settings_files.h"
#include "shell/shared_state.h"
#include "shell/start_up.h"
#include "test_support.h"

namespace tsubura {
namespace {

TEST(StartUp, FillsFoldersSettingsCriteriaAndSounds) {
    test::TempDir dir;
    const QString programDir = test::writeInstallation(dir);
    SharedState state;
    ASSERT_FALSE(runStartUp(state, programDir).has_value());

    const QString data = dir.file(QStringLiteral("data/"));
    EXPECT_EQ(state.folders.dataRoot, data);
    EXPECT_EQ(state.folders.programFolderName, QStringLiteral("ツブラ"));
    EXPECT_EQ(state.folders.programDataDir, data + QStringLiteral("ツブラ/"));
    EXPECT_EQ(state.folders.soundDir, data + QStringLiteral("音フォルダ/"));
    EXPECT_EQ(state.schoolYearStartMonth.toNumber(), 4);
    EXPECT_EQ(state.schoolCode, QStringLiteral("12345"));
    EXPECT_EQ(state.schoolLabel, QStringLiteral("さくら教室"));
    EXPECT_EQ(state.dataChangePassword.toText(), QStringLiteral("0123"));
    EXPECT_EQ(state.programTitle, QStringLiteral("ツブラ"));
    EXPECT_EQ(state.criteria[2].pointMultiplier, 1.5f);
    EXPECT_EQ(state.soundTable[2][2], QStringLiteral("maru2"));
}

TEST(StartUp, DataRootWithoutSeparatorIsNotRepaired) {
    test::TempDir dir;
    const QString programDir = test::writeInstallation(dir);
    dir.writeText(QStringLiteral("パスデータ.txt"), {dir.file(QStringLiteral("data")), QStringLiteral("2,3,4,5,6,7,8,9,10")});
    SharedState state;
    const auto error = runStartUp(state, programDir);
    ASSERT_TRUE(error.has_value());  // "data共通データ.txt" does not exist
    EXPECT_EQ(error->path, dir.file(QStringLiteral("data共通データ.txt")));
}

TEST(StartUp, NamesTheFileThatStopsIt) {
    struct Case {
        const char *file;
        QStringList lines;  // empty: remove the file
        const char *fragment;
    } cases[] = {
        {"パスデータ.txt", {}, "ファイルがありません"},
        {"data/共通データ.txt", {QStringLiteral("4,さくら,0")}, "項目が足りません"},
        {"data/ツブラ/タイム回数データ.txt", {}, "ファイルがありません"},
        {"data/ツブラ/タイム回数データ.txt", {QStringLiteral("a,b,c,d,e,f,g,h,i,,,"), QStringLiteral("20,30,100")}, "項目が足りません"},
        {"data/音フォルダ/新音ファイル.txt", {}, "ファイルがありません"},
    };
    for (const Case &c : cases) {
        test::TempDir dir;
        const QString programDir = test::writeInstallation(dir);
        const QString name = QString::fromUtf8(c.file);
        if (c.lines.isEmpty())
            QFile::remove(dir.file(name));
        else
            dir.writeText(name, c.lines);
        SharedState state;
        const auto error = runStartUp(state, programDir);
        ASSERT_TRUE(error.has_value()) << c.file;
        EXPECT_EQ(error->path, dir.file(name)) << c.file;
        EXPECT_TRUE(error->message.contains(QString::fromUtf8(c.fragment))) << error->message.toStdString();
    }
}

TEST(SchoolLabel, SplitsALeadingCode) {
    struct Case {
        const char *item, *code, *label;
    } cases[] = {
        {"12345さくら教室", "12345", "さくら教室"},
        {"さくら教室", "", "さくら教室"},
        {"12a45東京", "12a45", "東京"},
        {"00000東京", "", "00000東京"},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        const SchoolLabelParts parts = splitSchoolLabel(QString::fromUtf8(c.item));
        EXPECT_EQ(parts.code, QString::fromUtf8(c.code)) << c.item;
        EXPECT_EQ(parts.label, QString::fromUtf8(c.label)) << c.item;
    }
}

}  // namespace
}  // namespace tsubura
