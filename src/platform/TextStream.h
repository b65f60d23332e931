#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum IOMode { ForReading = 1, ForWriting = 2, ForAppending = 8 };

// TristateUseDefault reads a file that starts with FF FE as UTF-16LE, any other as 8-bit
// text in the system's code page, and writes 8-bit text. TristateTrue is UTF-16LE, written
// without a byte-order mark; TristateFalse is 8-bit text in the system's code page.
enum Tristate { TristateUseDefault = -2, TristateTrue = -1, TristateFalse = 0 };

// A text file opened through the file-system object. A stream opened for reading holds
// the whole text from the start; one opened for writing collects the text and writes
// the file whole at Close (or when destroyed), never half of it.
class TextStream
{
public:
    TextStream(QString path, IOMode mode, Tristate format);
    ~TextStream();
    TextStream(const TextStream&) = delete;
    TextStream& operator=(const TextStream&) = delete;

    QString ReadAll();
    QString ReadLine();
    bool AtEndOfStream() const;

    void Write(const QString& text);

    // Raises error 57 when the file cannot be written.
    void Close();

private:
    void requireMode(bool writing) const;
    QByteArray encode(const QString& text) const;

    QString m_path;
    IOMode m_mode;
    Tristate m_format;
    QString m_text;   // what is read, or what is to be written
    qsizetype m_position = 0;
    bool m_closed = false;
};

}
