// Report descriptions as report files carry them: any text, any nesting, any picture or
// style sheet named in them. Each is taken through the step every view takes it through,
// laid out and painted as a view does. Nothing may crash, hang or exhaust memory; what is
// shown nests no tables deeper than the limit, and a refusal says why.
//
// "@/" in the input stands for a folder holding a FIFO, a link to /dev/zero, a sparse file
// past the size limit, a small picture and a style sheet.

#include "FuzzSupport.h"

#include "app/description/SafeDescription.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cstdlib>
#include <sys/stat.h>

namespace {

class DescriptionPage : public QTextDocument
{
protected:
    QVariant loadResource(int type, const QUrl& name) override { return description::descriptionResource(type, name); }
};

QString makeResourceFolder()
{
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/resources");
    QDir().mkpath(folder);
    ::mkfifo(QFile::encodeName(folder + QStringLiteral("/fifo")).constData(), 0600);
    QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("/zero.png"));
    QFile huge(folder + QStringLiteral("/huge.png"));
    if (huge.open(QIODevice::WriteOnly))
        huge.resize(description::kMaxResourceBytes + 1);
    QImage dot(3, 3, QImage::Format_RGB32);
    dot.fill(Qt::blue);
    dot.save(folder + QStringLiteral("/dot.png"));
    QFile sheet(folder + QStringLiteral("/sheet.css"));
    if (sheet.open(QIODevice::WriteOnly))
        sheet.write("td { padding: 4px } p { font-size: 14pt }");
    return QUrl::fromLocalFile(folder).toString() + QLatin1Char('/');
}

const QString& resourceFolder()
{
    static const QString folder = makeResourceFolder();
    return folder;
}

// Tables inside tables, as Qt's reader built them.
int tableNesting(const QTextDocument& document)
{
    int deepest = 0;
    QList<std::pair<QTextFrame*, int>> frames{{document.rootFrame(), 0}};
    while (!frames.isEmpty()) {
        const auto [frame, depth] = frames.takeLast();
        deepest = std::max(deepest, depth);
        for (QTextFrame* child : frame->childFrames())
            frames.append({child, depth + (qobject_cast<QTextTable*>(child) ? 1 : 0)});
    }
    return deepest;
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's complaints about the style sheets the fuzzer writes would cost more than the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    // Fonts are let go with the application, not before.
    std::atexit([] { delete QCoreApplication::instance(); });
    resourceFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
                             .replace(QStringLiteral("@/"), resourceFolder());
    const description::SafeDescription safe = description::safeDescription(text, QStringLiteral("fuzz"));
    if (safe.refused) {
        FUZZ_CHECK(text.size() > description::kMaxDescriptionLength && !safe.notice.isEmpty(), text);
        return 0;
    }
    DescriptionPage page;
    page.setHtml(safe.html);
    page.setTextWidth(300);
    page.size();
    FUZZ_CHECK(tableNesting(page) <= description::kMaxTableNesting, safe.html);
    QImage picture(160, 120, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    page.drawContents(&painter, QRectF(0, 0, 160, 120));
    return 0;
}
