// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/TeamFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "rosters/TextEncoding.h"

using namespace std::string_literals;

namespace {

QStringList Lines(const std::string &bytes)
{
    return TeamFile::ParseLines(bytes);
}

QString WriteFile(const QTemporaryDir &dir, const QString &name, const std::string &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qsizetype(bytes.size()));
    return path;
}

QString ExpectedMessage(const QString &path, int error)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// The message of the error that reading `path` throws; empty when nothing is thrown.
QString ReadError(const QString &path)
{
    try {
        TeamFile::Read(path);
    } catch (const TeamFileError &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

TEST(TeamFileLines, EveryKindOfLineEndEndsOneLine)
{
    // a CR LF, b LF LF, c CR: the second LF ends an empty line.
    EXPECT_EQ(Lines("a\r\nb\n\nc\r"), (QStringList{"a", "b", "", "c"}));
    EXPECT_EQ(Lines("a\r\rb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(Lines("a\n\rb"), (QStringList{"a", "", "b"})) << "LF CR is two line ends";
    EXPECT_EQ(Lines("a\r\r\nb"), (QStringList{"a", "", "b"}));
}

TEST(TeamFileLines, AFinalLineEndAddsNoEmptyLine)
{
    EXPECT_EQ(Lines("a\nb\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n"), (QStringList{"a"}));
    EXPECT_EQ(Lines("a\r"), (QStringList{"a"}));
    EXPECT_EQ(Lines("a"), (QStringList{"a"})) << "the last line needs no line end";
    EXPECT_EQ(Lines("\n"), (QStringList{""}));
    EXPECT_EQ(Lines("\r\n\r\n"), (QStringList{"", ""}));
}

TEST(TeamFileLines, EmptyTextGivesNoLines)
{
    EXPECT_TRUE(Lines("").isEmpty());
    EXPECT_TRUE(TeamFile::SplitLines("").empty());
}

TEST(TeamFileLines, NulEndsTheText)
{
    EXPECT_EQ(Lines("a\nb\0c\nd"s), (QStringList{"a", "b"}));
    EXPECT_EQ(Lines("a\n\0b"s), (QStringList{"a"}));
    EXPECT_TRUE(Lines("\0a\nb"s).isEmpty());
    // A byte that is not UTF-8 after the NUL does not change how the text before it reads.
    EXPECT_EQ(Lines("J\xC3\xB6rg\0\xFF"s), (QStringList{QStringLiteral("Jörg")}));
}

TEST(TeamFileLines, LinesAreKeptExactlyAsWritten)
{
    EXPECT_EQ(Lines(" 4  Anna Berg \t\n\n  \n99"), (QStringList{" 4  Anna Berg \t", "", "  ", "99"}));
}

TEST(TeamFileLines, SplitLinesViewsTheBytesInPlace)
{
    const std::string bytes = "ab\r\ncd";
    const auto lines = TeamFile::SplitLines(bytes);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].data(), bytes.data());
    EXPECT_EQ(lines[1].data(), bytes.data() + 4);
    EXPECT_EQ(lines[1], "cd");
}

TEST(TeamFileEncoding, Utf8WithAndWithoutByteOrderMark)
{
    EXPECT_EQ(Lines("4 J\xC3\xBCrgen M\xC3\xBCller\n5 Stra\xC3\x9F"
                    "e"),
              (QStringList{QStringLiteral("4 Jürgen Müller"), QStringLiteral("5 Straße")}));
    EXPECT_EQ(Lines("\xEF\xBB\xBF"
                    "4 J\xC3\xBCrgen\r\n"),
              (QStringList{QStringLiteral("4 Jürgen")}));
    EXPECT_TRUE(Lines("\xEF\xBB\xBF").isEmpty()) << "a mark alone is no line";
    // Only a leading mark is dropped.
    EXPECT_EQ(Lines("a\n\xEF\xBB\xBF"
                    "b")
                  .at(1),
              QString(QChar(0xFEFF)) + QLatin1Char('b'));
}

TEST(TeamFileEncoding, AMarkedFileWithADamagedSequenceStaysUtf8)
{
    const QStringList lines = Lines("\xEF\xBB\xBF"
                                    "M\xC3\xBCller\n\xFF");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("Müller"));
    EXPECT_EQ(lines[1], QString(QChar(QChar::ReplacementCharacter)));
}

TEST(TeamFileEncoding, AnythingElseIsWindows1252)
{
    EXPECT_EQ(Lines("4 J\xFCrgen M\xFCller\r\n5 Stra\xDF"
                    "e\r\n6 \x80\x84\x93\x94"),
              (QStringList{QStringLiteral("4 Jürgen Müller"), QStringLiteral("5 Straße"), QStringLiteral("6 €„“”")}));
    // One byte that is not UTF-8 decides for the whole file: the UTF-8
    // looking pair in the first line reads as two Windows-1252 characters.
    EXPECT_EQ(Lines("\xC3\xBC\n\xFC"), (QStringList{QStringLiteral("Ã¼"), QStringLiteral("ü")}));
}

TEST(TeamFileEncoding, Windows1252Table)
{
    const QString text = TextEncoding::FromWindows1252("\x80\x81\x8A\x8D\x9C\x9F\xA0\xC4\xFF");
    const QString expected = QString(QChar(0x20AC)) + QChar(0x81) + QChar(0x160) + QChar(0x8D) + QChar(0x153)
        + QChar(0x178) + QChar(0xA0) + QChar(0xC4) + QChar(0xFF);
    EXPECT_EQ(text, expected);
}

TEST(TeamFileEncoding, Utf8Validation)
{
    EXPECT_TRUE(TextEncoding::IsValidUtf8(""));
    EXPECT_TRUE(TextEncoding::IsValidUtf8("plain"));
    EXPECT_TRUE(TextEncoding::IsValidUtf8("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x8F\x80")); // ä € basketball
    EXPECT_TRUE(TextEncoding::IsValidUtf8("\xF4\x8F\xBF\xBF")); // U+10FFFF
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xC0\x80")) << "overlong";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xE0\x80\x80")) << "overlong";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xF0\x80\x80\x80")) << "overlong";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xED\xA0\x80")) << "surrogate";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xF4\x90\x80\x80")) << "above U+10FFFF";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xC3")) << "cut short";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xE2\x82")) << "cut short";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xC3\x28")) << "no continuation";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\x80")) << "lone continuation";
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xF5\x80\x80\x80"));
}

TEST(TeamFileRead, ReadsTheSampleTeams)
{
    const QString teams = qEnvironmentVariable("QUINTORA_SOURCE_DIR") + QStringLiteral("/resources/teams/");
    const QStringList adler = TeamFile::Read(teams + QStringLiteral("Adler Nord.txt"));
    const QStringList falken = TeamFile::Read(teams + QStringLiteral("Falken Süd.txt"));
    ASSERT_GE(adler.size(), 10);
    ASSERT_GE(falken.size(), 10);
    EXPECT_EQ(adler.first(), QStringLiteral(" 4 Jonas Brückner"));
    EXPECT_EQ(falken.first(), QStringLiteral(" 4 Tobias Bäcker"));
    for (const QString &line : adler + falken) {
        EXPECT_FALSE(line.contains(QLatin1Char('\r')));
        EXPECT_FALSE(line.contains(QChar(QChar::ReplacementCharacter)));
    }
}

TEST(TeamFileName, IsTheFileNameWithoutFolderAndExtension)
{
    const std::pair<const char *, const char *> names[] = {
        {"/home/x/Mannschaften/TV Musterstadt U12.txt", "TV Musterstadt U12"},
        {"Falken Süd.txt", "Falken Süd"},
        {"/teams/U.S.C. Nord.txt", "U.S.C. Nord"},
        {"/teams/Adler", "Adler"},
        {"/teams/.txt", ".txt"},
    };
    for (const auto &[path, name] : names)
        EXPECT_EQ(TeamFile::TeamName(QString::fromUtf8(path)), QString::fromUtf8(name)) << path;
}

TEST(TeamFileRead, AHundredThousandLines)
{
    QTemporaryDir dir;
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += std::to_string(i) + " Spieler\r\n";
    const QStringList lines = TeamFile::Read(WriteFile(dir, QStringLiteral("big.txt"), bytes));
    ASSERT_EQ(lines.size(), 100000);
    EXPECT_EQ(lines.first(), QStringLiteral("0 Spieler"));
    EXPECT_EQ(lines.last(), QStringLiteral("99999 Spieler"));
}

TEST(TeamFileRead, EmptyFile)
{
    QTemporaryDir dir;
    EXPECT_TRUE(TeamFile::Read(WriteFile(dir, QStringLiteral("empty.txt"), "")).isEmpty());
}

TEST(TeamFileRead, MissingFileNamesTheFullPathAndTheReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gibt es nicht.txt"));
    try {
        TeamFile::Read(path);
        FAIL() << "no error";
    } catch (const TeamFileError &error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), ExpectedMessage(path, ENOENT));
        EXPECT_EQ(error.Path(), path);
        const std::runtime_error &asRuntimeError = error;
        EXPECT_STREQ(asRuntimeError.what(), error.what());
    }
}

TEST(TeamFileRead, RelativePathIsReportedInFull)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString message = ReadError(QStringLiteral("fehlt.txt"));
    QDir::setCurrent(before);
    EXPECT_EQ(message,
              ExpectedMessage(QFileInfo(dir.filePath(QStringLiteral("fehlt.txt"))).absoluteFilePath(), ENOENT));
}

TEST(TeamFileRead, FolderIsNotAFile)
{
    QTemporaryDir dir;
    EXPECT_EQ(ReadError(dir.path()), ExpectedMessage(dir.path(), EISDIR));
}

TEST(TeamFileRead, PathThroughAFileIsNotAFolder)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir, QStringLiteral("team.txt"), "a\n");
    const QString path = file + QStringLiteral("/b.txt");
    EXPECT_EQ(ReadError(path), ExpectedMessage(path, ENOTDIR));
}

// Reads `path` as an unprivileged user and exits 0 when the error is "permission denied".
[[noreturn]] void ReadAsNobodyAndExit(const QString &path)
{
    if (::setgid(65534) != 0 || ::setuid(65534) != 0)
        std::_Exit(2);
    std::_Exit(ReadError(path) == ExpectedMessage(path, EACCES) ? 0 : 1);
}

TEST(TeamFileRead, NoPermission)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("geheim.txt"), "4 Anna\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file; NoPermissionAsAnotherUser covers this";
    EXPECT_EQ(ReadError(path), ExpectedMessage(path, EACCES));
}

// As root, permissions do not stop reading: the check runs in a child
// process that has given up root.
TEST(TeamFileRead, NoPermissionAsAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to switch users; NoPermission covers this";
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString path = WriteFile(dir, QStringLiteral("geheim.txt"), "4 Anna\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EXIT(ReadAsNobodyAndExit(path), testing::ExitedWithCode(0), "");
}

} // namespace
