#pragma once

#include "platform/VbError.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace common {

// A keyed collection that keeps its entries in the order they were added and compares
// keys without regard to letter case (Unicode case folding). Every dictionary of the
// program is one of these, made by modScriptingDic::fncCreateDic.
template<class V = QVariant>
class Dictionary
{
public:
    using Entry = std::pair<QString, V>;

    // 1: keys compare as text, without regard to case.
    int CompareMode() const { return 1; }

    // Raises error 457 when an equal key is there already.
    void Add(const QString& key, V item)
    {
        const QString folded = fold(key);
        if (m_index.contains(folded))
            platform::raiseError(platform::err::KeyAlreadyExists,
                                 QStringLiteral("This key is already associated with an element of this collection"));
        m_index.insert(folded, m_entries.size());
        m_entries.emplace_back(key, std::move(item));
    }

    bool Exists(const QString& key) const { return m_index.contains(fold(key)); }

    // Raises error 32811 for a missing key; nothing is added by reading.
    const V& Item(const QString& key) const { return m_entries[position(key)].second; }
    V& Item(const QString& key) { return m_entries[position(key)].second; }

    // Replaces the item of a key, or adds the key at the end.
    void setItem(const QString& key, V item)
    {
        const auto it = m_index.constFind(fold(key));
        if (it == m_index.cend())
            Add(key, std::move(item));
        else
            m_entries[*it].second = std::move(item);
    }

    QStringList Keys() const
    {
        QStringList keys;
        for (const Entry& entry : m_entries)
            keys.append(entry.first);
        return keys;
    }

    QList<V> Items() const
    {
        QList<V> items;
        for (const Entry& entry : m_entries)
            items.append(entry.second);
        return items;
    }

    int Count() const { return int(m_entries.size()); }

    // Raises error 32811 for a missing key; the others keep their order.
    void Remove(const QString& key)
    {
        m_entries.erase(m_entries.begin() + position(key));
        reindex();
    }

    void RemoveAll()
    {
        m_entries.clear();
        m_index.clear();
    }

    auto begin() const { return m_entries.cbegin(); }
    auto end() const { return m_entries.cend(); }

private:
    static QString fold(const QString& key) { return key.toCaseFolded(); }

    size_t position(const QString& key) const
    {
        const auto it = m_index.constFind(fold(key));
        if (it == m_index.cend())
            platform::raiseError(platform::err::ElementNotFound, QStringLiteral("Element not found"), key);
        return *it;
    }

    void reindex()
    {
        m_index.clear();
        for (size_t i = 0; i < m_entries.size(); ++i)
            m_index.insert(fold(m_entries[i].first), i);
    }

    std::vector<Entry> m_entries;
    QHash<QString, size_t> m_index;   // folded key -> position
};

}
