#include "olap/ConnectionString.h"

#include "platform/FakeServices.h"
#include "platform/VbError.h"
#include "support/RaisedError.h"

#include <functional>
#include <gtest/gtest.h>

using namespace olap;

namespace {

DataSource source(const QString& text)
{
    return DataSource::fromConnectionString(ConnectionString::parse(text));
}

}

TEST(ConnectionString, ParsesTheServerStringsTheProgramBuilds)
{
    const ConnectionString cs = ConnectionString::parse(QStringLiteral(
        "Provider=MSOLAP.4;Persist Security Info=True;TimeOut=100;ShowHiddenCubes=True;"
        "SspropInitAppName=\"Tessaline Tool for Excel - Zelbrin Outlook Solutions\";User ID=\"\";Safety Options=2;"
        "Data Source=olapsrv:5433;Initial Catalog=Sales;Location=olapsrv:5433"));
    EXPECT_EQ(cs.value(QStringLiteral("provider")), QStringLiteral("MSOLAP.4"));
    EXPECT_EQ(cs.value(QStringLiteral("SSPROPINITAPPNAME")),
              QStringLiteral("Tessaline Tool for Excel - Zelbrin Outlook Solutions"));
    EXPECT_EQ(cs.value(QStringLiteral("User ID")), QString());
    const DataSource ds = DataSource::fromConnectionString(cs);
    EXPECT_EQ(ds.kind, DataSource::Kind::Server);
    EXPECT_EQ(ds.host, QStringLiteral("olapsrv"));
    EXPECT_EQ(ds.port, QStringLiteral("5433"));
    EXPECT_EQ(ds.catalog, QStringLiteral("Sales"));
    EXPECT_TRUE(ds.user.isEmpty());
    EXPECT_EQ(ds.connectTimeout, 100);
    EXPECT_EQ(ds.applicationName, QStringLiteral("Tessaline Tool for Excel - Zelbrin Outlook Solutions"));
}

TEST(ConnectionString, QuotedValuesKeepSeparatorsAndQuotes)
{
    const QStringList awkward{QStringLiteral("x;Data Source=evil"),
                              QStringLiteral("say \"hi\""),
                              QStringLiteral("it's"),
                              QStringLiteral(" padded "),
                              QStringLiteral("a=b"),
                              QStringLiteral("'leading"),
                              QStringLiteral("plain"),
                              QString()};
    for (const QString& value : awkward) {
        const QString text = QStringLiteral("Data Source=srv;Initial Catalog=") + ConnectionString::quoteValue(value)
            + QStringLiteral(";User ID=u");
        const ConnectionString cs = ConnectionString::parse(text);
        EXPECT_EQ(cs.value(QStringLiteral("Initial Catalog")), value) << text.toStdString();
        EXPECT_EQ(cs.value(QStringLiteral("Data Source")), QStringLiteral("srv")) << text.toStdString();
        EXPECT_EQ(cs.value(QStringLiteral("User ID")), QStringLiteral("u"));
    }
    EXPECT_EQ(ConnectionString::quoteValue(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(ConnectionString::parse(QStringLiteral("Password='a;''b'")).value(QStringLiteral("password")),
              QStringLiteral("a;'b"));
}

TEST(ConnectionString, KeywordRulesAndSyntaxErrors)
{
    const ConnectionString cs = ConnectionString::parse(QStringLiteral(" a==b = 1 ;; A==B=2; c = spaced value ;"));
    EXPECT_EQ(cs.value(QStringLiteral("a=b")), QStringLiteral("2"));   // the last one counts
    EXPECT_EQ(cs.value(QStringLiteral("C")), QStringLiteral("spaced value"));
    EXPECT_FALSE(cs.contains(QStringLiteral("d")));
    for (const char* bad : {"x=\"unterminated", "x='a'b", "novalue", "=1", "a=1;novalue;b=2"}) {
        EXPECT_EQ(errorOf([&] { ConnectionString::parse(QString::fromUtf8(bad)); }), platform::err::Unspecified) << bad;
    }
}

TEST(ConnectionString, EveryValueRoundTripsThroughQuoting)
{
    const QStringList values{
        QStringLiteral("=secret"),     QStringLiteral("=a=b"),       QStringLiteral("=="),
        QStringLiteral("a==b"),        QStringLiteral("\u00a0nbsp"), QStringLiteral("ideographic\u3000"),
        QStringLiteral("line\nbreak"), QStringLiteral("\r\n"),       QStringLiteral("\"\""),
        QStringLiteral("';'"),         QStringLiteral("x\u2003;y"),  QStringLiteral("=\"")};
    for (const QString& value : values) {
        const QString text =
            QStringLiteral("Password=") + ConnectionString::quoteValue(value) + QStringLiteral(";User ID=u");
        const ConnectionString cs = ConnectionString::parse(text);
        EXPECT_EQ(cs.value(QStringLiteral("Password")), value) << text.toStdString();
        EXPECT_EQ(cs.value(QStringLiteral("User ID")), QStringLiteral("u")) << text.toStdString();
    }
    // A refusal never repeats what a password after "==" made of the key.
    try {
        ConnectionString::parse(QStringLiteral("Data Source=srv;Password==hunter2"));
        ADD_FAILURE();
    } catch (const platform::VbError& e) {
        EXPECT_FALSE(e.description().contains(QStringLiteral("hunter2"))) << e.description().toStdString();
    }
}

TEST(ConnectionString, CubeFilesAndServersAreToldApart)
{
    const DataSource file = source(QStringLiteral("provider=msolap;data source=/data/cubes\\Sales.cub"));
    EXPECT_EQ(file.kind, DataSource::Kind::CubeFile);
    EXPECT_EQ(file.cubeFile, QStringLiteral("/data/cubes/Sales.cub"));
    EXPECT_EQ(source(QStringLiteral("data source=\"/a;b/X.CUB\"")).cubeFile, QStringLiteral("/a;b/X.CUB"));

    const DataSource socket = source(QStringLiteral("Data Source=/run/postgresql;Initial Catalog=db"));
    EXPECT_EQ(socket.kind, DataSource::Kind::Server);
    EXPECT_EQ(socket.host, QStringLiteral("/run/postgresql"));
    EXPECT_TRUE(socket.port.isEmpty());
    const DataSource v6 = source(QStringLiteral("Data Source=[::1]:5433"));
    EXPECT_EQ(v6.host, QStringLiteral("::1"));
    EXPECT_EQ(v6.port, QStringLiteral("5433"));
    EXPECT_EQ(source(QStringLiteral("Data Source=fe80::1")).host, QStringLiteral("fe80::1"));
    const DataSource user = source(QStringLiteral("Data Source=srv;UID=ann;PWD=\"p;w\""));
    EXPECT_EQ(user.user, QStringLiteral("ann"));
    EXPECT_EQ(user.password, QStringLiteral("p;w"));
    EXPECT_TRUE(source(QStringLiteral("Provider=MSOLAP")).host.isEmpty());   // libpq's default server
    EXPECT_EQ(errorOf([] { source(QStringLiteral("Data Source=srv:http")); }), platform::err::Unspecified);
}

class ProviderRegistration : public ::testing::Test
{
protected:
    void unregister(const char* key)
    {
        m_fakes.registry.removeKey(platform::Hive::ClassesRoot, QString::fromLatin1(key));
    }

private:
    platform::FakeServices m_fakes;
};

TEST_F(ProviderRegistration, EveryVersionIsAvailableByDefault)
{
    EXPECT_EQ(ProviderName::resolve(QStringLiteral("msolap.4")).reported(), QStringLiteral("MSOLAP.4"));
    EXPECT_EQ(ProviderName::resolve(QStringLiteral(" MSOLAP.3 ")).reported(), QStringLiteral("MSOLAP.3"));
    EXPECT_EQ(ProviderName::resolve(QStringLiteral("MSOLAP")).reported(), QStringLiteral("MSOLAP.4"));
    for (const char* other : {"SQLOLEDB", "MSOLAP.5", "", "MSOLAP4"})
        EXPECT_EQ(errorOf([&] { ProviderName::resolve(QString::fromLatin1(other)); }), platform::err::Unspecified);
}

TEST_F(ProviderRegistration, OnlyRegisteredVersionsOpen)
{
    unregister("MSOLAP.4");
    EXPECT_EQ(errorOf([] { ProviderName::resolve(QStringLiteral("MSOLAP.4")); }), platform::err::Unspecified);
    EXPECT_EQ(ProviderName::resolve(QStringLiteral("MSOLAP")).reported(), QStringLiteral("MSOLAP.3"));
    unregister("MSOLAP.3");
    EXPECT_EQ(ProviderName::resolve(QStringLiteral("MSOLAP")).reported(), QStringLiteral("MSOLAP"));
    unregister("MSOLAP");
    EXPECT_EQ(errorOf([] { ProviderName::resolve(QStringLiteral("MSOLAP")); }), platform::err::Unspecified);
}
