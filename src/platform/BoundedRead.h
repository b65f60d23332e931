#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace platform {

// Reads a small regular file whole, for content that outside text names (a picture in a
// description): a device, a FIFO, a socket or a folder is refused without being opened, a
// file larger than `limit` bytes without being read, and nothing waits for a writer.
Result<QByteArray> readSmallRegularFile(const QString& path, qint64 limit);

}
