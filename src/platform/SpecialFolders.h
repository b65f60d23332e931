#pragma once

#include <QString>

namespace platform {

// The user's folders: documents, the runtime folder (single-instance lock) and the
// program's private temporary folder.
class SpecialFolders
{
public:
    SpecialFolders(QString documents, QString tempParent, QString runtime);
    // From the XDG settings of the user running the program.
    static SpecialFolders fromEnvironment();

    // The documents folder as configured, whether or not it exists.
    const QString& documents() const { return m_documents; }
    const QString& runtime() const { return m_runtime; }
    // A folder only this user can enter (mode 0700), created on first use. Temporary
    // files never go to a folder that other users share. Raises error 75 when the
    // folder exists but is not ours or is open to others.
    QString privateTemp() const;

private:
    QString m_documents;
    QString m_tempParent;
    QString m_runtime;
};

}
