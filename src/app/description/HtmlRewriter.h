#pragma once

#include <QString>

namespace description {

// Elements nested deeper than this are left out, their text kept.
constexpr int kMaxElementNesting = 64;
// Tables inside tables deeper than this are flattened: their cells become plain text.
constexpr int kMaxTableNesting = 3;

// Writes HTML again so that Qt's HTML reader builds from it no more than these limits allow:
// elements nested past them are left out with their text kept, tables nested past them are
// flattened into text. What stays within the limits reads as it did.
class HtmlRewriter
{
public:
    struct Result
    {
        QString html;
        bool flattened = false;   // whether anything was left out or flattened
    };

    static Result rewrite(const QString& text);
};

}
