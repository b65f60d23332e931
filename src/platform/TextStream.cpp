#include "platform/TextStream.h"

#include "platform/AtomicFile.h"
#include "platform/VbError.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

const QByteArray kUtf16Bom("\xFF\xFE", 2);

QString decode(const QByteArray& bytes, Tristate format)
{
    const bool bom = bytes.startsWith(kUtf16Bom);
    if (format == TristateTrue || (format == TristateUseDefault && bom)) {
        const QByteArray body = bom ? bytes.mid(2) : bytes;
        QStringDecoder utf16(QStringConverter::Utf16LE);
        return utf16(body);
    }
    QStringDecoder system(QStringConverter::System);
    return system(bytes);
}

}

TextStream::TextStream(QString path, IOMode mode, Tristate format)
    : m_path(std::move(path)), m_mode(mode), m_format(format)
{
    if (mode == ForWriting)
        return;
    QFile file(m_path);
    if (!file.exists())
        return;   // the file-system object decides beforehand whether a missing file is an error
    if (!file.open(QIODevice::ReadOnly))
        raiseError(err::PermissionDenied, QStringLiteral("Permission denied"), m_path);
    // Appending rewrites the whole file with the new text after the old.
    m_text = decode(file.readAll(), format);
}

TextStream::~TextStream()
{
    if (!m_closed) {
        try {
            Close();
        } catch (const VbError&) {
        }
    }
}

void TextStream::requireMode(bool writing) const
{
    if (m_closed || (m_mode == ForReading) == writing)
        raiseError(err::BadFileMode, QStringLiteral("Bad file mode"), m_path);
}

QString TextStream::ReadAll()
{
    requireMode(false);
    if (m_position >= m_text.size())
        raiseError(62, QStringLiteral("Input past end of file"), m_path);
    const QString rest = m_text.mid(m_position);
    m_position = m_text.size();
    return rest;
}

QString TextStream::ReadLine()
{
    requireMode(false);
    if (m_position >= m_text.size())
        raiseError(62, QStringLiteral("Input past end of file"), m_path);
    qsizetype end = m_text.indexOf(QLatin1Char('\n'), m_position);
    if (end < 0)
        end = m_text.size();
    QString line = m_text.mid(m_position, end - m_position);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    m_position = end + 1;
    return line;
}

bool TextStream::AtEndOfStream() const
{
    return m_position >= m_text.size();
}

void TextStream::Write(const QString& text)
{
    requireMode(true);
    m_text += text;
}

QByteArray TextStream::encode(const QString& text) const
{
    if (m_format == TristateTrue) {
        QStringEncoder utf16(QStringConverter::Utf16LE);
        return utf16(text);
    }
    QStringEncoder system(QStringConverter::System);
    return system(text);
}

void TextStream::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (m_mode == ForReading)
        return;
    if (!writeFileAtomically(m_path, encode(m_text)))
        raiseError(err::DeviceIOError, QStringLiteral("Device I/O error"), m_path);
}

}
