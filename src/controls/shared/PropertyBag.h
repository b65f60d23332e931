#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// The stored properties of one control instance, as its host keeps them between runs:
// key and value in the order the control wrote them. A value written together with its
// default is stored only when it differs from that default, so a reader that gets the
// default back cannot tell a default from a missing key, and need not.
//
// How a control uses it: its WriteProperties writes every key with WriteProperty(key,
// value, default) in its own fixed order; its ReadProperties reads them back with
// ReadProperty(key, default). The host keeps the bag as it likes (toVariantMap for a
// settings group; keys() gives the order).
namespace controls {

class PropertyBag
{
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;
    // Without a default the value is always stored.
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = {});

    bool contains(const QString& name) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    QVariantMap toVariantMap() const;
    static PropertyBag fromVariantMap(const QVariantMap& values);

private:
    QList<QPair<QString, QVariant>> m_entries;
};

}
