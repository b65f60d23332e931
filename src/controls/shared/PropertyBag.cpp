#include "controls/shared/PropertyBag.h"

#include <algorithm>

namespace controls {

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    for (const auto& [key, value] : m_entries) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return defaultValue;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    m_entries.removeIf([&](const auto& entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; });
    if (defaultValue.isValid() && value == defaultValue)
        return;
    m_entries.append({name, value});
}

bool PropertyBag::contains(const QString& name) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const auto& entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; });
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    for (const auto& entry : m_entries)
        out.append(entry.first);
    return out;
}

QVariantMap PropertyBag::toVariantMap() const
{
    QVariantMap out;
    for (const auto& [key, value] : m_entries)
        out.insert(key, value);
    return out;
}

PropertyBag PropertyBag::fromVariantMap(const QVariantMap& values)
{
    PropertyBag bag;
    for (auto it = values.begin(); it != values.end(); ++it)
        bag.WriteProperty(it.key(), it.value());
    return bag;
}

}
