// Cube files as bytes: whatever a file holds, opening it ends in a cube or in the
// provider's error naming the file; nothing crashes, leaks or loops.

#include "CubeFiles.h"
#include "FuzzSupport.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::prepareCubeReading();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/bytes.cub");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    fuzz::openAndReadAll(path);
    return 0;
}
