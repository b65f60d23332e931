#include "platform/Result.h"
#include "platform/SoftAssert.h"

#include <QStringList>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

platform::Result<int> parsed(const QString& text)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (!number)
        return platform::Failure{QStringLiteral("Not a number"), text};
    return value;
}

TEST(Result, CarriesTheValueOrTheWholeFailure)
{
    const auto good = parsed(QStringLiteral("42"));
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(good.value(), 42);
    EXPECT_TRUE(good.failure().message.isEmpty());

    const auto bad = parsed(QStringLiteral("x"));
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.failure().text(), QStringLiteral("x: Not a number"));
    EXPECT_THROW((void)bad.value(), std::bad_optional_access);

    const platform::Result<void> refused =
        platform::Failure{QStringLiteral("Cannot write"), QStringLiteral("/r/a.txt"), ENOSPC};
    EXPECT_FALSE(refused.ok());
    const QString reason = QString::fromLocal8Bit(std::strerror(ENOSPC));
    EXPECT_EQ(refused.failure().text(), QStringLiteral("/r/a.txt: Cannot write (") + reason + QLatin1Char(')'));
    // What is not known is left out, separators and all.
    EXPECT_EQ((platform::Failure{{}, QStringLiteral("/r/a.txt"), ENOSPC}.text()),
              QStringLiteral("/r/a.txt: ") + reason);
    EXPECT_EQ((platform::Failure{QStringLiteral("No thread"), {}, ENOSPC}.text()),
              QStringLiteral("No thread (") + reason + QLatin1Char(')'));
    EXPECT_EQ((platform::Failure{{}, {}, ENOSPC}.text()), reason);
    EXPECT_TRUE(platform::Result<void>().ok());
}

QStringList g_logged;

void keep(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    g_logged.append(QString::fromLatin1(context.category) + QLatin1Char(' ') + message);
}

TEST(SoftAssert, LogsWhereItFailedToTheProgrammingCategoryAndLetsTheCallerRecover)
{
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keep);
    const int line = __LINE__ + 1;
    const bool held = SOFT_ASSERT(1 + 1 == 3);
    const bool alsoHeld = SOFT_ASSERT(true);
    qInstallMessageHandler(previous);

    EXPECT_FALSE(held);
    EXPECT_TRUE(alsoHeld);
    ASSERT_EQ(g_logged.size(), 1);
    EXPECT_TRUE(g_logged[0].startsWith(QStringLiteral("tessaline.programming "))) << g_logged[0].toStdString();
    EXPECT_TRUE(g_logged[0].contains(QStringLiteral("ResultTest.cpp:%1: 1 + 1 == 3 does not hold").arg(line)))
        << g_logged[0].toStdString();
}

}
