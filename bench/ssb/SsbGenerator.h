#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace ssb {

// One column value: the generator only makes integers and texts.
using Value = std::variant<int64_t, std::string>;
using Row = std::vector<Value>;
using RowSink = std::function<void(const Row&)>;

// Row counts of one scale factor. Scale factor 1 makes 6 million line orders.
struct TableSizes
{
    explicit TableSizes(double scaleFactor);
    int64_t customers = 0;
    int64_t suppliers = 0;
    int64_t parts = 0;
    int64_t orders = 0;   // each order has 1 to 7 line orders
};

// Deterministic data of the star schema benchmark: the same scale factor always gives the
// same rows. Column values follow the benchmark's generator rules (uniform choices, the
// part price formula, sparse order keys, customers whose key is a multiple of 3 never
// order); the random stream is our own.
class SsbGenerator
{
public:
    explicit SsbGenerator(double scaleFactor) : m_sizes(scaleFactor) {}

    const TableSizes& sizes() const { return m_sizes; }

    // Rows in the column order of the table definitions (SsbSchema.h).
    void dates(const RowSink& sink) const;
    void customers(const RowSink& sink) const;
    void suppliers(const RowSink& sink) const;
    void parts(const RowSink& sink) const;
    void lineorders(const RowSink& sink) const;

    // The part's price in cents; the line order's prices derive from it.
    static int64_t retailPrice(int64_t partKey);

private:
    TableSizes m_sizes;
};

}
