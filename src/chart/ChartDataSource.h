#pragma once

#include "olap/CubeSource.h"

#include <QObject>
#include <QStringList>

namespace chart {

// What the chart space draws from: the cell set a pivot view shows, with the captions
// and number formats of its data fields (one each per measure of the cell set, in its
// order). Emit dataChanged() after every change of the cell set or of the captions, so a
// bound chart can follow.
class ChartDataSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~ChartDataSource() override = default;

    virtual const olap::CellSet& cellSet() const = 0;
    virtual QStringList measureCaptions() const = 0;
    virtual QStringList measureNumberFormats() const = 0;
    // The label of one row or column position of cellSet(), as the pivot shows it; by
    // default its members' captions, outer first, joined by " / ".
    virtual QString rowCaption(int position) const;
    virtual QString columnCaption(int position) const;
    // The captions of the fields on the row and column axes, outermost first, for the
    // field list; empty when the source does not name them.
    virtual QStringList rowFieldCaptions() const { return {}; }
    virtual QStringList columnFieldCaptions() const { return {}; }

signals:
    void dataChanged();
};

// The captions of a tuple's members, outer first, joined by " / ".
QString tupleCaption(const olap::Tuple& tuple);

}
