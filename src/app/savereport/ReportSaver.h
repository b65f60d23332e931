#pragma once

#include <QString>

// Saving the report window's current view as a report of the current cube: what the save
// dialog's OK button does, also usable without the dialog.
namespace savereport {

// What the user chose in the dialog, as typed.
struct SaveChoice
{
    QString name;
    QString category;
    QString type;
    QString description;   // the editor's HTML
    int viewType = 1;      // 1 pivot and chart, 2 pivot only, 3 chart only
};

// What the report window shows, as its components persist it.
struct ViewState
{
    QString pivotXml;
    QString graphXml;            // components 10 and 11
    qint16 graphType = 0;        // version 9: the first chart's type
    qint16 graphListIndex = 0;   // version 9: the entry of the chart-type list
};

enum class SaveOutcome {
    NoName,    // nothing was typed: the dialog stays open without a word
    Refused,   // the user was told why; nothing was written
    Failed,    // the write failed and the user was told; the current report is as it was
    Saved,
};

// Fills a copy of the current report, writes it and, once written, makes it the current
// report: the tree is rebuilt, the report's cube stays the current cube and its node is
// selected.
SaveOutcome saveCurrentView(const SaveChoice& choice, const ViewState& view);

// Whether a report of the current cube already has that name, letter case aside.
bool reportExists(const QString& name);

}
