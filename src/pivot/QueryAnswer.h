#pragma once

#include "pivot/PivotResult.h"

#include <QString>
#include <functional>
#include <memory>
#include <mutex>

namespace pivot {

// A query answered into what the pivot table shows: the cells, checked against their
// own shape, with both axes' headers laid out. It does all the work a result needs
// before a view can show it, so that it can run on any thread; the source is locked for
// the whole answer, as a source takes one call at a time.
struct QueryAnswer
{
    std::shared_ptr<const PivotResult> result;
    QString error;   // empty when the query was answered
};

// `replaced` is asked once the lock is held: a query that a newer one has replaced is
// then not run, and its answer is empty. No source: the empty result.
QueryAnswer answerQuery(olap::CubeSource* source, std::mutex& lock, const olap::PivotQuery& query,
                        const std::function<bool()>& replaced = {});

}
