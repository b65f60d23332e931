#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;

namespace connections::serverdialog {

struct DatabaseListing
{
    bool connected = false;
    QString why;   // why the sign-in failed
    QStringList databases;
};

// Signs in to the server and lists its databases; a failure while listing keeps what was
// read so far. Touches no control, so it may run on any thread.
DatabaseListing listDatabases(const QString& server, const QString& user, const QString& password);

// The server may take its time, or never answer: this asks it on a thread of its own and
// waits with the events flowing, so that `dialog` answers meanwhile and ending it ends the
// wait. Nothing when the dialog ended first; the abandoned try then ends on its own,
// within the connection's bound, and its answer goes nowhere.
std::optional<DatabaseListing> listDatabasesWhileAnswering(const QString& server, const QString& user,
                                                           const QString& password, QDialog& dialog);

}
