// Connection strings and the password mask: quoting round-trips every value, parsing any
// text ends in a value list or the provider's error, and whatever the parser reads as a
// password survives neither the mask nor the pivot table's stored string.

#include "FuzzSupport.h"

#include "olap/ConnectionString.h"
#include "pivot/PivotXml.h"
#include "platform/ConnectionStringSyntax.h"
#include "platform/VbError.h"

namespace syntax = platform::connectionstringsyntax;

namespace {

std::optional<olap::ConnectionString> parsed(const QString& text)
{
    try {
        return olap::ConnectionString::parse(text);
    } catch (const platform::VbError&) {
        return std::nullopt;
    }
}

// Every item of a text that parses, with where its value lies.
QVector<syntax::Item> items(const QString& text)
{
    QVector<syntax::Item> all;
    qsizetype pos = 0;
    while (syntax::skipSeparators(text, pos)) {
        all << syntax::readItem(text, pos);
        pos = all.last().end;
    }
    return all;
}

void checkNoPasswordLeft(const QString& original, const QString& shown, const char* what)
{
    for (const syntax::Item& item : items(original)) {
        if (!syntax::isPasswordKey(item.key) || item.value.size() < 4)
            continue;
        // A password that also stands elsewhere in the text, its own key included
        // ("Password=word="), may be shown there.
        const QString elsewhere = original.left(item.valueBegin) + QLatin1Char('\n') + original.mid(item.end);
        if (elsewhere.contains(item.value))
            continue;
        FUZZ_CHECK(
            !shown.contains(item.value),
            QStringLiteral("%1 leaks \"%2\" of \"%3\": \"%4\"").arg(QLatin1String(what), item.value, original, shown));
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const QString value = input.text();
    const QString text = input.restAsUtf16();

    // A quoted value reads back unchanged, between other items.
    const QString built = QStringLiteral("User ID=u;Password=") + olap::ConnectionString::quoteValue(value)
        + QStringLiteral(";Data Source=srv");
    const auto cs = parsed(built);
    FUZZ_CHECK(cs.has_value(), built);
    FUZZ_CHECK(cs->value(QStringLiteral("password")) == value, built);
    FUZZ_CHECK(cs->value(QStringLiteral("data source")) == QStringLiteral("srv"), built);

    // Any text: the provider's error or a value list; masking never shows the password.
    const auto any = parsed(text);
    if (any) {
        try {
            olap::DataSource::fromConnectionString(*any);
        } catch (const platform::VbError&) {
        }
        checkNoPasswordLeft(text, syntax::maskPasswords(text), "the mask");
        const QString stored = pivot::withoutPassword(text);
        checkNoPasswordLeft(text, stored, "the stored string");
        if (const auto reread = parsed(stored)) {
            FUZZ_CHECK(!reread->contains(QStringLiteral("password")) && !reread->contains(QStringLiteral("pwd")),
                       stored);
        }
    }
    // Within a longer text (an error report) the mask still hides it.
    const QString report = QStringLiteral("Step: opening\r\n") + text + QStringLiteral("\r\nLine: 7");
    const QString masked = syntax::maskPasswords(report);
    if (const auto reread = parsed(masked)) {
        for (const QString& key : {QStringLiteral("password"), QStringLiteral("pwd")}) {
            const auto shown = reread->value(key);
            // What follows the mask may join the masked value when the text is read again
            // ("{a;b}x": the mask covers the braces, the parser's password ended at ";");
            // that it is no part of a password is checked below.
            FUZZ_CHECK(!shown || shown->startsWith(QStringLiteral("***")) || shown->isEmpty(), masked);
        }
    }
    checkNoPasswordLeft(report, masked, "the mask in a report");
    return 0;
}
