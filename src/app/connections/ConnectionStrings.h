#pragma once

#include <QString>

namespace connections {

// The connection strings the program gives the OLAP provider and the pivot table.
namespace connectionstrings {

// A value as the provider's syntax needs it: as it is when that is unambiguous, else in
// double quotes with inner double quotes doubled.
QString quoteValue(const QString& value);

// The test connection that tells which provider opens a cube file.
QString localTest(const QString& dataPath, const QString& cubeFile);
// The pivot table's string for a cube file, with the provider part that test reported.
QString localPivot(const QString& providerPart, const QString& dataPath, const QString& cubeFile);

// The provider part of server pass 4, 3, 2 or 1: versions 4 and 3, then the unversioned name twice.
QString serverProviderPart(int pass);
// The pivot table's string for a server cube on one pass.
QString serverPivot(const QString& providerPart, const QString& server, const QString& database);

// A server connection: no user (blanks only) signs in as the local user; an empty
// database leaves the catalog out. "[NUMBER]" stands for the provider version.
QString serverTemplate(const QString& server, const QString& database, const QString& user, const QString& password);
// The template for pass 4, 3, 2 or 1; only the provider part takes the version.
QString serverPass(const QString& templ, int pass);

}

}
