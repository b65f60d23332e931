#include "OutputTestSupport.h"

#include "app/output/PictureChoice.h"
#include "app/output/frmSaveSize.h"
#include "app/output/subSavePicture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using output::frmSaveSize;

namespace {

class SavePicture : public ::testing::Test
{
protected:
    // Saves as the Tools menu does, with `step` filling in the size dialog.
    bool saveThroughDialog(std::function<void(frmSaveSize&)> step)
    {
        whenShown<frmSaveSize>(std::move(step));
        return output::subSavePicture(QString(), 400, 600);
    }

    QString chosen(const QString& name) { return w.fakes().path(name); }

    PictureWindow w;
};

}

TEST(PictureChoice, OnlyWholeNumbersTheChartCanDrawAreSizes)
{
    EXPECT_EQ(output::pictureSide(QStringLiteral("600")), 600);
    EXPECT_EQ(output::pictureSide(QStringLiteral(" 800 ")), 800);
    EXPECT_EQ(output::pictureSide(QStringLiteral("1")), 1);
    EXPECT_EQ(output::pictureSide(QStringLiteral("8000")), 8000);
    for (const char* typed : {"", " ", "abc", "0", "-5", "+5", "12.5", "1e3", "8001", "100000", "99999999999", "６"})
        EXPECT_EQ(output::pictureSide(QString::fromUtf8(typed)), std::nullopt) << typed;
}

TEST(PictureChoice, TheChosenNameIsKeptWholeAndEndsInGif)
{
    const std::pair<const char*, const char*> names[] = {
        {"/home/u/sales", "/home/u/sales.gif"},
        {"/home/u/sales.gif", "/home/u/sales.gif"},
        {"/home/u/SALES.GIF", "/home/u/SALES.GIF"},
        {"/home/u/maps.gif/sales", "/home/u/maps.gif/sales.gif"},
        {"/home/u/x.gifs/sales.gif", "/home/u/x.gifs/sales.gif"},
        {"/home/u/sales.jpg", "/home/u/sales.jpg.gif"},
        {"/home/u/sales.gif.txt", "/home/u/sales.gif.txt.gif"},
    };
    for (const auto& [typed, kept] : names)
        EXPECT_EQ(output::gifFileName(QString::fromUtf8(typed)), QString::fromUtf8(kept)) << typed;
}

TEST_F(SavePicture, TheDefaultsGiveAnEightHundredBySixHundredGifOfTheChart)
{
    w.fakes().filePicker.answers << chosen(QStringLiteral("sales.gif"));
    EXPECT_TRUE(saveThroughDialog([this](frmSaveSize& dialog) {
        EXPECT_EQ(dialog.parentWidget(), modGlobals::gfrmStats.data());
        dialog.cmdSave->click();
        // Asked over the size dialog, which is gone once the picture is written.
        ASSERT_EQ(w.fakes().filePicker.asked.size(), 1);
        EXPECT_EQ(w.fakes().filePicker.asked[0].parent, &dialog);
    }));

    ASSERT_EQ(w.fakes().filePicker.asked.size(), 1);
    const platform::SaveFileRequest& asked = w.fakes().filePicker.asked[0];
    EXPECT_EQ(asked.title, QStringLiteral("Choose where to save the diagram"));
    EXPECT_EQ(asked.filter, QStringLiteral("Graphics Interchange Format Image(*.gif)"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("gif"));

    const QByteArray bytes = fileBytes(chosen(QStringLiteral("sales.gif")));
    EXPECT_TRUE(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"));
    const QImage picture = QImage::fromData(bytes, "GIF");
    ASSERT_EQ(picture.size(), QSize(800, 600));
    // The chart as the chart itself draws it: the white margin, and inside it the bars.
    const QImage drawn = w.window->excChart()->renderImage(QSize(800, 600));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    int coloured = 0;
    for (int y = 0; y < 600; y += 10)
        for (int x = 0; x < 800; x += 10) {
            const QRgb a = picture.pixel(x, y), b = drawn.pixel(x, y);
            EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 48)
                << x << "," << y;
            coloured += qRed(a) != qGreen(a) || qGreen(a) != qBlue(a);
        }
    EXPECT_GT(coloured, 50);
}

TEST_F(SavePicture, TheFileLandsWhereTheUserMeantIt)
{
    QDir().mkpath(chosen(QStringLiteral("maps.gif")));
    const std::pair<QString, QString> names[] = {
        {chosen(QStringLiteral("plain")), chosen(QStringLiteral("plain.gif"))},
        {chosen(QStringLiteral("UPPER.GIF")), chosen(QStringLiteral("UPPER.GIF"))},
        {chosen(QStringLiteral("maps.gif/inside")), chosen(QStringLiteral("maps.gif/inside.gif"))},
    };
    for (const auto& [answer, written] : names) {
        w.fakes().filePicker.answers << answer;
        EXPECT_TRUE(saveThroughDialog([](frmSaveSize& dialog) {
            dialog.txtHeight->setText(QStringLiteral("30"));
            dialog.Text1->setText(QStringLiteral("40"));
            dialog.cmdSave->click();
        }));
        EXPECT_EQ(QImage(written, "GIF").size(), QSize(40, 30)) << written.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(chosen(QStringLiteral("UPPER.GIF.gif"))));
}

TEST_F(SavePicture, ASizeThatIsNoSizeIsToldAndTheDialogStaysOpen)
{
    for (const char* typed : {"abc", "0", "-5", "12.5", "100000"}) {
        for (const bool height : {true, false}) {
            w.fakes().messageBox.shown.clear();
            bool stayedOpen = false;
            EXPECT_FALSE(saveThroughDialog([&](frmSaveSize& dialog) {
                (height ? dialog.txtHeight : dialog.Text1)->setText(QString::fromLatin1(typed));
                dialog.cmdSave->click();
                stayedOpen = dialog.isVisible();
                dialog.CancelButton->click();
            }));
            EXPECT_TRUE(stayedOpen) << typed;
            ASSERT_EQ(w.fakes().messageBox.shown.size(), 1) << typed;
            EXPECT_TRUE(w.fakes().messageBox.shown[0].text.startsWith(height ? QStringLiteral("Height")
                                                                             : QStringLiteral("Width")));
        }
    }
    EXPECT_TRUE(w.fakes().filePicker.asked.isEmpty());
    EXPECT_EQ(w.fakes().processEnd.ends, 0);
}

TEST_F(SavePicture, CancellingSavesNothing)
{
    // The size dialog cancelled: no file is asked for.
    EXPECT_FALSE(saveThroughDialog([](frmSaveSize& dialog) { dialog.CancelButton->click(); }));
    EXPECT_TRUE(w.fakes().filePicker.asked.isEmpty());

    // The file dialog cancelled: the size dialog waits for another try.
    w.fakes().filePicker.answers << std::nullopt << chosen(QStringLiteral("second.gif"));
    bool stayedOpen = false;
    EXPECT_TRUE(saveThroughDialog([&](frmSaveSize& dialog) {
        dialog.cmdSave->click();
        stayedOpen = dialog.isVisible() && dialog.strFileName.isEmpty();
        dialog.cmdSave->click();
    }));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(QFileInfo::exists(chosen(QStringLiteral("second.gif"))));
    EXPECT_EQ(QDir(w.fakes().path(QString())).entryList({QStringLiteral("*.gif")}, QDir::Files),
              QStringList{QStringLiteral("second.gif")});
}

TEST_F(SavePicture, ALongerOldFileIsReplacedWhole)
{
    const QString file = chosen(QStringLiteral("old.gif"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(2 * 1024 * 1024, 'x'));
    }
    EXPECT_TRUE(output::subSavePicture(file, 60, 80));
    const QByteArray written = fileBytes(file);
    EXPECT_EQ(written, w.window->excChart()->GetPicture(QStringLiteral("gif"), 80, 60));
    EXPECT_EQ(QImage::fromData(written, "GIF").size(), QSize(80, 60));
}

TEST(SavePictureEveryVersion, AFileThatCannotBeWrittenIsToldAndTheProgramGoesOn)
{
    for (const char* name : {"frmStats2003", "frmStats2K"}) {
        PictureWindow w(name);
        const QString file = w.fakes().path(QStringLiteral("missing/folder/chart.gif"));
        EXPECT_FALSE(output::subSavePicture(file, 60, 80)) << name;
        ASSERT_EQ(w.fakes().messageBox.shown.size(), 1) << name;
        EXPECT_TRUE(w.fakes().messageBox.shown[0].text.contains(file)) << name;
        EXPECT_EQ(w.fakes().processEnd.ends, 0) << name;
        EXPECT_FALSE(QFileInfo::exists(file));

        // The older component writes its own files; a good path still works.
        const QString good = w.fakes().path(QStringLiteral("chart.gif"));
        EXPECT_TRUE(output::subSavePicture(good, 60, 80)) << name;
        EXPECT_EQ(QImage(good, "GIF").size(), QSize(80, 60)) << name;
    }
}
