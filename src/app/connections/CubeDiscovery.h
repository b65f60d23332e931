#pragma once

#include <QString>

// Finding the cubes at start-up: the cube files of the data folder, or the cubes of the
// server catalog named in "ServerName.txt" (asked in the server dialog when it is missing).
namespace connections {

// Fills gdicCubes with the data folder's cube files, in name order; deletes files left
// behind under temporary names.
void subGetCubeFileNames();
// Sets gstrServerName and gstrDatabase from "ServerName.txt", or from the server dialog,
// whose answer is then written to that file.
void subGetServerName();
// Fills gdicCubes with the cubes of the server catalog, in the server's order; when the
// server cannot be reached the user is told and the program ends.
void subGetServerCubes();

// Only a braced group of hexadecimal digits and hyphens, with at least two hyphens,
// followed by ".cub" (as "{1A2B-3C4D-5E6F}.cub") is a temporary name.
bool fncIsTempCubeName(const QString& name);
// Whether a cube name can be the name of its report folder.
bool isUsableFolderName(const QString& name);

// "ServerName.txt": the server, "," and the database on one line.
struct ServerAndDatabase
{
    QString server;
    QString database;
};
// Raises error 62 for an empty file and 9 for a line without ",".
ServerAndDatabase parseServerNameFile(const QByteArray& bytes);
QByteArray serverNameFileBytes(const QString& server, const QString& database);

}
