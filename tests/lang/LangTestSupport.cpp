#include "LangTestSupport.h"

#include "lang/modGenericLanguages.h"

void LangTest::SetUp()
{
    m_saved = lang::services();
    lang::services().logStep = [this](const QString& step) { m_steps << step; };
    lang::services().showMessage = [this](const QString& text) { m_messages << text; };
    lang::services().handleError = [](const QString& description, long number, int line, const QString& procName) {
        throw ErrorCall{description, number, line, procName};
    };
}

void LangTest::TearDown()
{
    lang::services() = m_saved;
    modGenericLanguages::setPhraseTableBytes(std::nullopt);
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

void LangTest::useTable(const QByteArray& bytes)
{
    modGenericLanguages::setPhraseTableBytes(bytes);
}
