#include "roster/roster.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/shared_state.h"
#include "test_support.h"

namespace tsubura {
namespace {

using test::TempDir;

QString padded(const QString &name) { return name + QString(20 - name.size(), QLatin1Char(' ')); }

class RosterTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = std::make_unique<SharedState>();
        state->folders.dataRoot = dir.path();
        state->schoolYearStartMonth = Value(4);
    }

    void writeRoster(const QStringList &lines) const { dir.writeText(kRosterFileName, lines); }

    // Loads on 10 May 2005 (school year 2005) and records what the step saw.
    std::optional<RosterError> load() {
        stepCalls.clear();
        return loadRoster(*state, QDate(2005, 5, 10), [this](const StudentEntry &entry, int position) {
            stepCalls.push_back({entry.number, position});
        });
    }

    TempDir dir;
    std::unique_ptr<SharedState> state;
    std::vector<std::pair<int, int>> stepCalls;  // number, position
};

TEST_F(RosterTest, ReadsStudentsIntoPositionAndNumberTables) {
    writeRoster({
        QStringLiteral("12,1997,3,4,\"山田 太郎\",0,\"メモ, その1\",あ"),
        QStringLiteral("7,1990,0,0,\"あいうえおかきくけこさしすせそたちつてとなにぬねの\",0,,"),
        // One student's items may run over several lines: a line end is only a separator.
        QStringLiteral("4500,,,"),
        QStringLiteral("佐藤,0,x,y"),
    });
    ASSERT_FALSE(load());

    EXPECT_EQ(state->schoolYear, 2005);
    EXPECT_EQ(state->rosterCount, 3);
    EXPECT_EQ(stepCalls, (std::vector<std::pair<int, int>>{{12, 1}, {7, 2}, {4500, 3}}));

    const StudentEntry &first = state->roster[1];
    EXPECT_EQ(first.number, 12);
    EXPECT_EQ(first.birthYear, 1997);
    EXPECT_EQ(first.reserved1, 3);
    EXPECT_EQ(first.reserved2, 4);
    EXPECT_EQ(first.name, padded(QStringLiteral("山田 太郎")));
    EXPECT_EQ(first.reservedText1, padded(QStringLiteral("メモ, その1")));
    EXPECT_EQ(first.reservedText2, padded(QStringLiteral("あ")));

    EXPECT_EQ(state->roster[2].name, QStringLiteral("あいうえおかきくけこさしすせそたちつてと"));
    EXPECT_EQ(state->roster[2].reservedText1, padded(QString()));
    EXPECT_EQ(state->roster[3].birthYear, 0);  // empty number items read 0
    EXPECT_EQ(state->roster[3].name, padded(QStringLiteral("佐藤")));

    EXPECT_EQ(state->rosterNumbers[1], 12);
    EXPECT_EQ(state->rosterNumbers[2], 7);
    EXPECT_EQ(state->rosterNumbers[3], 4500);
    EXPECT_EQ(state->rosterNames[12], padded(QStringLiteral("山田 太郎")));
    EXPECT_EQ(state->rosterBirthYears[7], 1990);
    EXPECT_EQ(state->rosterGradeLabels[12], QStringLiteral("小２"));  // 2005 - 1997 - 6
    EXPECT_EQ(state->rosterGradeLabels[7], QStringLiteral("中３"));
    EXPECT_EQ(state->rosterGradeLabels[4500], QString());  // index 1999: no label
}

TEST_F(RosterTest, StepRunsBeforeTheNextLineIsRead) {
    writeRoster({QStringLiteral("1,1997,0,0,一,0,,"), QStringLiteral("2,1997,0,0,二,0,,")});
    std::vector<QString> nextNameSeen;
    ASSERT_FALSE(loadRoster(*state, QDate(2005, 5, 10), [&](const StudentEntry &, int) {
        nextNameSeen.push_back(state->rosterNames[2]);
    }));
    ASSERT_EQ(nextNameSeen.size(), 2u);
    EXPECT_EQ(nextNameSeen[0], QString());
    EXPECT_EQ(nextNameSeen[1], padded(QStringLiteral("二")));
}

TEST_F(RosterTest, StatusDecidesListingButEveryLineIsStoredByNumber) {
    const QStringList lines = {
        QStringLiteral("1,1997,0,0,通常,0,,"),
        QStringLiteral("2,1997,0,0,休会,2,,"),
        QStringLiteral("3,1996,0,0,退会,1,,"),
        QStringLiteral("4,1995,0,0,その他,-5,,"),
    };
    struct SwitchCase {
        Value nameListSwitch;
        std::vector<int> listed;
    };
    const SwitchCase cases[] = {
        {Value(1), {1, 2}},
        {Value::text(QStringLiteral("1")), {1, 2}},
        {Value(0), {1}},
        {Value(), {1}},
        {Value(2), {1}},
    };
    for (const SwitchCase &c : cases) {
        SCOPED_TRACE(c.nameListSwitch.toText().toStdString());
        state = std::make_unique<SharedState>();
        state->folders.dataRoot = dir.path();
        state->nameListSwitch = c.nameListSwitch;
        writeRoster(lines);
        ASSERT_FALSE(load());

        std::vector<int> listed;
        for (auto [number, position] : stepCalls) listed.push_back(number);
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(state->rosterCount, int(c.listed.size()));
        for (int p = 1; p <= state->rosterCount; ++p) EXPECT_EQ(state->rosterNumbers[std::size_t(p)], c.listed[std::size_t(p - 1)]);
        // The unlisted last line sits just past the listed ones.
        EXPECT_EQ(state->rosterNumbers[std::size_t(state->rosterCount + 1)], 4);

        EXPECT_EQ(state->rosterNames[2], padded(QStringLiteral("休会")));
        EXPECT_EQ(state->rosterNames[3], padded(QStringLiteral("退会")));
        EXPECT_EQ(state->rosterBirthYears[3], 1996);
        EXPECT_EQ(state->rosterGradeLabels[3], QStringLiteral("小３"));  // start month unset: school year 2005
        EXPECT_EQ(state->rosterGradeLabels[4], QStringLiteral("小４"));
    }
}

TEST_F(RosterTest, DuplicateNumbersAreBothListedAndTheLaterLineWinsByNumber) {
    writeRoster({QStringLiteral("5,1997,0,0,先,0,,"), QStringLiteral("5,1993,0,0,後,0,,")});
    ASSERT_FALSE(load());
    EXPECT_EQ(state->rosterCount, 2);
    EXPECT_EQ(state->roster[1].name, padded(QStringLiteral("先")));
    EXPECT_EQ(state->roster[2].name, padded(QStringLiteral("後")));
    EXPECT_EQ(state->rosterNames[5], padded(QStringLiteral("後")));
    EXPECT_EQ(state->rosterBirthYears[5], 1993);
    EXPECT_EQ(state->rosterGradeLabels[5], QStringLiteral("小６"));
}

TEST_F(RosterTest, ByNumberTablesKeepValuesThatNoLineOverwrites) {
    state->rosterNames[9] = QStringLiteral("old");
    state->rosterBirthYears[9] = 1234;
    state->rosterGradeLabels[9] = QStringLiteral("old label");
    state->rosterCount = 3;

    writeRoster({});
    ASSERT_FALSE(load());
    EXPECT_EQ(state->rosterCount, 0);
    EXPECT_TRUE(stepCalls.empty());
    EXPECT_EQ(state->rosterNames[9], QStringLiteral("old"));
    EXPECT_EQ(state->rosterBirthYears[9], 1234);
    EXPECT_EQ(state->rosterGradeLabels[9], QStringLiteral("old label"));

    // Grade index 11 (高2) and -1 (幼2) have no full-width label: the old text stays.
    writeRoster({QStringLiteral("9,1988,0,0,高二,0,,"), QStringLiteral("10,2000,0,0,年中,0,,")});
    state->rosterGradeLabels[10] = QStringLiteral("old label");
    ASSERT_FALSE(load());
    EXPECT_EQ(state->rosterNames[9], padded(QStringLiteral("高二")));
    EXPECT_EQ(state->rosterGradeLabels[9], QStringLiteral("old label"));
    EXPECT_EQ(state->rosterGradeLabels[10], QStringLiteral("old label"));
}

TEST_F(RosterTest, MissingFileNamesThePathWithNoSeparatorInserted) {
    state->folders.dataRoot = dir.path() + QStringLiteral("school");
    writeRoster({QStringLiteral("1,1997,0,0,a,0,,")});  // in the folder, not next to the "school" prefix
    const std::optional<RosterError> error = load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, dir.path() + QStringLiteral("school新名簿.txt"));
    EXPECT_EQ(error->line, 0);
    EXPECT_EQ(error->errorNumber, 53);
    EXPECT_TRUE(error->text().startsWith(error->path));

    dir.writeText(QStringLiteral("school新名簿.txt"), {QStringLiteral("1,1997,0,0,a,0,,")});
    EXPECT_FALSE(load());
    EXPECT_EQ(state->rosterCount, 1);
}

TEST_F(RosterTest, MalformedLinesStopTheLoadNamingFileAndLine) {
    const QString good = QStringLiteral("1,1997,0,0,一,0,,");
    struct ErrorCase {
        QString badLine;
        int line;
        int errorNumber;
        const char *messagePart;
    };
    const ErrorCase cases[] = {
        {QStringLiteral("2,abc,0,0,二,0,,"), 2, 13, "abc"},
        {QStringLiteral("2,1997,0,0,二,\"x\",,"), 2, 13, "状態"},
        {QStringLiteral("2,40000,0,0,二,0,,"), 2, 6, "40000"},
        {QStringLiteral("2,1997,0,-32769,二,0,,"), 2, 6, "-32769"},
        {QStringLiteral("2,1997,12345678901,0,二,0,,"), 2, 6, "12345678901"},
        {QStringLiteral("2,1997,0,0,二,1-2,,"), 2, 13, "1-2"},
        {QStringLiteral("5001,1997,0,0,二,0,,"), 2, 9, "5001"},
        {QStringLiteral("-1,1997,0,0,二,0,,"), 2, 9, "-1"},
        {QStringLiteral("2,1997,0,0,二"), 2, 62, "8 項目"},
    };
    for (const ErrorCase &c : cases) {
        SCOPED_TRACE(c.badLine.toStdString());
        writeRoster({good, c.badLine});
        const std::optional<RosterError> error = load();
        ASSERT_TRUE(error);
        EXPECT_EQ(error->path, dir.file(kRosterFileName));
        EXPECT_EQ(error->line, c.line);
        EXPECT_EQ(error->errorNumber, c.errorNumber);
        EXPECT_TRUE(error->message.contains(QString::fromUtf8(c.messagePart))) << error->message.toStdString();
        EXPECT_TRUE(error->text().contains(QStringLiteral(" 2 行目"))) << error->text().toStdString();
        // What was read before the failure stays.
        EXPECT_EQ(state->rosterCount, 1);
        EXPECT_EQ(stepCalls.size(), 1u);
        EXPECT_EQ(state->rosterNames[1], padded(QStringLiteral("一")));
    }
}

TEST_F(RosterTest, NumbersAcceptRoundingAndTheInt16Range) {
    writeRoster({QStringLiteral("5000,32767,-32768,2.5,a,0.4,,"), QStringLiteral("+0007, 1997 ,-0,\"12\",b,0,,")});
    ASSERT_FALSE(load());
    EXPECT_EQ(state->rosterCount, 2);
    EXPECT_EQ(state->roster[1].number, 5000);
    EXPECT_EQ(state->roster[1].birthYear, 32767);
    EXPECT_EQ(state->roster[1].reserved1, -32768);
    EXPECT_EQ(state->roster[1].reserved2, 2);  // halves to even
    EXPECT_EQ(state->roster[2].number, 7);
    EXPECT_EQ(state->roster[2].birthYear, 1997);
    EXPECT_EQ(state->roster[2].reserved1, 0);
    EXPECT_EQ(state->roster[2].reserved2, 12);
}

TEST_F(RosterTest, ListsUpTo5000AndRefusesAnyLineAfterThat) {
    QStringList lines;
    for (int i = 1; i <= 5000; ++i)
        lines << QStringLiteral("%1,1997,0,0,生徒%1,%2,,").arg(i % 5001).arg(i % 7 == 0 ? 1 : 0);
    // The unlisted lines above do not count; top up to exactly 5000 listed.
    const int unlisted = 5000 / 7;
    for (int i = 0; i < unlisted; ++i) lines << QStringLiteral("%1,1997,0,0,追加%1,0,,").arg(i);
    writeRoster(lines);
    ASSERT_FALSE(load());
    EXPECT_EQ(state->rosterCount, 5000);
    EXPECT_EQ(stepCalls.back().second, 5000);

    // Even a line that would not be listed is refused once 5000 are listed.
    for (const QString &extra : {QStringLiteral("3,1997,0,0,x,1,,"), QStringLiteral("3,1997,0,0,x,0,,")}) {
        writeRoster(lines + QStringList{extra});
        const std::optional<RosterError> error = load();
        ASSERT_TRUE(error);
        EXPECT_EQ(error->line, lines.size() + 1);
        EXPECT_EQ(error->errorNumber, 9);
        EXPECT_EQ(state->rosterCount, 5000);
    }
}

}  // namespace
}  // namespace tsubura
