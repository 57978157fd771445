// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/InterfaceLanguage.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/TempSettings.h"

namespace {

using namespace InterfaceLanguage;

TEST(InterfaceLanguage, TheDesktopsLocaleDecides)
{
    for (const char *german : {"de_DE.UTF-8", "de_AT", "C", "C.UTF-8", "POSIX", ""})
        EXPECT_EQ(FromLocaleName(QString::fromLatin1(german)), Language::German) << german;
    for (const char *english : {"en_US.UTF-8", "fr_FR.UTF-8", "nl_NL@euro"})
        EXPECT_EQ(FromLocaleName(QString::fromLatin1(english)), Language::English) << english;
}

TEST(InterfaceLanguage, TheCommandLineAndTheSettingOverrideTheDesktop)
{
    const auto args = [](std::initializer_list<const char *> words) {
        QStringList list{QStringLiteral("Quintora")};
        for (const char *word : words)
            list.append(QString::fromLatin1(word));
        return list;
    };
    QString error;
    EXPECT_EQ(FromArguments(args({"--lang", "en"}), &error), Language::English);
    EXPECT_EQ(FromArguments(args({"--lang=DE"}), &error), Language::German);
    EXPECT_EQ(FromArguments(args({"-platform", "xcb"}), &error), std::nullopt);
    EXPECT_TRUE(error.isEmpty());
    for (const auto &bad : {args({"--lang"}), args({"--lang", "fr"}), args({"--lang="})}) {
        error.clear();
        EXPECT_EQ(FromArguments(bad, &error), std::nullopt);
        EXPECT_TRUE(error.contains(QStringLiteral("de or en"))) << error.toStdString();
    }

    EXPECT_EQ(Choose(Language::English, Language::German, u"de_DE.UTF-8"), Language::English);
    EXPECT_EQ(Choose(std::nullopt, Language::German, u"en_US.UTF-8"), Language::German);
    EXPECT_EQ(Choose(std::nullopt, std::nullopt, u"en_US.UTF-8"), Language::English);
}

TEST(InterfaceLanguage, TheSettingIsReadAndABadOneIsIgnored)
{
    const TempSettings settings;
    const QString app = QStringLiteral("Quintora");
    EXPECT_EQ(FromSettings(QStringLiteral("Velmarin"), app), std::nullopt);
    for (const auto &[contents, expected] : {std::pair{"[Interface]\nLanguage=en\n", std::optional(Language::English)},
                                             std::pair{"[Interface]\nLanguage= de \n", std::optional(Language::German)},
                                             std::pair{"[Interface]\nLanguage=klingon\n", std::optional<Language>()},
                                             std::pair{"[Interface\nLanguage=\xff\xfe\n", std::optional<Language>()}}) {
        settings.Write(app, QString::fromLatin1(contents));
        EXPECT_EQ(FromSettings(QStringLiteral("Velmarin"), app), expected) << contents;
    }
}

} // namespace
