#include "LangTestSupport.h"

lang::LanguageServices LangTest::fakes()
{
    lang::LanguageServices services;
    services.logStep = [this](const QString& step) { m_steps << step; };
    services.showMessage = [this](const QString& text) { m_messages << text; };
    services.handleError = [](const QString& description, long number, int line, const QString& procName) {
        throw ErrorCall{description, number, line, procName};
    };
    return services;
}

QByteArray LangTest::table(const QList<QStringList>& lines)
{
    QString text(QChar(0xFEFF));
    for (const QStringList& fields : lines)
        text += fields.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    QByteArray bytes;
    for (QChar ch : text) {
        bytes.append(static_cast<char>(ch.unicode() & 0xFF));
        bytes.append(static_cast<char>(ch.unicode() >> 8));
    }
    return bytes;
}
