#pragma once

#include "pivot/HeaderLayout.h"

#include <memory>

namespace pivot {

// What one query of the pivot table gave: the query, the cells, and the nested headers
// laid out for them. Shared, never changed once made, so the controller and the views can
// hold it without copying. Positions in it refer to its own query, which a newer layout
// may already have left behind.
struct PivotResult
{
    std::shared_ptr<const olap::CellSet> cells;
    HeaderLayout rows;
    HeaderLayout columns;
    olap::PivotQuery query;
};

}
