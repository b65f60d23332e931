#pragma once

#include "app/description/HtmlRewriter.h"

#include <QString>
#include <QVariant>

class QUrl;

namespace description {

// A description comes from a report file that may come from anywhere, and Qt's text layout
// costs grow steeply with nesting (tables inside tables double it with each level; any
// element nesting makes the HTML reader quadratic). Every view that lays a description out
// (the description window, the editor) takes it from here first.

// Descriptions longer than this (UTF-16 code units) are refused: no description needs it.
constexpr qsizetype kMaxDescriptionLength = 256 * 1024;
// The largest file a description may show as a picture or use as a style sheet.
constexpr qint64 kMaxResourceBytes = 16 * 1024 * 1024;

struct SafeDescription
{
    // What may be given to a text layout; empty when the description is refused.
    QString html;
    bool refused = false;
    // For the user, naming the report: why it is refused or shown flattened. Empty when it
    // is shown as written.
    QString notice;
};

// Rewrites the description as HTML whose every tag Qt's reader reads as it is meant here,
// within the limits above. What stays within them shows as written.
SafeDescription safeDescription(const QString& text, const QString& reportName);

// Shows a notice of safeDescription(), when there is one.
void tellNotice(const SafeDescription& description);

// What a description's page may load: a small regular local file, the program's own
// resources, a picture written into the page (data:). Anything else, remote or relative,
// loads as nothing. Never returns a null value for what it refuses, so that Qt does not try
// the name itself.
QVariant descriptionResource(int type, const QUrl& name);

}
