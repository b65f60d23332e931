#pragma once

#include "QtPrinters.h"
#include "SalesCube.h"
#include "pivot/PivotGridModel.h"
#include "pivot/PivotGridView.h"
#include "pivot/PivotHooks.h"
#include "pivot/PivotTable.h"
#include "platform/VbError.h"

#include <QItemSelectionModel>
#include <QLocale>

namespace pivot::test {

inline FieldRef hierarchy(const char* name, int level = 0)
{
    return FieldRef{FieldRef::Kind::Hierarchy, QString::fromLatin1(name), level};
}
inline FieldRef measure(const char* name)
{
    return FieldRef{FieldRef::Kind::Measure, QString::fromLatin1(name), 0};
}

// The whole grid as the clipboard would get it.
inline QString gridText(PivotTable& table)
{
    table.grid()->selectionModel()->clearSelection();
    return table.grid()->selectionAsTsv();
}

// Opens the sales cube file for every connection string (but one naming "broken"), counting the
// opens; a test changes the other hooks straight in pivot::hooks() while it lives.
struct FakeOpener
{
    FakeOpener()
    {
        hooks().cubeLister = [](const QString& cs) {
            const auto source = hooks().cubeOpener(cs, QString());
            return QStringList{source->schema().name};
        };
        hooks().cubeOpener = [this](const QString& cs, const QString& member) -> std::unique_ptr<olap::CubeSource> {
            ++opens;
            lastConnection = cs;
            if (cs.contains(QLatin1String("broken")))
                platform::raiseError(platform::err::Unspecified, QStringLiteral("cannot open"));
            auto cube = std::make_unique<SalesCube>();
            (void)member;
            return cube;
        };
    }
    InstalledHooks installed{hooks()};
    int opens = 0;
    QString lastConnection;
};

// A table bound to the sales cube through its connection string.
inline void bind(PivotTable& table)
{
    table.setConnectionString(QStringLiteral("Provider=MSOLAP;data source=/data/Sales.cub"));
    table.setDataMember(QStringLiteral("Sales"));
}

// Region and city on rows, year on columns, both measures.
inline void standardLayout(PivotTable& table)
{
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(hierarchy("Product"), Area::Row);
    table.placeField(hierarchy("Time"), Area::Column);
    table.placeField(measure("Sales"), Area::Data);
    table.placeField(measure("Units"), Area::Data);
}

class LocaleGuard
{
public:
    LocaleGuard() : m_saved(QLocale()) { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~LocaleGuard() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

}
