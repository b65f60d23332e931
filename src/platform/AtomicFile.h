#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace platform {

// Writes a file whole or not at all: the bytes go to a new scratch file (".tessaline-"
// and a random name) beside it, which replaces the old one only once every byte is on disk.
//
// - A symbolic link is written through: the file it leads to is rewritten, beside it, and
//   the link stays as it was.
// - A file that is read-only (no write permission in its mode, or none for this process)
//   is refused, as it would be if it were written in place.
// - A replaced file keeps its permissions; a new one gets the usual ones (umask).
// - Scratch files that an interrupted write left in the target's folder are removed first.
//
// A failure names `path` and the system's error number ("path: the system's reason"); the
// old file is then untouched and no scratch file is left.
//
// QSaveFile is not enough: a write that the system cuts short (disk full, file size
// limit) can still be committed, truncated.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

// Removes the scratch files of writes that did not finish (the process was killed) from
// `folder`. A scratch file stays while its writer holds it, so a write in progress in
// another process is never disturbed. Files of other names, and anything that is not a
// regular file, are left alone; a folder that cannot be listed or written is left as it is.
void removeStaleScratchFiles(const QString& folder);

}
