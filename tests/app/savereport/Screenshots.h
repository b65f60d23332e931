#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// Screenshots go where TESSALINE_SCREENSHOTS points, for a person to look at; without it
// nothing is written.
inline void keepScreenshot(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("TESSALINE_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}
