#include "platform/ComponentRegistry.h"
#include "platform/FakeServices.h"
#include "platform/MailClient.h"
#include "platform/SystemLocale.h"
#include "platform/VbError.h"

#include <QCloseEvent>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QUrl>
#include <gtest/gtest.h>

using namespace platform;

TEST(App, SecondCopyFindsThePreviousInstanceUntilTheLockIsReleased)
{
    FakeServices fakes;
    App first(fakes.path(QStringLiteral("app")), QString(), fakes.path(QStringLiteral("run")));
    App second(fakes.path(QStringLiteral("app")), QString(), fakes.path(QStringLiteral("run")));
    EXPECT_FALSE(first.prevInstance());
    EXPECT_TRUE(second.prevInstance());
    first.releaseInstanceLock();
    App third(fakes.path(QStringLiteral("app")), QString(), fakes.path(QStringLiteral("run")));
    EXPECT_FALSE(third.prevInstance());
}

namespace {

class RefusingWindow : public QWidget
{
public:
    bool refuse = false;
    QStringList* log = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        log->append(objectName());
        event->setAccepted(!refuse);
    }
};

}

TEST(Forms, UnloadAllClosesNewestFirstAndStopsAtARefusal)
{
    FakeServices fakes;
    QStringList closed;
    RefusingWindow a, b, c;
    for (auto [w, name] : {std::pair{&a, "a"}, {&b, "b"}, {&c, "c"}}) {
        w->setObjectName(QString::fromLatin1(name));
        w->log = &closed;
    }
    fakes.forms.add(&a);
    b.show();   // shown windows are loaded without being added
    fakes.forms.add(&c);
    fakes.forms.unloadAll();
    EXPECT_EQ(closed, (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(fakes.forms.count(), 0);

    closed.clear();
    RefusingWindow d, e;
    d.log = e.log = &closed;
    d.setObjectName(QStringLiteral("d"));
    e.setObjectName(QStringLiteral("e"));
    e.refuse = true;
    d.show();
    e.show();
    fakes.forms.unloadAll();
    EXPECT_EQ(closed, QStringList{QStringLiteral("e")});
    EXPECT_EQ(fakes.forms.count(), 2);
    e.refuse = false;
    d.close();   // closed by the user: unloaded
    EXPECT_EQ(fakes.forms.count(), 1);
    EXPECT_EQ(fakes.forms.at(0), &e);
}

TEST(ComponentRegistry, CreatesOnlyWhatTheClassRegistrationsRegister)
{
    FakeServices fakes;
    auto& registry = ComponentRegistry::instance();
    registry.registerFactory(QStringLiteral("OWC10.ChartSpace"), [] { return std::make_unique<QObject>(); });
    EXPECT_NE(registry.createObject(QStringLiteral("owc10.chartspace")), nullptr);
    fakes.registry.removeKey(Hive::ClassesRoot, QStringLiteral("OWC10.ChartSpace"));
    try {
        registry.createObject(QStringLiteral("OWC10.ChartSpace"));
        FAIL() << "created an unregistered class";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), err::ComponentCannotCreate);
    }
    registry.unregisterFactory(QStringLiteral("OWC10.ChartSpace"));
    EXPECT_THROW(registry.createObject(QStringLiteral("Unknown.Class")), VbError);
    EXPECT_NE(qobject_cast<MailApplication*>(registry.createObject(QStringLiteral("Outlook.Application")).get()),
              nullptr);
}

TEST(SystemLocale, PosixLocalesMapToTheirIdentifiers)
{
    const std::pair<const char*, int> cases[] = {
        {"de_AT.UTF-8", 3079}, {"de_DE@euro", 1031}, {"cs_CZ.UTF-8", 1029}, {"nl_BE", 2067},
        {"fr_CA.UTF-8", 3084}, {"no_NO", 1044},      {"nb_NO.UTF-8", 1044}, {"pt_BR.UTF-8", 1046},
        {"es_MX.UTF-8", 2058}, {"es_ES", 3082},      {"sv_SE", 1053},       {"tr_TR", 1055},
        {"C", 1033},           {"POSIX", 1033},      {"xx_YY", 1033},       {"de", 1033},
    };
    for (const auto& [name, lcid] : cases)
        EXPECT_EQ(lcidOfLocaleName(QString::fromLatin1(name)), lcid) << name;

    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "it_CH.UTF-8");
    qputenv("LANG", "fi_FI.UTF-8");
    EXPECT_EQ(GetSystemDefaultLCID(), 2064);
    qputenv("LC_ALL", "el_GR.UTF-8");
    EXPECT_EQ(GetSystemDefaultLCID(), 1032);
    qputenv("LC_ALL", saved[0]);
    qputenv("LC_MESSAGES", saved[1]);
    qputenv("LANG", saved[2]);
}

TEST(MailClient, SaveKeepsACopyAndDisplayHandsTheMessageOverAsArguments)
{
    FakeServices fakes;
    MailItem item;
    item.To = QStringLiteral("support@example.org");
    item.Subject = QStringLiteral("Error in \"x\" & y");
    item.Body = QStringLiteral("line 1\r\n$(rm -rf ~); `x` 100% \u00e9");
    item.Save();
    ASSERT_TRUE(item.savedCopy().startsWith(fakes.path(QStringLiteral("Documents/Zelbrin/"))));
    QFile copy(item.savedCopy());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(copy.readAll()).endsWith(item.Body));

    item.Display();
    ASSERT_EQ(fakes.launcher.started.size(), 1);
    EXPECT_EQ(fakes.launcher.started[0].program, QStringLiteral("xdg-email"));
    EXPECT_EQ(fakes.launcher.started[0].arguments,
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"), item.Subject,
                           QStringLiteral("--body"), item.Body, item.To}));
    fakes.launcher.succeed = false;
    EXPECT_THROW(item.Display(), VbError);
}

TEST(Printing, PrintsTheProgramsUtf16PageToThePrinterChosen)
{
    FakeServices fakes;
    const QString page = fakes.path(QStringLiteral("page.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString html = QStringLiteral("<html><body><p>Sales \u00e9</p></body></html>");
    file.write(reinterpret_cast<const char*>(html.utf16()), html.size() * 2);
    file.close();
    EXPECT_EQ(DocumentPrinter::readDocumentText(page), html);
    EXPECT_TRUE(DocumentPrinter::printFile(page));
    QFile pdf(fakes.printerChooser.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));

    fakes.printerChooser.cancel = true;
    EXPECT_FALSE(DocumentPrinter::printFile(page));
    EXPECT_FALSE(DocumentPrinter::printFile(fakes.path(QStringLiteral("missing.htm"))));
}

TEST(Printing, APageShowsOnlyThePicturesGivenWithIt)
{
    FakeServices fakes;
    QImage given(30, 20, QImage::Format_RGB32);
    given.fill(Qt::blue);
    QImage lying(30, 20, QImage::Format_RGB32);
    lying.fill(Qt::red);
    const QString lyingFile = fakes.path(QStringLiteral("lying.png"));
    ASSERT_TRUE(lying.save(lyingFile));
    const auto imagesPrinted = [&](const QString& tags) {
        QFile::remove(fakes.printerChooser.pdfPath);
        EXPECT_TRUE(DocumentPrinter::printPage(QStringLiteral("<html><body>%1</body></html>").arg(tags),
                                               QStringLiteral("page.htm"),
                                               {PagePicture{QStringLiteral("given.gif"), given}}));
        QFile pdf(fakes.printerChooser.pdfPath);
        return pdf.open(QIODevice::ReadOnly)
            ? QString::fromLatin1(pdf.readAll()).count(QStringLiteral("/Subtype /Image"))
            : -1;
    };
    // A picture that is not given prints as the toolkit's placeholder at most, never as a
    // file of that name.
    const QString missing = QStringLiteral("<img src='given.gif'><img src='missing.gif'>");
    EXPECT_EQ(imagesPrinted(missing + QStringLiteral("<img src='%1'>").arg(QUrl::fromLocalFile(lyingFile).toString())),
              imagesPrinted(missing));
    EXPECT_GE(imagesPrinted(QStringLiteral("<img src='given.gif'>")), 1);

    fakes.printerChooser.cancel = true;
    EXPECT_FALSE(DocumentPrinter::printPage(missing, QStringLiteral("page.htm"), {}));
}
