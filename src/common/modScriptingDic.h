#pragma once

#include "common/Dictionary.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"

#include <type_traits>

// Makes and sorts the program's dictionaries.
namespace modScriptingDic {

// Compares two texts in the user's collation, without regard to case: <0, 0, >0.
int compareText(const QString& a, const QString& b);

template<class V = QVariant>
common::Dictionary<V> fncCreateDic()
{
    modErroHandling::subLogStep(QStringLiteral(
        "Attempting to create a new Scripting.Dictionary object. This component is usually installed with "
        "Internet Explorer 4.0 or later"));
    return common::Dictionary<V>();
}

namespace detail {

template<class V>
QString asText(const V& item)
{
    if constexpr (std::is_convertible_v<V, QString>) {
        return QString(item);
    } else if constexpr (std::is_same_v<V, QVariant>) {
        if (!item.template canConvert<QString>())
            platform::raiseError(platform::err::TypeMismatch, QStringLiteral("Type mismatch"));
        return item.toString();
    } else {
        platform::raiseError(platform::err::TypeMismatch, QStringLiteral("Type mismatch"));
    }
}

}

// A new dictionary with the entries of dic in ascending order of their keys (intColumn 1)
// or of their items as text (intColumn 2); empty keys are left out and dic comes back
// empty. The order is that of the exchange sort the program has always used.
template<class V>
common::Dictionary<V> fncSortDictionary(common::Dictionary<V>& dic, int intColumn, bool /*dateMode*/ = false)
{
    return common::handled(QStringLiteral("fncSortDictionary"), common::Message::LastStep, [&] {
        modErroHandling::subLogStep(QStringLiteral("Sorting a Dictionary object"));
        common::Dictionary<V> sorted = fncCreateDic<V>();
        std::vector<std::pair<QString, V>> rows;
        for (const auto& [key, item] : dic) {
            if (!key.isEmpty())
                rows.emplace_back(key, item);
        }
        const auto cell = [&](size_t row) {
            return intColumn == 1 ? rows[row].first : detail::asText(rows[row].second);
        };
        for (size_t i = 0; i + 1 < rows.size(); ++i) {
            for (size_t j = i; j < rows.size(); ++j) {
                if (compareText(cell(i), cell(j)) > 0)
                    std::swap(rows[i], rows[j]);
            }
        }
        dic.RemoveAll();
        for (auto& [key, item] : rows)
            sorted.Add(key, std::move(item));
        return sorted;
    });
}

}
