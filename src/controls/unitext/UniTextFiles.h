#pragma once

#include "controls/unitext/UniTextEncoding.h"
#include "platform/Result.h"

#include <QString>
#include <optional>

// Reading and writing the text box's files. Nothing here changes a control: the caller
// takes the result only when the whole operation succeeded.
namespace unitext {

// The largest file the box takes: its positions are 32-bit.
constexpr qint64 kLargestFile = 0x7FFFFFFF;

// The decoded file; nothing for an empty file: the text becomes "", BOM stays.
using LoadResult = platform::Result<std::optional<DecodedFile>>;

// Reads and decodes a whole file. Refused: an empty name, a file that is missing,
// unreadable or a folder, a file above `largest` bytes, a read that fails, and a file
// without BOM whose code page the program cannot convert.
LoadResult loadTextFile(const QString& filename, int32_t ifNoByteOrderMark, int fileCodePage,
                        qint64 largest = kLargestFile);

// Encodes first, then writes the file whole through a scratch file and a rename, so a
// refused or failed save leaves the old file as it was. Refused: an empty name or text,
// an encoding code not in the table, a text the code page cannot take, an existing file
// when `overwriteExisting` is false, and every write that fails.
platform::Result<void> saveTextFile(const QString& filename, QStringView text, int32_t byteOrderMark,
                                    bool overwriteExisting, int fileCodePage);

}
