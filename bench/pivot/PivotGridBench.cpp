// Laying out and scrolling a pivot result of 100,000 rows: the grid must stay
// responsive however long the result is.

#include "pivot/HeaderLayout.h"
#include "pivot/PivotGridModel.h"
#include "pivot/PivotGridView.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

constexpr int Regions = 100;
constexpr int CitiesPerRegion = 999;   // with a subtotal per region and the grand total: 100,001 rows

olap::TupleMember member(const QStringList& keys, bool total = false)
{
    return olap::TupleMember{olap::Member{olap::MemberPath{keys}, keys.isEmpty() ? QStringLiteral("All") : keys.last()},
                             total};
}

// Region expanded to cities on rows, four years on columns, two measures.
struct LargeResult
{
    olap::Axis rows;
    olap::Axis columns;
    std::shared_ptr<olap::CellSet> cells = std::make_shared<olap::CellSet>();

    LargeResult()
    {
        rows.fields = {{QStringLiteral("Geography"), 1, {}, {}}};
        columns.fields = {{QStringLiteral("Time"), 0, {}, {}}};
        for (int r = 0; r < Regions; ++r) {
            const QString region = QStringLiteral("Region %1").arg(r, 3, 10, QLatin1Char('0'));
            for (int c = 0; c < CitiesPerRegion; ++c)
                cells->rows << olap::Tuple{
                    {member({region, QStringLiteral("City %1").arg(c, 4, 10, QLatin1Char('0'))})}};
            cells->rows << olap::Tuple{{member({region}, true)}};
        }
        cells->rows << olap::Tuple{{member({}, true)}};
        for (int y = 2021; y <= 2024; ++y)
            cells->columns << olap::Tuple{{member({QString::number(y)})}};
        cells->columns << olap::Tuple{{member({}, true)}};
        cells->measures = {QStringLiteral("Sales"), QStringLiteral("Units")};
        cells->values.resize(size_t(cells->rows.size()) * size_t(cells->columns.size()) * 2);
        for (size_t i = 0; i < cells->values.size(); ++i)
            if (i % 7 != 3)
                cells->values[i] = double(i % 100003) * 1.25;
    }

    pivot::PivotGridModel::Result result() const
    {
        const auto levels = [](const QString&) { return 2; };
        return {cells, pivot::HeaderLayout(cells->rows, rows, levels, true),
                pivot::HeaderLayout(cells->columns, columns, levels, false), olap::PivotQuery()};
    }
};

const LargeResult& largeResult()
{
    static const LargeResult result;
    return result;
}

void setUp(pivot::PivotGridModel& model)
{
    model.setDataFields({QStringLiteral("Sales Amount"), QStringLiteral("Units Sold")},
                        {QStringLiteral("Currency"), QStringLiteral("#,##0")});
}

// From a finished query to a grid ready to paint: header layouts, model, fitted widths.
void BM_LayOutResult(benchmark::State& state)
{
    const LargeResult& large = largeResult();
    pivot::PivotGridModel model;
    setUp(model);
    pivot::PivotGridView view(&model);
    view.resize(1000, 700);
    view.show();
    QImage screen(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        model.setResult(large.result());
        view.fitToContents();
        view.render(&screen);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = double(model.rowCount());
}
BENCHMARK(BM_LayOutResult)->Unit(benchmark::kMillisecond);

// Painting one screenful at 200 places spread over the whole result.
void BM_ScrollThrough(benchmark::State& state)
{
    pivot::PivotGridModel model;
    setUp(model);
    model.setResult(largeResult().result());
    pivot::PivotGridView view(&model);
    view.resize(1000, 700);
    view.show();
    view.fitToContents();
    QScrollBar* bar = view.verticalScrollBar();
    QImage screen(view.size(), QImage::Format_RGB32);
    constexpr int Steps = 200;
    for (auto _ : state) {
        for (int step = 0; step <= Steps; ++step) {
            bar->setValue(int(qint64(bar->maximum()) * step / Steps));
            view.render(&screen);
        }
    }
    state.counters["screens"] =
        benchmark::Counter(double(Steps + 1) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScrollThrough)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
