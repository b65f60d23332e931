#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes a file whole or not at all: the bytes go to a new file beside it, which replaces
// the old one only once every byte is on disk. Returns false, with the reason in `error`,
// when anything failed; the old file is then untouched.
//
// QSaveFile is not enough: a write that the system cuts short (disk full, file size
// limit) can still be committed, truncated.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}
