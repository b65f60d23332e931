#pragma once

#include <QString>

// One phrase of the chosen language: its key (as "LNGCANCEL") and its text.
class cPhrase
{
public:
    const QString& LangConstant() const { return m_langConstant; }
    void setLangConstant(const QString& key) { m_langConstant = key; }

    const QString& LangPhrase() const { return m_langPhrase; }
    void setLangPhrase(const QString& text) { m_langPhrase = text; }

private:
    QString m_langConstant;
    QString m_langPhrase;
};
