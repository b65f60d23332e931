// Builds the phrase table resource from the readable per-language sources.
//
// Each source is UTF-8 text, one "KEY<TAB>text" line per phrase (blank lines and lines
// starting with "#" are skipped). The sources are given in column order; every one must
// hold the same keys, each with a non-empty text. The output is what the program reads:
// UTF-16LE with a byte-order mark, one line per key in ascending key order, the key and
// the texts separated by TAB, every line ended by CR LF.

#include <QFile>
#include <QMap>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace {

using Column = QMap<QString, QString>;   // key -> text

bool fail(const QString& message)
{
    std::fprintf(stderr, "buildPhraseTable: %s\n", qPrintable(message));
    return false;
}

bool readColumn(const QString& path, Column& column)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(path));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(path).arg(i + 1);
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0)
            return fail(where + QStringLiteral(": expected KEY<TAB>text"));
        const QString key = line.left(tab);
        const QString text = line.mid(tab + 1);
        if (!key.startsWith(QLatin1String("LNG")) || key.toUpper() != key)
            return fail(where + QStringLiteral(": key must be upper case and begin with LNG"));
        if (text.isEmpty() || text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\r')))
            return fail(where + QStringLiteral(": text must be one non-empty line without TAB"));
        if (column.contains(key))
            return fail(where + QStringLiteral(": duplicate key ") + key);
        column.insert(key, text);
    }
    return true;
}

bool build(const QString& output, const QStringList& sources)
{
    QList<Column> columns(sources.size());
    for (int c = 0; c < sources.size(); ++c) {
        if (!readColumn(sources[c], columns[c]))
            return false;
        if (columns[c].keys() != columns[0].keys())
            return fail(QStringLiteral("%1 does not hold the same keys as %2").arg(sources[c], sources[0]));
    }

    // QMap keeps its keys in ascending order of their UTF-16 code units: the table's order.
    QString table(QChar(0xFEFF));
    for (auto it = columns[0].cbegin(); it != columns[0].cend(); ++it) {
        table += it.key();
        for (const Column& column : columns)
            table += QLatin1Char('\t') + column.value(it.key());
        table += QLatin1String("\r\n");
    }

    QByteArray bytes;
    bytes.reserve(table.size() * 2);
    for (QChar ch : table) {
        bytes.append(static_cast<char>(ch.unicode() & 0xFF));
        bytes.append(static_cast<char>(ch.unicode() >> 8));
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(output));
    return true;
}

}

int main(int argc, char** argv)
{
    if (argc != 18) {
        std::fprintf(stderr, "usage: buildPhraseTable OUTPUT SOURCE1 ... SOURCE16\n");
        return 2;
    }
    QStringList sources;
    for (int i = 2; i < argc; ++i)
        sources << QString::fromLocal8Bit(argv[i]);
    return build(QString::fromLocal8Bit(argv[1]), sources) ? 0 : 1;
}
