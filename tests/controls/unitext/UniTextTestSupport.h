#pragma once

#include "controls/unitext/UniText.h"

#include <QFont>
#include <QTest>

// A text box in a window of its own, shown and active, with a fixed font so that line
// wrapping and heights can be reckoned.
struct ShownBox
{
    explicit ShownBox(QSize size = QSize(240, 120))
    {
        window.resize(size + QSize(20, 20));
        box = new unitext::UniText(&window);
        box->setGeometry(10, 10, size.width(), size.height());
        box->setFontName(QStringLiteral("DejaVu Sans Mono"));
        box->setFontSize(10);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        box->setFocus();
    }

    QWidget window;
    unitext::UniText* box = nullptr;
};
