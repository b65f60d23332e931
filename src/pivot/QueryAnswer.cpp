#include "pivot/QueryAnswer.h"

#include "platform/VbError.h"

#include <QCoreApplication>

namespace pivot {
namespace {

int levelCount(const olap::CubeSource* source, const QString& hierarchy)
{
    if (source)
        for (const olap::Hierarchy& h : source->schema().hierarchies)
            if (h.name == hierarchy)
                return int(h.levels.size());
    return 0;
}

// The caption of a member that no position carries; the caller holds the source's lock.
QString memberCaption(olap::CubeSource* source, const QString& hierarchy, const olap::MemberPath& member)
{
    if (!source || member.isAll())
        return {};
    try {
        const olap::MemberPath parent{member.keys.mid(0, member.keys.size() - 1)};
        for (const olap::Member& m : source->members(hierarchy, member.level(), parent))
            if (m.path == member)
                return m.caption;
    } catch (const platform::VbError&) {
        // Named by its key, then.
    }
    return {};
}

std::shared_ptr<const PivotResult> laidOut(olap::CubeSource* source, std::shared_ptr<const olap::CellSet> cells,
                                           const olap::PivotQuery& query)
{
    const auto levels = [source](const QString& hierarchy) { return levelCount(source, hierarchy); };
    const auto captions = [source](const QString& hierarchy, const olap::MemberPath& member) {
        return memberCaption(source, hierarchy, member);
    };
    HeaderLayout rows(cells->rows, query.rows, levels, true, captions);
    HeaderLayout columns(cells->columns, query.columns, levels, false, captions);
    return std::make_shared<const PivotResult>(
        PivotResult{std::move(cells), std::move(rows), std::move(columns), query});
}

}

QueryAnswer answerQuery(olap::CubeSource* source, std::mutex& lock, const olap::PivotQuery& query,
                        const std::function<bool()>& replaced)
{
    QueryAnswer answer;
    auto cells = std::make_shared<olap::CellSet>();
    if (!source) {
        answer.result = laidOut(nullptr, std::move(cells), query);
        return answer;
    }
    const std::lock_guard guard(lock);
    if (replaced && replaced())   // a newer query came while this one waited: never shown, not run
        return answer;
    try {
        *cells = source->query(query);
    } catch (const platform::VbError& e) {
        answer.error = e.description();
        *cells = olap::CellSet();
    }
    // A result that does not match its own shape would be read out of bounds.
    const size_t expected = size_t(cells->rows.size()) * size_t(cells->columns.size()) * size_t(cells->measures.size());
    if (cells->values.size() != expected) {
        answer.error = QCoreApplication::translate("pivot", "The cube returned an incomplete result");
        *cells = olap::CellSet();
    }
    answer.result = laidOut(source, std::move(cells), query);
    return answer;
}

}
