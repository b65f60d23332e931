#pragma once

#include "lang/LanguageServices.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// The error call as a test sees it; thrown by the fake so that the reader stops as the
// program would.
struct ErrorCall
{
    QString description;
    long number = 0;
    int line = -1;
    QString procName;
};

// Installs fakes for the common services and records what they were asked; puts the
// services and the phrase table back afterwards.
class LangTest : public ::testing::Test
{
protected:
    // The bytes of a phrase table made of the given lines (fields joined by TAB).
    static QByteArray table(const QList<QStringList>& lines);
    static void useTable(const QByteArray& bytes) { lang::services().phraseTable = bytes; }

    QStringList m_steps;
    QStringList m_messages;

private:
    lang::LanguageServices fakes();

    lang::InstalledLanguageServices m_installed{fakes()};
};
