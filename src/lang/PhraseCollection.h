#pragma once

#include "lang/cPhrase.h"

#include <QHash>
#include <QList>

// The phrases keyed by their key, which is looked up without regard to case. Like every
// keyed collection of the program, a missing key and a key added twice are errors.
class PhraseCollection
{
public:
    // Raises error 457 when the key is already there.
    void add(const cPhrase& phrase);
    // Raises error 5 when the key is not there.
    const cPhrase& item(const QString& key) const;
    bool contains(const QString& key) const;
    qsizetype count() const { return m_phrases.size(); }
    // In the order they were added.
    const QList<cPhrase>& phrases() const { return m_phrases; }

private:
    static QString fold(const QString& key) { return key.toCaseFolded(); }

    QList<cPhrase> m_phrases;
    QHash<QString, qsizetype> m_index;   // folded key -> position in m_phrases
};
