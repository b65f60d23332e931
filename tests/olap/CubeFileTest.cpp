#include "SampleCubes.h"

#include "olap/AnswerLimits.h"
#include "olap/Catalog.h"
#include "olap/Connection.h"
#include "olap/CubeProvider.h"
#include "platform/VbError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

using namespace olap;

namespace {

QString fileString(const QString& path)
{
    return QStringLiteral("Provider=MSOLAP.4;data source=") + path;
}

QString writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = testcubes::folder() + QLatin1Char('/') + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Opening and reading the whole cube must end in the provider's error or in success,
// never in a crash (the sanitizers watch this).
long openAndReadAll(const QString& path)
{
    try {
        Connection connection;
        connection.Open(fileString(path));
        auto cube = connection.openCube(QString());
        PivotQuery q;
        for (const Hierarchy& h : cube->schema().hierarchies) {
            AxisField f;
            f.hierarchy = h.name;
            f.level = int(h.levels.size()) - 1;
            q.rows.fields.append(f);
        }
        for (const Measure& m : cube->schema().measures)
            q.measures << m.name;
        cube->query(q);
    } catch (const platform::VbError& e) {
        return e.number();
    }
    return 0;
}

// Order lines by channel, the hierarchy the key tests below play with.
CellSet orderLinesByChannel(const QString& path, bool showEmpty)
{
    auto cube = openCube(fileString(path), QString());
    PivotQuery q;
    AxisField channel;
    channel.hierarchy = QStringLiteral("Channel");
    q.rows.fields = {channel};
    q.rows.showEmpty = showEmpty;
    q.measures = {QStringLiteral("Order Lines")};
    return cube->query(q);
}

}

TEST(CubeFile, ConnectionObjectsAnswerForACubeFile)
{
    // The local test string as the program builds it, joined with "\".
    const QString dir = testcubes::folder();
    const QString cubeFile = testcubes::salesCube().mid(dir.size() + 1);
    Connection cn;
    cn.Open(QStringLiteral("provider=msolap;TimeOut=100;ShowHiddenCubes=True;SspropInitAppName=\"Tessaline Tool for "
                           "Excel - Zelbrin Outlook Solutions\";data source=")
                + dir + QLatin1Char('\\') + cubeFile,
            QString(), QString(), -1);
    EXPECT_EQ(cn.DefaultDatabase(), QStringLiteral("Sales"));
    EXPECT_EQ(cn.Provider(), QStringLiteral("MSOLAP.4"));
    Recordset rs = cn.OpenSchema(Connection::adSchemaCatalogs);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(QStringLiteral("CATALOG_NAME")).toString(), QStringLiteral("Sales"));
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());

    Catalog cat;
    cat.setActiveConnection(&cn);
    const QVector<CubeDef> defs = cat.CubeDefs();
    ASSERT_EQ(defs.size(), 1);
    EXPECT_EQ(defs[0].Name, QStringLiteral("Sales"));
    EXPECT_THROW(cn.Open(fileString(testcubes::salesCube())), platform::VbError);   // already open

    cn.Close();
    try {
        cn.DefaultDatabase();
        FAIL() << "a closed connection answered";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), 3704);
    }
    EXPECT_THROW(cat.CubeDefs(), platform::VbError);
    EXPECT_EQ(dataMemberStrings(fileString(testcubes::budgetCube())), QStringList{QStringLiteral("Budget")});
}

TEST(CubeFile, FilesThatAreNoCubesAreRefused)
{
    const QString sales = testcubes::salesCube();
    const QByteArray whole = readFile(sales);
    QByteArray scribbled = whole;
    for (qsizetype i = 40000; i < scribbled.size(); i += 3)
        scribbled[i] = char(i * 7);
    QByteArray scrambledHeader = whole;
    for (int i = 16; i < 100; ++i)
        scrambledHeader[i] = char(0xA5);

    const QStringList refused{
        testcubes::folder() + QStringLiteral("/missing.cub"),
        writeFile(QStringLiteral("empty.cub"), {}),
        writeFile(QStringLiteral("text.cub"), QByteArray("just some text that is not a database\n").repeated(100)),
        writeFile(QStringLiteral("header.cub"), scrambledHeader),
        writeFile(QStringLiteral("truncated.cub"), whole.left(whole.size() / 3)),
    };
    for (const QString& path : refused) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(openAndReadAll(path), platform::err::Unspecified);
        EXPECT_THROW(openCube(fileString(path), QString()), platform::VbError);
    }
    // Damage inside the data may or may not be detected, but must never crash.
    const long scribbledResult = openAndReadAll(writeFile(QStringLiteral("scribbled.cub"), scribbled));
    EXPECT_TRUE(scribbledResult == 0 || scribbledResult == platform::err::Unspecified);
}

TEST(CubeFile, DatabasesWithWrongMarksOrMetadataAreRefused)
{
    const QStringList broken{
        testcubes::buildCube(QStringLiteral("Sales"), QStringLiteral("PRAGMA application_id = 0;")),
        testcubes::buildCube(QStringLiteral("Sales"), QStringLiteral("PRAGMA user_version = 2;")),
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("UPDATE olap_level SET key_column = 'no_such' WHERE name = 'City';")),
        testcubes::buildCube(QStringLiteral("Sales"), QStringLiteral("UPDATE olap_cube SET fact_table = 'gone';")),
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("PRAGMA ignore_check_constraints = ON;"
                                            "UPDATE olap_measure SET aggregate = 'median' WHERE name = 'Revenue';")),
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("UPDATE olap_level SET depth = 5 WHERE depth = 2;")),
        testcubes::buildCube(QStringLiteral("Sales"), QStringLiteral("DROP TABLE olap_measure;")),
        testcubes::buildCube(QStringLiteral("Sales"), QStringLiteral("DELETE FROM olap_cube;")),
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("INSERT INTO olap_cube (name, fact_table) VALUES ('Two', 'sales_fact');")),
    };
    for (const QString& path : broken) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(openAndReadAll(path), platform::err::Unspecified);
    }
    EXPECT_THROW(openCube(fileString(testcubes::salesCube()), QStringLiteral("Budget")), platform::VbError);
}

TEST(CubeFile, FactKeysMatchTheirDimensionRowsAsTheJoinWould)
{
    // Sentinel keys at both ends of the 64-bit range, beside the usual small ones.
    const QString sentinels =
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("INSERT INTO sales_channel (channel_id, channel) VALUES "
                                            "(-9223372036854775808, 'Unknown'), (9223372036854775807, 'Other');"
                                            "UPDATE sales_fact SET channel_id = 9223372036854775807 "
                                            "WHERE rowid % 10 = 0;"));
    EXPECT_EQ(openAndReadAll(sentinels), 0);
    const CellSet withSentinels = orderLinesByChannel(sentinels, true);
    QStringList shown;
    for (const Tuple& t : withSentinels.rows)
        shown << t.members[0].member.caption;
    EXPECT_TRUE(shown.contains(QStringLiteral("Unknown")));
    const int other = int(shown.indexOf(QStringLiteral("Other")));
    ASSERT_GE(other, 0);
    const auto tenth =
        testcubes::sql(sentinels, QStringLiteral("SELECT COUNT(*) FROM sales_fact WHERE rowid % 10 = 0"));
    EXPECT_EQ(withSentinels.value(other, 0, 0), tenth[0][0].toDouble());

    // A tool that wrote the fact keys as 1.0, 2.0...
    const QString reals =
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("CREATE TABLE sales_fact_real AS SELECT month_id, city_id, product_id, "
                                            "channel_id * 1.0 AS channel_id, customer_id, quantity, discount, "
                                            "revenue FROM sales_fact;"
                                            "UPDATE olap_cube SET fact_table = 'sales_fact_real';"));
    ASSERT_EQ(testcubes::sql(reals, QStringLiteral("SELECT typeof(channel_id) FROM sales_fact_real LIMIT 1"))[0][0],
              QVariant(QStringLiteral("real")));
    const CellSet withReals = orderLinesByChannel(reals, false);
    ASSERT_EQ(withReals.rows.size(), 4);   // three channels and the total
    const auto all = testcubes::sql(reals, QStringLiteral("SELECT COUNT(*) FROM sales_fact_real"));
    EXPECT_EQ(withReals.value(3, 0, 0), all[0][0].toDouble());
}

namespace {

double orderLines(const QString& path)
{
    auto cube = openCube(fileString(path), QString());
    PivotQuery q;
    q.measures = {QStringLiteral("Order Lines")};
    return cube->query(q).value(0, 0, 0).value_or(-1);
}

// The facts are read on a thread of their own, so a refusal may come with the first query.
QString refusal(const QString& path)
{
    try {
        Connection connection;
        connection.Open(fileString(path));
        connection.openCube(QString())->query(PivotQuery());
    } catch (const platform::VbError& e) {
        return e.description();
    }
    return {};
}

const QString kCopyWithIds = QStringLiteral(
    "CREATE TABLE far_fact (id INTEGER PRIMARY KEY, month_id, city_id, product_id, channel_id, customer_id, "
    "quantity, discount, revenue);"
    "INSERT INTO far_fact SELECT %1, month_id, city_id, product_id, channel_id, customer_id, quantity, discount, "
    "revenue FROM sales_fact;"
    "UPDATE olap_cube SET fact_table = 'far_fact';");

}

TEST(CubeFile, FactsAreReadWhateverTheirRowids)
{
    const double all = orderLines(testcubes::salesCube());
    ASSERT_GT(all, 0);
    const QStringList layouts{
        // Random-looking 64-bit ids, spread over the whole range.
        QStringLiteral("(rowid * 2654435761) % 1000003 * 9000000000000 - 4500000000000000000"),
        // Two far ends and a dense middle.
        QStringLiteral("CASE rowid WHEN 1 THEN -4000000000000000000 WHEN 2 THEN 4000000000000000000 ELSE rowid END"),
        QStringLiteral("CASE rowid WHEN 1 THEN -9223372036854775808 WHEN 2 THEN 9223372036854775807 ELSE rowid END"),
        QStringLiteral("rowid - 9223372036854775807"),
    };
    for (const QString& ids : layouts) {
        SCOPED_TRACE(ids.toStdString());
        const QString path = testcubes::buildCube(QStringLiteral("Sales"), kCopyWithIds.arg(ids));
        ASSERT_EQ(testcubes::sql(path, QStringLiteral("SELECT count(*) FROM far_fact"))[0][0].toDouble(), all);
        EXPECT_EQ(orderLines(path), all);
    }
}

TEST(CubeFile, CubesThatWouldNeverFinishAreRefused)
{
    const InstalledAnswerLimits limits({.cubeFile = std::chrono::milliseconds(300)});
    const QString endless = QStringLiteral("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r)");
    // Metadata comes from tables only: a view could run for ever before the first row.
    const QString metadataView =
        testcubes::buildCube(QStringLiteral("Sales"),
                             QStringLiteral("ALTER TABLE olap_cube RENAME TO cube_rows;"
                                            "CREATE VIEW olap_cube AS %1 SELECT c.* FROM cube_rows c, r;")
                                 .arg(endless));
    const QString message = refusal(metadataView);
    EXPECT_TRUE(message.contains(metadataView)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("olap_cube (it is a view)"))) << message.toStdString();

    // A fact or dimension view that never ends is stopped by the answer limit.
    for (const QString& sql :
         {QStringLiteral("CREATE VIEW endless AS %1 SELECT f.* FROM sales_fact f, r;"
                         "UPDATE olap_cube SET fact_table = 'endless';"),
          QStringLiteral("CREATE VIEW endless AS %1 SELECT c.* FROM sales_channel c, r;"
                         "UPDATE olap_dimension SET dim_table = 'endless' WHERE dim_table = 'sales_channel';"),
          QStringLiteral("CREATE VIEW endless AS %1 SELECT n AS x FROM r ORDER BY n;"
                         "UPDATE olap_cube SET fact_table = 'endless';")}) {
        const QString path = testcubes::buildCube(QStringLiteral("Sales"), sql.arg(endless));
        const QString stopped = refusal(path);
        EXPECT_TRUE(stopped.contains(path)) << stopped.toStdString();
        EXPECT_TRUE(stopped.contains(QStringLiteral("does not answer")) || stopped.contains(QStringLiteral("no such")))
            << stopped.toStdString();
    }

    // A view that ends reads as its table would.
    const QString finite = testcubes::buildCube(QStringLiteral("Sales"),
                                                QStringLiteral("CREATE VIEW fact_view AS SELECT * FROM sales_fact;"
                                                               "UPDATE olap_cube SET fact_table = 'fact_view';"));
    EXPECT_EQ(orderLines(finite), orderLines(testcubes::salesCube()));
}

TEST(CubeFile, FilesThatCannotBeOpenedAreNamedWithTheCause)
{
    const QString sales = testcubes::salesCube();
    const QString text =
        writeFile(QStringLiteral("notsqlite.cub"), QByteArray("plain text, no database\n").repeated(50));
    const QString empty = writeFile(QStringLiteral("nothing.cub"), {});
    const QString unreadable = writeFile(QStringLiteral("unreadable.cub"), readFile(sales));
    QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
    struct Case
    {
        QString path;
        QString cause;
    };
    QVector<Case> cases{{text, QStringLiteral("not a database")}, {empty, QStringLiteral("is not a cube file")}};
    if (!QFile(unreadable).open(QIODevice::ReadOnly))   // root reads every file
        cases.append({unreadable, QStringLiteral("cannot be opened")});
    for (const Case& c : cases) {
        const QString message = refusal(c.path);
        EXPECT_TRUE(message.contains(QLatin1Char('"') + c.path + QLatin1Char('"'))) << message.toStdString();
        EXPECT_TRUE(message.contains(c.cause)) << message.toStdString();
    }
}

// A cube saved in write-ahead-log mode, in a folder the user cannot write (a shared
// read-only folder, say): with no pending log the file alone holds every row; a pending log
// is read through its shared-memory file beside it, and without that file it is refused.
TEST(CubeFile, ACubeInLogModeOpensInAFolderThatCannotBeWritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes every folder";
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Sales #1 %20.cub");
    QFile::copy(testcubes::salesCube(), path);
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(writer);

    // Copies of the three files while a writer holds a change in the log.
    QTemporaryDir pending;
    QTemporaryDir withoutShm;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA wal_autocheckpoint = 0;"
                           "INSERT INTO sales_fact SELECT * FROM sales_fact LIMIT 1;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    for (const char* suffix : {"", "-wal", "-shm"}) {
        QFile::copy(path + QLatin1String(suffix),
                    pending.path() + QStringLiteral("/Sales.cub") + QLatin1String(suffix));
        if (QLatin1String(suffix) != QLatin1String("-shm"))
            QFile::copy(path + QLatin1String(suffix),
                        withoutShm.path() + QStringLiteral("/Sales.cub") + QLatin1String(suffix));
    }
    sqlite3_close(writer);
    ASSERT_GT(QFileInfo(pending.path() + QStringLiteral("/Sales.cub-wal")).size(), 0);

    const double lines = orderLines(testcubes::salesCube());
    for (const QString& folder : {dir.path(), pending.path(), withoutShm.path()})
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const long opened = openAndReadAll(path);
    const double pendingLines = orderLines(pending.path() + QStringLiteral("/Sales.cub"));
    const QString refused = refusal(withoutShm.path() + QStringLiteral("/Sales.cub"));
    for (const QString& folder : {dir.path(), pending.path(), withoutShm.path()})
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(pendingLines, lines + 1);
    EXPECT_TRUE(refused.contains(QStringLiteral("unable to open database file"))) << refused.toStdString();
}

TEST(CubeFile, FactsWithoutADimensionRowCountNowhereWhateverTheLayout)
{
    auto cube =
        openCube(fileString(testcubes::buildCubeFromSql(QStringLiteral("Shop"), testcubes::shopWithOrphanFactsSql())),
                 QString());
    for (const PivotQuery& q : testcubes::shopLayouts()) {
        const CellSet cells = cube->query(q);
        const int total = int(cells.rows.size()) - 1;
        const int all = int(cells.columns.size()) - 1;
        EXPECT_EQ(cells.value(total, all, 0), 50001.0);
        EXPECT_EQ(cells.value(total, all, 1), 4.0);
    }
}

TEST(CubeFile, ADimensionKeyThatStandsTwiceRefusesTheCubeNamingTableAndKey)
{
    const QString path = testcubes::buildCubeFromSql(QStringLiteral("Shop"), testcubes::shopWithDuplicateKeySql());
    try {
        openCube(fileString(path), QString())->query(testcubes::shopLayouts()[0]);
        FAIL() << "a cube with a repeated dimension key was read";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), platform::err::Unspecified);
        EXPECT_TRUE(e.description().contains(QStringLiteral("\"shop_store\""))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("\"2\""))) << e.what();
        EXPECT_TRUE(e.description().contains(path)) << e.what();
    }
}
