#include "PivotTestSupport.h"

#include "pivot/DetailsView.h"
#include "pivot/DropArea.h"
#include "pivot/FieldListPanel.h"
#include "pivot/FieldMime.h"
#include "pivot/MemberChecklist.h"
#include "pivot/NestedHeaderView.h"
#include "pivot/PropertyToolbox.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace pivot;
using namespace pivot::test;

namespace {

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text)
{
    const auto items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

// Drags a field list item onto a drop area, at `x` inside it.
void dragToArea(PivotTable& table, const QString& itemText, Area area, int x = 10000)
{
    QTreeWidget* tree = table.fieldList()->tree();
    QTreeWidgetItem* item = findItem(tree, itemText);
    ASSERT_NE(item, nullptr) << qPrintable(itemText);
    std::unique_ptr<QMimeData> mime(tree->model()->mimeData({tree->indexFromItem(item)}));
    ASSERT_NE(mime, nullptr);
    DropArea* target = table.dropArea(area);
    const QPointF pos(std::min(x, target->width() - 2), target->height() / 2);
    QDragEnterEvent enter(pos.toPoint(), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(pos, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    ASSERT_TRUE(drop.isAccepted());
}

QStringList rowLabels(PivotTable& table)
{
    QStringList labels;
    for (int r = 0; r < table.gridModel()->rowCount(); ++r)
        labels << table.gridModel()->headerData(r, Qt::Vertical).toString();
    return labels;
}

class PivotWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table.resize(1000, 600);
        table.show();
        bind(table);
    }
    LocaleGuard locale;
    FakeOpener opener;
    PivotTable table;
};

TEST_F(PivotWidgetTest, DraggingFieldsFromTheFieldListBuildsTheGrid)
{
    dragToArea(table, QStringLiteral("Sales Amount"), Area::Data);
    EXPECT_EQ(rowLabels(table), QStringList{QStringLiteral("Grand Total")});
    dragToArea(table, QStringLiteral("Geography"), Area::Row);
    EXPECT_EQ(rowLabels(table),
              (QStringList{QStringLiteral("East"), QStringLiteral("North"), QStringLiteral("West"),
                           QStringLiteral("Grand Total")}));
    // A measure is refused by the row area, a hierarchy by the data area.
    QTreeWidget* tree = table.fieldList()->tree();
    std::unique_ptr<QMimeData> mime(
        tree->model()->mimeData({tree->indexFromItem(findItem(tree, QStringLiteral("Units Sold")))}));
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.dropArea(Area::Row), &enter);
    EXPECT_FALSE(enter.isAccepted());

    // Dropping Product before Geography nests the regions under the categories.
    dragToArea(table, QStringLiteral("Product"), Area::Row, 1);
    ASSERT_EQ(table.layout().rows.fields.size(), 2);
    EXPECT_EQ(table.layout().rows.fields[0].hierarchy, QStringLiteral("Product"));
    EXPECT_EQ(rowLabels(table).first(), QStringLiteral("Dairy / East"));
    // The field list marks what is in use.
    EXPECT_TRUE(findItem(tree, QStringLiteral("Product"))->font(0).bold());
    EXPECT_FALSE(findItem(tree, QStringLiteral("Time"))->font(0).bold());

    // Dropped on the column area, Geography moves there from the rows.
    dragToArea(table, QStringLiteral("Geography"), Area::Column);
    EXPECT_EQ(table.layout().rows.fields.size(), 1);
    EXPECT_EQ(table.layout().columns.fields.size(), 1);
    EXPECT_EQ(table.gridModel()->columnCount(), 4);   // East, North, West, Grand Total

    // A field dragged back onto the field list leaves the pivot.
    std::unique_ptr<QMimeData> back = fieldMimeData(hierarchy("Geography"));
    QDragEnterEvent enterList(QPoint(5, 5), Qt::MoveAction, back.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &enterList);
    QDropEvent dropList(QPointF(5, 5), Qt::MoveAction, back.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &dropList);
    EXPECT_TRUE(table.layout().columns.fields.isEmpty());
    EXPECT_EQ(table.gridModel()->columnCount(), 1);
    // It is no longer marked as in use, and is there to be used again at once.
    EXPECT_FALSE(findItem(tree, QStringLiteral("Geography"))->font(0).bold());
    dragToArea(table, QStringLiteral("Geography"), Area::Filter);
    EXPECT_EQ(table.layout().filterFields.size(), 1);
}

TEST_F(PivotWidgetTest, ChipsMoveAndLeaveByKeyboard)
{
    standardLayout(table);
    QList<FieldChip*> chips = table.dropArea(Area::Row)->chips();
    ASSERT_EQ(chips.size(), 2);
    QTest::keyClick(chips[0], Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(table.layout().rows.fields[0].hierarchy, QStringLiteral("Product"));
    QCoreApplication::processEvents();
    chips = table.dropArea(Area::Row)->chips();
    QTest::keyClick(chips[1], Qt::Key_Delete);
    ASSERT_EQ(table.layout().rows.fields.size(), 1);
    EXPECT_EQ(table.layout().rows.fields[0].hierarchy, QStringLiteral("Product"));
    EXPECT_FALSE(gridText(table).contains(QLatin1String("East")));
}

TEST_F(PivotWidgetTest, ClickingAMembersBoxExpandsAndCollapsesIt)
{
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(measure("Units"), Area::Data);
    NestedHeaderView* header = table.grid()->rowHeader();
    const QPoint box(10, header->sectionViewportPosition(0) + header->levelHeight() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_EQ(rowLabels(table).mid(0, 3),
              (QStringList{QStringLiteral("East / Boston"), QStringLiteral("East / New York"),
                           QStringLiteral("East Total")}));
    EXPECT_EQ(table.gridModel()->data(table.gridModel()->index(2, 0)).toString(), QStringLiteral("6,060"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_EQ(rowLabels(table).first(), QStringLiteral("East"));
    // Expanding the whole level from the header's menu action.
    table.setLevelExpanded(Area::Row, 0, true);
    EXPECT_TRUE(rowLabels(table).contains(QStringLiteral("West / Seattle")));
}

TEST_F(PivotWidgetTest, PlusAndMinusKeysExpandAndCollapseTheCurrentRow)
{
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(measure("Units"), Area::Data);
    PivotGridView* grid = table.grid();
    grid->setCurrentIndex(grid->model()->index(2, 0));   // West
    QTest::keyClick(grid, Qt::Key_Plus);
    EXPECT_TRUE(rowLabels(table).contains(QStringLiteral("West / Seattle")));
    grid->setCurrentIndex(grid->model()->index(3, 0));   // West / Seattle
    QTest::keyClick(grid, Qt::Key_Minus);
    EXPECT_FALSE(rowLabels(table).contains(QStringLiteral("West / Seattle")));
}

TEST_F(PivotWidgetTest, ADraggedColumnWidthOutlivesTheNextQuery)
{
    standardLayout(table);
    PivotGridView* grid = table.grid();
    grid->columnHeader()->resizeSection(1, 177);   // as a drag of the column edge does
    table.toggleMember(Area::Row, 0, 0);
    EXPECT_EQ(grid->columnWidth(1), 177);
    EXPECT_NE(grid->columnWidth(0), 177);
}

TEST_F(PivotWidgetTest, WithoutSubtotalsParentsKeepTheirCaptions)
{
    table.placeField(hierarchy("Time"), Area::Row);
    table.placeField(measure("Units"), Area::Data);
    table.toggleMember(Area::Row, 1, 0);   // FY2024 down to its quarters
    table.setAxisTotals(Area::Row, false, false);
    EXPECT_EQ(rowLabels(table),
              (QStringList{QStringLiteral("FY2023"), QStringLiteral("FY2024 / Q1"), QStringLiteral("FY2024 / Q2"),
                           QStringLiteral("FY2024 / Q3"), QStringLiteral("FY2024 / Q4")}));
    table.setAxisTotals(Area::Row, true, true);
    EXPECT_EQ(rowLabels(table).mid(5), (QStringList{QStringLiteral("FY2024 Total"), QStringLiteral("Grand Total")}));
}

TEST_F(PivotWidgetTest, FilterChecklistNarrowsTheGrid)
{
    standardLayout(table);
    table.placeField(hierarchy("Time"), Area::Filter);
    FieldChip* chip = table.dropArea(Area::Filter)->chips().value(0);
    ASSERT_NE(chip, nullptr);
    QTest::mouseClick(chip, Qt::LeftButton);
    auto* checklist = table.findChild<MemberChecklist*>();
    ASSERT_NE(checklist, nullptr);
    ASSERT_EQ(checklist->list()->count(), 2);
    checklist->findChildren<QPushButton*>()[1]->click();   // Select None
    checklist->searchBox()->setText(QStringLiteral("23"));
    EXPECT_TRUE(checklist->list()->item(1)->isHidden());
    checklist->setAllVisibleChecked(true);
    checklist->accept();
    EXPECT_TRUE(gridText(table).contains(QLatin1String("$6,250.75")));   // 2023 sales only
    EXPECT_FALSE(gridText(table).contains(QLatin1String("$14,710.75")));
    EXPECT_TRUE(table.dropArea(Area::Filter)->chips().value(0)->text().contains(u'*'));
}

TEST_F(PivotWidgetTest, SortingByLabelAndByValue)
{
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(measure("Sales"), Area::Data);
    table.sortByLabel(Area::Row, olap::SortOrder::Descending);
    EXPECT_EQ(rowLabels(table).first(), QStringLiteral("West"));
    table.sortByValue(Area::Row, 0, olap::SortOrder::Ascending);
    EXPECT_EQ(rowLabels(table).first(), QStringLiteral("North"));
    EXPECT_EQ(rowLabels(table).last(), QStringLiteral("Grand Total"));
    EXPECT_EQ(table.layout().rows.sortByLabel, olap::SortOrder::Descending);
}

TEST_F(PivotWidgetTest, SelectionCopiesAsTabSeparatedTextWithLabels)
{
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(hierarchy("Time"), Area::Column);
    table.placeField(measure("Sales"), Area::Data);
    PivotGridView* grid = table.grid();
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
                                   QItemSelectionModel::ClearAndSelect);
    const QString expected = QStringLiteral("\tFY2023\tFY2024\n"
                                            "\tSales Amount\tSales Amount\n"
                                            "East\t$5,300.75\t$3,300.00\n"
                                            "North\t\t$410.00\n");
    EXPECT_EQ(grid->selectionAsTsv(), expected);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
}

TEST_F(PivotWidgetTest, FieldListSearchKeepsMatchesAndTheirParents)
{
    QTreeWidget* tree = table.fieldList()->tree();
    table.fieldList()->setSearchText(QStringLiteral("city"));
    EXPECT_FALSE(findItem(tree, QStringLiteral("City"))->isHidden());
    EXPECT_FALSE(findItem(tree, QStringLiteral("Geography"))->isHidden());
    EXPECT_TRUE(findItem(tree, QStringLiteral("Sales Amount"))->isHidden());
    table.fieldList()->setSearchText(QString());
    EXPECT_FALSE(findItem(tree, QStringLiteral("Sales Amount"))->isHidden());
}

TEST_F(PivotWidgetTest, PropertyToolboxChangesCaptionAndFormatWithoutANewQuery)
{
    standardLayout(table);
    table.setDisplayPropertyToolbox(true);
    PropertyToolbox* toolbox = table.propertyToolbox();
    EXPECT_TRUE(toolbox->isVisible());
    toolbox->fieldBox()->setCurrentIndex(1);
    toolbox->formatBox()->setCurrentText(QStringLiteral("#,##0.00"));
    EXPECT_EQ(table.ActiveView().DataAxis().Totals().Item(1).NumberFormat(), QStringLiteral("#,##0.00"));
    EXPECT_TRUE(gridText(table).contains(QLatin1String("10,594.00")));
    toolbox->captionEdit()->setText(QStringLiteral("Pieces"));
    emit toolbox->captionEdit()->editingFinished();
    EXPECT_EQ(table.ActiveView().DataAxis().Totals().Item(1).Caption(), QStringLiteral("Pieces"));
    EXPECT_TRUE(gridText(table).contains(QLatin1String("Pieces")));
    // Typed key by key, a format with spaces and quotes arrives whole: the echo of each
    // keystroke must not trim or reset what is being typed.
    toolbox->formatBox()->lineEdit()->clear();
    QTest::keyClicks(toolbox->formatBox()->lineEdit(), QStringLiteral("#,##0 \"pcs\""));
    EXPECT_EQ(toolbox->formatBox()->currentText(), QStringLiteral("#,##0 \"pcs\""));
    EXPECT_EQ(table.ActiveView().DataAxis().Totals().Item(1).NumberFormat(), QStringLiteral("#,##0 \"pcs\""));
    EXPECT_TRUE(gridText(table).contains(QLatin1String("10,594 pcs")));
}

TEST_F(PivotWidgetTest, DetailsShowTheFactsBehindACell)
{
    table.placeField(hierarchy("Geography"), Area::Row);
    table.placeField(measure("Sales"), Area::Data);
    PivotGridView* grid = table.grid();
    const QRect cell = grid->visualRect(grid->model()->index(0, 0));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(table.findChild<DetailsView*>(), nullptr);   // not allowed yet
    table.setAllowDetails(true);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    auto* details = table.findChild<DetailsView*>();
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->table()->rowCount(), 4);   // East's four facts
    details->close();
}

TEST_F(PivotWidgetTest, PanelsFollowTheirSwitchesAndTheTitleBarItsCaption)
{
    EXPECT_TRUE(table.fieldList()->isVisible());
    table.setDisplayFieldList(false);
    EXPECT_FALSE(table.fieldList()->isVisible());
    EXPECT_EQ(table.titleBar()->text(), QStringLiteral("Sales Cube"));
    table.ActiveView().TitleBar().setCaption(QStringLiteral("Quarterly report"));
    EXPECT_EQ(table.titleBar()->text(), QStringLiteral("Quarterly report"));
}

TEST_F(PivotWidgetTest, Screenshot)
{
    table.setDisplayFieldList(true);
    table.ActiveView().TitleBar().setCaption(QStringLiteral("Sales by Region and Product"));
    standardLayout(table);
    table.resize(1000, 440);
    QCoreApplication::processEvents();
    for (int c = 0; c < table.gridModel()->columnCount(); ++c)
        EXPECT_GE(table.grid()->columnWidth(c), table.grid()->columnHeader()->sectionSizeHint(c)) << c;
    // Drawn as a user sees it: the title bar in its own colour, with its caption on it.
    const QImage shot = table.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    const QRect bar =
        table.titleBar()->geometry().translated(table.titleBar()->parentWidget()->mapTo(&table, QPoint()));
    const qreal ratio = shot.devicePixelRatio();
    EXPECT_EQ(shot.pixelColor(QPoint(bar.right() - 2, bar.center().y()) * ratio), QColor(0x2f, 0x4f, 0x7f));
    bool captionDrawn = false;
    for (int x = bar.left(); x < bar.left() + 60 && !captionDrawn; ++x)
        captionDrawn = shot.pixelColor(QPoint(x, bar.center().y()) * ratio).lightness() > 200;
    EXPECT_TRUE(captionDrawn);
}

TEST(PivotGrid, AHundredThousandRowsBuildNoWidgetPerRow)
{
    olap::Axis rows;
    rows.fields = {{QStringLiteral("Geography"), 1, {}, {}}};
    auto cells = std::make_shared<olap::CellSet>();
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 1000; ++c)
            cells->rows << olap::Tuple{{olap::TupleMember{
                olap::Member{olap::MemberPath{{QString::number(r), QString::number(c)}}, QString::number(c)}, false}}};
    cells->columns = {olap::Tuple{}};
    cells->measures = {QStringLiteral("Sales")};
    cells->values.assign(size_t(cells->rows.size()), 1.0);

    PivotGridModel model;
    PivotGridView view(&model);
    view.resize(800, 600);
    view.show();
    const auto widgetsBefore = view.findChildren<QWidget*>().size();
    model.setDataFields({QStringLiteral("Sales")}, {QStringLiteral("#,##0")});
    model.setResult({cells,
                     HeaderLayout(
                         cells->rows, rows, [](const QString&) { return 2; }, true),
                     HeaderLayout(cells->columns, olap::Axis{}, {}, false), olap::PivotQuery{}});
    view.fitToContents();
    view.scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_EQ(model.rowCount(), 100000);
    EXPECT_EQ(view.findChildren<QWidget*>().size(), widgetsBefore);
    // Region 99 merges over its thousand cities; the last row is the last city.
    EXPECT_EQ(model.rowHeaders().cell(99999, 0).runStart, 99000);
    EXPECT_EQ(model.headerData(99999, Qt::Vertical).toString(), QStringLiteral("99 / 999"));
}

}
