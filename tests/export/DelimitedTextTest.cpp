// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/DelimitedText.h"

#include <gtest/gtest.h>

#include "export/TStringList.h"

namespace {

QStringList Split(const char *text)
{
    return DelimitedText::Split(QString::fromUtf8(text));
}

QStringList List(std::initializer_list<const char *> fields)
{
    QStringList list;
    for (const char *field : fields)
        list.append(QString::fromUtf8(field));
    return list;
}

TEST(DelimitedText, QuotedFieldsKeepBlanksAndCommas)
{
    EXPECT_EQ(Split(R"(" 7 Meier, Hans",0:05:07)"), List({" 7 Meier, Hans", "0:05:07"}));
    EXPECT_EQ(Split(R"("",0:00:00)"), List({"", "0:00:00"}));
    EXPECT_EQ(Split(R"("a b","c,d")"), List({"a b", "c,d"}));
}

TEST(DelimitedText, DoubledQuotesStandForOne)
{
    EXPECT_EQ(Split(R"("say ""hi""",x)"), List({R"(say "hi")", "x"}));
    EXPECT_EQ(Split(R"("""",x)"), List({R"(")", "x"}));
    EXPECT_EQ(Split(R"("a""b")"), List({R"(a"b)"}));
}

TEST(DelimitedText, UnquotedFieldsEndAtBlanksAndDelimiters)
{
    EXPECT_EQ(Split("a,b,c"), List({"a", "b", "c"}));
    // A blank ends an unquoted field; what follows is a field of its own.
    EXPECT_EQ(Split("Hans Meier,3"), List({"Hans", "Meier", "3"}));
    EXPECT_EQ(Split("a\tb"), List({"a", "b"}));
}

TEST(DelimitedText, BlanksAreSkippedAtTheStartAroundFieldsAndAfterDelimiters)
{
    EXPECT_EQ(Split("   a ,   b"), List({"a", "b"}));
    EXPECT_EQ(Split("\x01\x1f a"), List({"a"}));
    EXPECT_EQ(Split(R"(  "x" ,  "y"  )"), List({"x", "y"}));
    EXPECT_EQ(Split("   "), QStringList());
    EXPECT_EQ(Split(""), QStringList());
}

TEST(DelimitedText, DelimitersMakeEmptyFields)
{
    EXPECT_EQ(Split("a,,b"), List({"a", "", "b"}));
    EXPECT_EQ(Split(",a"), List({"", "a"}));
    // A trailing delimiter adds an empty field, but only as the text's very last character.
    EXPECT_EQ(Split("a,"), List({"a", ""}));
    EXPECT_EQ(Split("a, "), List({"a"}));
    EXPECT_EQ(Split(","), List({"", ""}));
}

TEST(DelimitedText, MissingClosingQuoteDropsTheTextsLastCharacter)
{
    EXPECT_EQ(Split(R"("abc)"), List({"ab"}));
    EXPECT_EQ(Split(R"("a,b c)"), List({"a,b "}));
    EXPECT_EQ(Split(R"(x,"abc)"), List({"x", "ab"}));
    EXPECT_EQ(Split(R"("a""b)"), List({R"(a")"}));
    EXPECT_EQ(Split(R"(")"), List({""}));
    EXPECT_EQ(Split(R"("a)"), List({""}));
}

TEST(DelimitedText, TextAfterAClosingQuoteIsAFieldOfItsOwn)
{
    EXPECT_EQ(Split(R"("ab"cd,e)"), List({"ab", "cd", "e"}));
}

TEST(DelimitedText, CharactersBeyondTheBasicPlaneStayWhole)
{
    const QString text = QStringLiteral("\"\U0001F3C0 K\u00f6rber\",0:01:00");
    EXPECT_EQ(DelimitedText::Split(text),
              QStringList({QStringLiteral("\U0001F3C0 K\u00f6rber"), QStringLiteral("0:01:00")}));
    // Without a closing quote the dropped last character is the whole pair, not half of it.
    EXPECT_EQ(DelimitedText::Split(QStringLiteral("\"ab\U0001F3C0")), QStringList({QStringLiteral("ab")}));
    EXPECT_EQ(DelimitedText::Split(QStringLiteral("\"\U0001F3C0")), QStringList({QString()}));
}

TEST(DelimitedText, QuoteDoublesQuotesSoTheSplitReadsTheFieldBack)
{
    for (const char *field : {"", " 7 Meier", R"(Hans "Hansi" Meier)", R"(")", R"("")", "a,b", R"(x",y)"}) {
        const QString original = QString::fromUtf8(field);
        EXPECT_EQ(DelimitedText::Split(DelimitedText::Quote(original) + QStringLiteral(",0:00:00")),
                  QStringList({original, QStringLiteral("0:00:00")}))
            << field;
    }
}

TEST(TStringList, SettingTheDelimitedTextReplacesTheList)
{
    TStringList list;
    list.Add(QStringLiteral("old"));
    list.SetDelimitedText(u"\"a\",b");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], QStringLiteral("a"));
    EXPECT_EQ(list[1], QStringLiteral("b"));
    list.SetDelimitedText(u"");
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
