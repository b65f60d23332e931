#include "lang/PhraseCollection.h"

#include "platform/VbError.h"

void PhraseCollection::add(const cPhrase& phrase)
{
    const QString key = fold(phrase.LangConstant());
    if (m_index.contains(key))
        platform::raiseError(platform::err::KeyAlreadyExists,
                             QStringLiteral("This key is already associated with an element of this collection"));
    m_index.insert(key, m_phrases.size());
    m_phrases.append(phrase);
}

const cPhrase& PhraseCollection::item(const QString& key) const
{
    const auto it = m_index.constFind(fold(key));
    if (it == m_index.cend())
        platform::raiseError(platform::err::InvalidArgument, QStringLiteral("Invalid procedure call or argument"));
    return m_phrases[*it];
}

bool PhraseCollection::contains(const QString& key) const
{
    return m_index.contains(fold(key));
}
