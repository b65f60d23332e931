#pragma once

#include <QString>

class QWidget;

namespace olap {
class Connection;
}

// Connections to the cube server and the pivot table's binding to the current cube.
namespace connections {

// Where the user can get an OLAP provider when none works.
QString providerDownloadPage();

// Opens cn to a server catalog, trying the provider versions 4 and 3, then the unversioned
// name. With no user of its own it signs in as the server dialog did in this run, if it
// did. True as soon as one pass opened cn; otherwise *lastError (when given) holds the
// description of the last pass's failure.
bool GetMOLAPConnection(olap::Connection& cn, const QString& server, const QString& database, const QString& user,
                        const QString& password, QString* lastError = nullptr);

// Binds the report window's pivot table (a pivot::PivotTable) to the current cube: the
// cube file, or the cube on the server, with the provider that works.
void subBindPivotTable(QWidget* pivot);

}
