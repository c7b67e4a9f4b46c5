#include <gtest/gtest.h>

#include "shell/item_reader.h"
#include "shell/text_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

QStringList allItems(const QString &text) {
    ItemReader reader(text);
    QStringList items;
    while (auto item = reader.next()) items << item->text;
    return items;
}

TEST(ItemReader, SeparatesItemsLikeTheSchoolFiles) {
    struct Case {
        const char *text;
        QStringList items;
    } cases[] = {
        {"a,b\r\nc", {"a", "b", "c"}},
        {"  a  ,  b c  \r\n", {"a", "b c"}},
        {"\"x, y\",z", {"x, y", "z"}},
        {"\" padded \",q", {" padded ", "q"}},
        {"h1,h2,,,\r\n1,2", {"h1", "h2", "", "", "", "1", "2"}},
        {"a\n\r\n\r\nb\r\n\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"last,", {"last", ""}},
        {"", {}},
    };
    for (const Case &c : cases) EXPECT_EQ(allItems(QString::fromUtf8(c.text)), c.items) << c.text;
}

TEST(ItemReader, AtEndIgnoresTrailingBlankLinesAndTellsLines) {
    ItemReader reader(QStringLiteral("a,b\r\nc\r\n\r\n  \r\n"));
    EXPECT_EQ(reader.line(), 1);
    reader.next();
    reader.next();
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next()->text, QStringLiteral("c"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next().has_value());
}

TEST(ItemReader, MarksQuotedItems) {
    ItemReader reader(QStringLiteral("\"0123\",0123"));
    auto quoted = reader.next();
    auto plain = reader.next();
    EXPECT_TRUE(quoted->quoted);
    EXPECT_FALSE(plain->quoted);
    EXPECT_EQ(Value::fromItem(quoted->text, true).kind(), Value::Kind::Text);
    EXPECT_EQ(Value::fromItem(plain->text).toNumber(), 123);
    EXPECT_EQ(Value::fromItem(plain->text).toText(), QStringLiteral("0123"));
}

TEST(TextFile, Windows31jRoundTripsSchoolCharacters) {
    const QString text = QStringLiteral("①Ⅰ★ｱｲｳﾃﾞｰﾀ髙橋～");
    const auto bytes = encodeWindows31j(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->left(2), QByteArray("\x87\x40"));  // ① in the NEC row
    EXPECT_EQ(decodeWindows31j(*bytes), text);
    EXPECT_FALSE(encodeWindows31j(QStringLiteral("😀")).has_value());
}

TEST(TextFile, ReadsFileThroughTheItemReader) {
    test::TempDir dir;
    dir.writeText(QStringLiteral("f.txt"), {QStringLiteral("\"①, ★\",ｶﾅ")});
    FileError error;
    auto reader = ItemReader::open(dir.file(QStringLiteral("f.txt")), &error);
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->next()->text, QStringLiteral("①, ★"));
    EXPECT_EQ(reader->next()->text, QStringLiteral("ｶﾅ"));
    EXPECT_FALSE(ItemReader::open(dir.file(QStringLiteral("missing.txt")), &error).has_value());
    EXPECT_EQ(error.path, dir.file(QStringLiteral("missing.txt")));
}

TEST(Value, NothingReadsAsZeroAndEmptyText) {
    Value nothing;
    EXPECT_EQ(nothing.toNumber(), 0);
    EXPECT_EQ(nothing.toText(), QString());
    EXPECT_TRUE(nothing == Value(0));
    EXPECT_TRUE(nothing == Value::text(QString()));
    EXPECT_EQ(Value::text(QStringLiteral("abc")).toNumber(), 0);
    EXPECT_EQ(Value(1.5).toText(), QStringLiteral("1.5"));
    EXPECT_EQ(numberText(1.1f), QStringLiteral("1.1"));
    EXPECT_EQ(numberText(-0.0), QStringLiteral("0"));
}

}  // namespace
}  // namespace tsubura
