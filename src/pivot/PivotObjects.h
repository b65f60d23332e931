#pragma once

#include <QString>

namespace pivot {

class PivotTable;

// The pivot table's object model as the report windows reach it:
// ActiveView.TitleBar.Caption, ActiveView.DataAxis.Totals, ActiveView.RowAxis and
// ActiveView.ColumnAxis with DisplayEmptyMembers. Each object is a view onto the table.

class PivotTitleBar
{
public:
    explicit PivotTitleBar(PivotTable& table) : m_table(table) {}
    QString Caption() const;
    void setCaption(const QString& caption);

private:
    PivotTable& m_table;
};

// One data field as the data axis lists it.
class PivotTotal
{
public:
    PivotTotal(QString caption, QString numberFormat)
        : m_caption(std::move(caption)), m_numberFormat(std::move(numberFormat))
    {
    }
    const QString& Caption() const { return m_caption; }
    const QString& NumberFormat() const { return m_numberFormat; }

private:
    QString m_caption;
    QString m_numberFormat;
};

class PivotTotals
{
public:
    explicit PivotTotals(const PivotTable& table) : m_table(table) {}
    int Count() const;
    // Items count from 0; any other index raises error 9.
    PivotTotal Item(int index) const;
    PivotTotal operator()(int index) const { return Item(index); }

private:
    const PivotTable& m_table;
};

class PivotDataAxis
{
public:
    explicit PivotDataAxis(const PivotTable& table) : m_totals(table) {}
    const PivotTotals& Totals() const { return m_totals; }

private:
    PivotTotals m_totals;
};

class PivotAxisView
{
public:
    PivotAxisView(PivotTable& table, bool rows) : m_table(table), m_rows(rows) {}
    bool DisplayEmptyMembers() const;
    void setDisplayEmptyMembers(bool display);

private:
    PivotTable& m_table;
    bool m_rows;
};

class PivotView
{
public:
    explicit PivotView(PivotTable& table)
        : m_titleBar(table), m_dataAxis(table), m_rowAxis(table, true), m_columnAxis(table, false)
    {
    }
    PivotTitleBar& TitleBar() { return m_titleBar; }
    const PivotDataAxis& DataAxis() const { return m_dataAxis; }
    // Never null: both axes always exist, with or without fields.
    PivotAxisView* RowAxis() { return &m_rowAxis; }
    PivotAxisView* ColumnAxis() { return &m_columnAxis; }

private:
    PivotTitleBar m_titleBar;
    PivotDataAxis m_dataAxis;
    PivotAxisView m_rowAxis;
    PivotAxisView m_columnAxis;
};

}
