#pragma once

#include <QString>

namespace connections {

// A saved report belongs to the cube source of the data folder it lies in: the folder's
// cube file of the report's cube, or the server that ServerName.txt names. A report file
// copied in from elsewhere may name any other place, and opening it would connect there
// and sign in as the user (the environment's password, the password file).
namespace reportsource {

// Why the report may not connect as its stored connection string says, for the user; empty
// when the string reaches the data folder's own source, or nothing at all.
QString refusal(const QString& reportName, const QString& cubeName, const QString& connectionString);

}

}
