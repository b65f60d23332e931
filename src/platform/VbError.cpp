#include "platform/VbError.h"

namespace platform {

VbError::VbError(long number, QString description, QString source, int line)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)), m_line(line)
{
    m_what = QStringLiteral("#%1: %2").arg(m_number).arg(m_description).toUtf8();
}

void raiseError(long number, const QString& description, const QString& source, int line)
{
    throw VbError(number, description, source, line);
}

}
