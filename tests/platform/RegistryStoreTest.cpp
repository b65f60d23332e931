#include "platform/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::Hive;
using platform::RegistryStore;

TEST(RegistryStore, FreshUserSeesOurClassRegistrationsAndTheUrlOpener)
{
    QTemporaryDir dir;
    RegistryStore store(dir.path());
    EXPECT_TRUE(store.keyExists(Hive::ClassesRoot, QStringLiteral("OWC11.ChartSpace")));
    EXPECT_TRUE(store.keyExists(Hive::ClassesRoot, QStringLiteral("msolap.3")));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin")));
    EXPECT_EQ(store.value(Hive::ClassesRoot, QStringLiteral("http\\shell\\open\\command")),
              QStringLiteral("\"/usr/bin/xdg-open\" \"%1\""));
}

TEST(RegistryStore, ValuesAndRemovalsPersistAcrossInstances)
{
    QTemporaryDir dir;
    {
        RegistryStore store(dir.path());
        store.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("LanguageOnly4Test"),
                       QStringLiteral("7"));
        store.setValue(Hive::ClassesRoot, QStringLiteral("Custom\\Key"), QString(), QStringLiteral("default"));
        store.removeKey(Hive::ClassesRoot, QStringLiteral("OWC11.ChartSpace"));
    }
    RegistryStore again(dir.path());
    EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("software\\zelbrin"), QStringLiteral("languageonly4test")),
              QStringLiteral("7"));
    EXPECT_EQ(again.value(Hive::ClassesRoot, QStringLiteral("Custom\\Key")), QStringLiteral("default"));
    EXPECT_FALSE(again.keyExists(Hive::ClassesRoot, QStringLiteral("OWC11.ChartSpace")));
    EXPECT_TRUE(again.keyExists(Hive::ClassesRoot, QStringLiteral("OWC10.ChartSpace")));
}

TEST(RegistryStore, ValuesReadBackAsWrittenWhateverTheirCharacters)
{
    QTemporaryDir dir;
    const QStringList texts = {
        QString(QChar(QChar::ByteOrderMark)) + QStringLiteral("after a mark"),
        QString(QChar(QChar::ByteOrderMark)),
        QStringLiteral("\x02\xFEFF after an escaped character"),
        QStringLiteral("@at, \"quoted\", ;semi\\back\nline"),
        QString(),
    };
    {
        RegistryStore store(dir.path());
        for (qsizetype i = 0; i < texts.size(); ++i)
            store.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QString::number(i), texts[i]);
    }
    RegistryStore again(dir.path());
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QString::number(i)), texts[i]);
}

TEST(RegistryStore, MissingValueIsNoValueNotAnEmptyText)
{
    QTemporaryDir dir;
    RegistryStore store(dir.path());
    EXPECT_FALSE(store.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("x")).has_value());
    EXPECT_FALSE(store.value(Hive::ClassesRoot, QStringLiteral("OWC.Chart"), QStringLiteral("x")).has_value());
}

TEST(RegistryStore, AHiveThatCannotBeWrittenKeepsTheFileItHad)
{
    QTemporaryDir dir;
    {
        RegistryStore store(dir.path());
        store.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Kept"),
                       QStringLiteral("1"));
    }
    // The next write cannot reach its scratch file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("HKCU.ini.new")));
    {
        RegistryStore store(dir.path());
        store.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Lost"),
                       QStringLiteral("2"));
    }
    RegistryStore again(dir.path());
    EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Kept")),
              QStringLiteral("1"));
}

namespace {

QByteArrayList fileLines(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList();
}

void handEdit(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}

TEST(RegistryStore, HandEditedKeysWithAnEmptySegmentReadAsNothingAndStayInTheFile)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"\\y=", "y="},
        {"\\y=hello", "y=hello"},
        {"[software]\n\\zelbrin\\languageonly4test=7\n", "\\zelbrin\\languageonly4test=7"},
        // Beside an entry of no name, and below an entry of ours spelt in capitals.
        {"=top\n\\y=hello", "y=hello"},
        {"[Software]\nZelbrin\\Other=1\nZelbrin\\Other\\\\x=2\n", "Zelbrin\\Other\\\\x=2"},
    };
    for (const auto& [text, kept] : cases) {
        SCOPED_TRACE(text.toStdString());
        QTemporaryDir dir;
        const QString hive = dir.filePath(QStringLiteral("HKCU.ini"));
        handEdit(hive, text + "\n[software]\nzelbrin\\kept=1\n");
        {
            RegistryStore store(dir.path());
            EXPECT_EQ(store.value(Hive::CurrentUser, QString(), QStringLiteral("y")), std::nullopt);
            EXPECT_EQ(store.value(Hive::CurrentUser, QStringLiteral("software\\\\zelbrin"),
                                  QStringLiteral("languageonly4test")),
                      std::nullopt);
            store.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Written"),
                           QStringLiteral("2"));
        }
        EXPECT_TRUE(fileLines(hive).contains(kept)) << fileLines(hive).join('\n').toStdString();
        RegistryStore again(dir.path());
        EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Kept")),
                  QStringLiteral("1"));
        EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Written")),
                  QStringLiteral("2"));
    }
}

TEST(RegistryStore, KeyPathsWithAnEmptySegmentOrNoneAtAllReadBackAfterARestart)
{
    QTemporaryDir dir;
    {
        RegistryStore store(dir.path());
        store.setValue(Hive::CurrentUser, QStringLiteral("Software\\\\Zelbrin\\"), QStringLiteral("A"),
                       QStringLiteral("1"));
        store.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("B"),
                       QStringLiteral("2"));
        store.setValue(Hive::CurrentUser, QString(), QStringLiteral("Top"), QStringLiteral("3"));
        EXPECT_EQ(store.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("A")),
                  QStringLiteral("1"));
    }
    RegistryStore again(dir.path());
    EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("\\Software\\\\Zelbrin"), QStringLiteral("A")),
              QStringLiteral("1"));
    EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("B")),
              QStringLiteral("2"));
    EXPECT_EQ(again.value(Hive::CurrentUser, QString(), QStringLiteral("Top")), QStringLiteral("3"));
}

TEST(RegistryStore, WhatIsRemovedStaysRemovedThoughTheFileIsWrittenOverItsCopy)
{
    QTemporaryDir dir;
    handEdit(dir.filePath(QStringLiteral("HKCU.ini")),
             "[software]\nzelbrin\\gone=1\nzelbrin\\sub\\gone=2\nother\\kept=3\n");
    {
        RegistryStore store(dir.path());
        store.removeKey(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"));
    }
    RegistryStore again(dir.path());
    EXPECT_FALSE(again.keyExists(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin")));
    EXPECT_FALSE(again.keyExists(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin\\Sub")));
    EXPECT_EQ(again.value(Hive::CurrentUser, QStringLiteral("Software\\Other"), QStringLiteral("Kept")),
              QStringLiteral("3"));
}
