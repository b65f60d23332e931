#include "app/connections/CubeDiscovery.h"

#include "app/connections/CubeConnection.h"
#include "app/connections/ServerCredentials.h"
#include "app/connections/serverdialog/frmAnalysisServices.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/modAssistant.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "common/modScriptingDic.h"
#include "common/subEndProgram.h"
#include "lang/AnsiCodePage.h"
#include "olap/Catalog.h"
#include "olap/Connection.h"
#include "platform/AtomicFile.h"
#include "platform/CodePages.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace connections {

using namespace modGlobals;

namespace {

const QString kCubeExtension = QStringLiteral(".cub");

QString serverNameFile()
{
    return gstrDataPath + QStringLiteral("/ServerName.txt");
}

void deleteIgnoringErrors(const QString& path)
{
    common::ResumeNext ignore;
    ignore.run([&] {
        if (modFileHandling::gobjFSO->FileExists(path))
            modFileHandling::gobjFSO->DeleteFile(path, false);
    });
}

// The data folder's files by name, ignoring case (then by exact name, so that names that
// differ only in case still come in one fixed order).
QList<platform::File> filesInNameOrder(const QString& folder)
{
    QList<platform::File> files = modFileHandling::gobjFSO->GetFolder(folder).Files();
    std::stable_sort(files.begin(), files.end(), [](const platform::File& a, const platform::File& b) {
        const int folded = a.Name().compare(b.Name(), Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.Name() < b.Name();
    });
    return files;
}

// UTF-8 when valid, else the ANSI code page of the user's language, as Windows tools write it.
QString decodeSingleByteText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return platform::codepages::toUnicode(lang::GetACP(), bytes).value_or(QString::fromLatin1(bytes));
}

}

bool fncIsTempCubeName(const QString& name)
{
    static const QRegularExpression temporary(QStringLiteral("^\\{[0-9A-Fa-f-]+\\}\\.cub$"),
                                              QRegularExpression::CaseInsensitiveOption);
    return temporary.match(name).hasMatch() && name.count(QLatin1Char('-')) >= 2;
}

bool isUsableFolderName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

void subGetCubeFileNames()
{
    common::handled(QStringLiteral("subGetCubeFileNames"), common::Message::Description, [] {
        modErroHandling::subLogStep(QStringLiteral("Trying to find cubes in ") + gstrDataPath);
        QList<platform::File> files;
        try {
            files = filesInNameOrder(gstrDataPath);
        } catch (const platform::VbError& error) {
            // An unreadable data folder is no empty one: asking for a server would mislead.
            if (error.number() != platform::err::PermissionDenied)
                throw;
            platform::services().messageBox->msgBox(error.description(), platform::mb::vbCritical, gstrAppTitle);
            modMain::subEndProgram();
        }
        // The report folders are left to the report dictionary: which root they belong in
        // is known only once the component probe has chosen the report window.
        for (const platform::File& file : files) {
            const QString name = file.Name();
            if (!name.endsWith(kCubeExtension))
                continue;
            if (fncIsTempCubeName(name)) {
                deleteIgnoringErrors(file.Path());
                continue;
            }
            const QString cube = name.chopped(kCubeExtension.size());
            if (!isUsableFolderName(cube)) {
                // The name becomes the cube's report folder: one that could point elsewhere is not taken.
                modErroHandling::subLogStep(QStringLiteral("Skipping the cube file ") + file.Path()
                                            + QStringLiteral(": its name cannot be a folder name"));
                continue;
            }
            if (gdicCubes.Exists(cube)) {
                modErroHandling::subLogStep(QStringLiteral("Skipping the cube file ") + file.Path()
                                            + QStringLiteral(": a cube of that name was found already"));
                continue;
            }
            gstrCubeName = cube;
            gdicCubes.Add(cube, file.Path());
        }
        if (gdicCubes.Count() > 1)
            gdicCubes = modScriptingDic::fncSortDictionary(gdicCubes, 1, false);
    });
}

ServerAndDatabase parseServerNameFile(const QByteArray& bytes)
{
    QByteArray line = bytes;
    if (line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    if (line.isEmpty())
        platform::raiseError(62, QStringLiteral("Input past end of file"));
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    if (line.endsWith('\r'))
        line.chop(1);
    const QStringList pieces = decodeSingleByteText(line).split(QLatin1Char(','));
    if (pieces.size() < 2)
        platform::raiseError(platform::err::SubscriptOutOfRange,
                             QStringLiteral("Subscript out of range: the line holds no \",\" between the server and "
                                            "the database"));
    return {pieces[0], pieces[1]};
}

QByteArray serverNameFileBytes(const QString& server, const QString& database)
{
    return (server + QLatin1Char(',') + database).toUtf8();
}

void subGetServerName()
{
    common::handled(QStringLiteral("subGetServerName"), common::Message::Description, [] {
        const QString file = serverNameFile();
        if (modFileHandling::gobjFSO->FileExists(file)) {
            QFile in(file);
            if (!in.open(QIODevice::ReadOnly))
                platform::raiseError(platform::err::PermissionDenied, QStringLiteral("Permission denied"), file);
            const ServerAndDatabase read = parseServerNameFile(in.readAll());
            gstrServerName = read.server;
            gstrDatabase = read.database;
            return;
        }
        auto dialog = std::make_unique<serverdialog::frmAnalysisServices>();
        // Leaving the dialog any other way than OK ends the program.
        if (dialog->exec() != QDialog::Accepted)
            return;
        const serverdialog::ServerChoice choice = dialog->chosen();
        gstrServerName = choice.server;
        gstrDatabase = choice.database;
        if (!choice.userName.trimmed().isEmpty())
            servercredentials::keep(gstrServerName, choice.userName, choice.password);
        dialog.reset();
        const platform::Result<void> written =
            platform::writeFileAtomically(file, serverNameFileBytes(gstrServerName, gstrDatabase));
        if (!written)
            platform::raiseError(platform::err::PermissionDenied, written.failure().text(), file);
    });
}

namespace {

// Says what went wrong with the server that ServerName.txt names, and that the file is
// where to change it; then the program ends as failed.
[[noreturn]] void endWithServerMessage(const QString& what)
{
    modAssistant::subShowAlert(
        nullptr,
        what + QStringLiteral("\r\n\r\n")
            + QCoreApplication::translate("connections", "The server and the database are named in %1.")
                  .arg(serverNameFile()));
    modMain::subEndProgram(modMain::EndCause::Failure);
}

}

void subGetServerCubes()
{
    olap::Connection cn;
    QString why;
    if (!connections::GetMOLAPConnection(cn, gstrServerName, gstrDatabase, QString(), QString(), &why))
        endWithServerMessage(QStringLiteral("Unable to connect to the database ") + gstrDatabase
                             + QStringLiteral(" on the server ") + gstrServerName
                             + QStringLiteral("!\r\nThe error message is: \r\n") + why);
    common::ResumeNext skip;
    olap::Catalog catalog;
    catalog.setActiveConnection(&cn);
    QVector<olap::CubeDef> cubes;
    skip.run([&] { cubes = catalog.CubeDefs(); });
    for (const olap::CubeDef& cube : cubes) {
        const QString& name = cube.Name;
        if (fncIsTempCubeName(name)) {
            deleteIgnoringErrors(gstrDataPath + QLatin1Char('/') + name + kCubeExtension);
        } else if (!isUsableFolderName(name)) {
            // The name becomes the cube's report folder: one that could point elsewhere is not taken.
            modErroHandling::subLogStep(QStringLiteral("Skipping the server cube \"") + name
                                        + QStringLiteral("\": its name cannot be a folder name"));
        } else if (!gdicCubes.Exists(name)) {
            gdicCubes.Add(name, name);
        }
    }
    if (gdicCubes.Count() == 0) {
        // Nothing to show, on this start and every later one: say what to change and where.
        QString text = QCoreApplication::translate("connections", "The database %1 on the server %2 holds no cube.")
                           .arg(gstrDatabase, gstrServerName);
        if (skip.pending())
            text += QStringLiteral("\r\n") + QCoreApplication::translate("connections", "The error message is: ")
                + QStringLiteral("\r\n") + skip.description();
        endWithServerMessage(text);
    }
}

}
