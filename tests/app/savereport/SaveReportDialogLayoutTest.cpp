#include "common/FreshRun.h"

#include "Screenshots.h"

#include "app/state/modGlobals.h"
#include "app/savereport/frmSaveReport.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using savereport::frmSaveReport;

namespace {

// Widgets whose whole text must be readable: every caption of the dialog.
QList<QWidget*> captioned(frmSaveReport& dialog)
{
    QList<QWidget*> all;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->objectName() != QLatin1String("imgBG"))
            all.append(label);
    }
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->parentWidget() == &dialog)
            all.append(button);
    }
    return all;
}

bool clipped(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap())
        return widget.height() < label->heightForWidth(widget.width());
    return widget.width() < widget.sizeHint().width() || widget.height() < widget.minimumSizeHint().height();
}

class SaveReportDialogLayout : public ::testing::TestWithParam<qint16>
{
protected:
    SaveReportDialogLayout() { state::modGlobals::resetForTests(); }
    ~SaveReportDialogLayout() override { state::modGlobals::resetForTests(); }
    FreshRun run;
};

TEST_P(SaveReportDialogLayout, EveryCaptionFitsAndNoControlsOverlap)
{
    modMultiLingual::LoadLanguages(GetParam());
    frmSaveReport dialog;
    dialog.show();
    dialog.lblExplainReplace()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    for (QWidget* widget : captioned(dialog))
        EXPECT_FALSE(clipped(*widget)) << widget->objectName().toStdString() << " in column " << GetParam();

    QList<QWidget*> placed;
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->objectName() != QLatin1String("imgBG"))
            placed.append(child);
    }
    for (int a = 0; a < placed.size(); ++a) {
        for (int b = a + 1; b < placed.size(); ++b)
            EXPECT_FALSE(placed[a]->geometry().intersects(placed[b]->geometry()))
                << placed[a]->objectName().toStdString() << " and " << placed[b]->objectName().toStdString();
    }
    EXPECT_EQ(dialog.windowTitle(), modMultiLingual::LNGSAVEREPORT);
    keepScreenshot(dialog, QStringLiteral("save-report-%1").arg(GetParam()));
}

// English, German, and every phrase at its longest translation.
INSTANTIATE_TEST_SUITE_P(Languages, SaveReportDialogLayout,
                         ::testing::Values(qint16(4), qint16(7), modGenericLanguages::kLayoutTest));

}
