// "ServerName.txt", as a user may edit it: any bytes give a server and a database or the
// program's error; the connection strings built from them name that server and database,
// and the password typed for them never shows in a masked text.

#include "FuzzSupport.h"

#include "app/connections/ConnectionStrings.h"
#include "app/connections/CubeDiscovery.h"
#include "olap/ConnectionString.h"
#include "platform/ConnectionStringSyntax.h"
#include "platform/VbError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const QString user = input.text();
    const QString password = input.text();
    connections::ServerAndDatabase read;
    try {
        read = connections::parseServerNameFile(input.rest());
    } catch (const platform::VbError&) {
        return 0;
    }
    const QString templ = connections::connectionstrings::serverTemplate(read.server, read.database, user, password);
    const QString text = connections::connectionstrings::serverPass(templ, 4);
    olap::ConnectionString cs;
    try {
        cs = olap::ConnectionString::parse(text);
    } catch (const platform::VbError& e) {
        fuzz::fail("the program's own connection string parses", e.description() + QLatin1Char('\n') + text);
    }
    FUZZ_CHECK(cs.value(QStringLiteral("Data Source")) == read.server, text);
    if (!read.database.isEmpty())
        FUZZ_CHECK(cs.value(QStringLiteral("Initial Catalog")) == read.database, text);
    if (!user.trimmed().isEmpty()) {
        FUZZ_CHECK(cs.value(QStringLiteral("User ID")) == user, text);
        FUZZ_CHECK(cs.value(QStringLiteral("Password")) == password, text);
        const QString masked = platform::connectionstringsyntax::maskPasswords(text);
        const QString others =
            connections::connectionstrings::serverTemplate(read.server, read.database, user, QString());
        if (password.size() >= 4 && !others.contains(password))
            FUZZ_CHECK(!masked.contains(password), masked);
    }
    const QString pivot =
        connections::connectionstrings::serverPivot(QStringLiteral("Provider=MSOLAP.4"), read.server, read.database);
    try {
        const olap::ConnectionString bound = olap::ConnectionString::parse(pivot);
        FUZZ_CHECK(bound.value(QStringLiteral("Data Source")) == read.server, pivot);
        FUZZ_CHECK(bound.value(QStringLiteral("Initial Catalog")) == read.database, pivot);
    } catch (const platform::VbError& e) {
        fuzz::fail("the pivot table's connection string parses", e.description() + QLatin1Char('\n') + pivot);
    }
    // What the server dialog writes for a server and a database it accepts reads back.
    const auto accepted = [](const QString& name) {
        return !name.contains(QLatin1Char(',')) && !name.contains(QLatin1Char('\n'))
            && !name.contains(QLatin1Char('\r'));
    };
    if (accepted(read.server) && accepted(read.database) && read.server.isValidUtf16()
        && read.database.isValidUtf16()) {
        const auto again =
            connections::parseServerNameFile(connections::serverNameFileBytes(read.server, read.database));
        FUZZ_CHECK(again.server == read.server && again.database == read.database,
                   read.server + QLatin1Char(',') + read.database);
    }
    return 0;
}
