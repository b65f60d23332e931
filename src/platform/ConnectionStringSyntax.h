#pragma once

#include <QString>

namespace platform {

// The one reading of the provider's connection-string syntax: "key=value" items separated
// by ";". A key is trimmed ("==" in it is a literal "="); a value is trimmed, or enclosed
// in double or single quotes with a doubled quote standing for one. The provider's parser,
// the password mask and the pivot table's stored string all read items through here, so
// that what one takes for a password the others do too.
//
//   "User ID=ann; Password = 'it''s;x' ;Data Source=srv"
//    item 1: key "User ID", value "ann"
//    item 2: key "Password", value "it's;x"; valueBegin at the first quote, end after the second
namespace connectionstringsyntax {

enum class Problem { None, NoValue, NoKeyword, OpenQuote, TextAfterQuote };

struct Item
{
    QString key;   // trimmed, as written (not lower-cased)
    QString value;
    qsizetype begin = 0;        // the key's first character
    qsizetype valueBegin = 0;   // after "=" and the blanks that follow it
    qsizetype end = 0;          // the ";" that ends the item, or the end of the text
    Problem problem = Problem::None;
};

// Moves `pos` past the blanks and ";" before an item; false when none follows.
bool skipSeparators(const QString& text, qsizetype& pos);
// Reads the item that starts at `pos`. With a problem the extents still cover what the
// item would hold: an open quote runs to the end of the text, text after a closing
// quote to the next ";".
Item readItem(const QString& text, qsizetype pos);

// "Password" or "PWD", in any letter case, as the parser compares keys.
bool isPasswordKey(const QString& key);

// A value as it must be written so that readItem() gives it back unchanged.
QString quoteValue(const QString& value);

// The text with the value of every item that the parser would read as a password, from
// any position in it, replaced by "***" (a braced value "{...}" as a whole, too).
QString maskPasswords(const QString& text);

}

}
