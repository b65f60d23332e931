#include "app/connections/CubeConnection.h"

#include "common/ProgramConfig.h"

#include "app/connections/ConnectionStrings.h"
#include "app/connections/ServerCredentials.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/modAPI.h"
#include "common/modErroHandling.h"
#include "olap/Connection.h"
#include "pivot/PivotTable.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace connections {

using namespace modGlobals;

namespace {

// What step messages show in place of a typed user name and password.
const QString kHidden = QStringLiteral("***");

void offerProviderDownload()
{
    const int answer = platform::services().messageBox->msgBox(
        QStringLiteral("Failed to get an OLAP provider\r\nWould you like to go to the MS download site now?"),
        platform::mb::vbYesNo, gstrAppTitle);
    if (answer == platform::mb::vbYes)
        modAPI::subOpenUrl(providerDownloadPage(), false);
}

void tellFailure(const platform::VbError& error)
{
    platform::services().messageBox->msgBox(error.description(), platform::mb::vbCritical, gstrAppTitle);
}

// A missing provider is answered with the download question; another failure of the provider
// (the server, the cube) is told as it stands; anything else is the error report, which ends
// the program.
void answerFailure(const std::exception& raised)
{
    const platform::VbError error = common::asVbError(raised);
    if (error.number() != platform::err::Unspecified)
        modErroHandling::subHandleError(error.description(), error.number(), error.line(),
                                        QStringLiteral("subBindPivotTable"));
    if (olap::isProviderMissing(error))
        offerProviderDownload();
    else
        tellFailure(error);
}

// The steps whose errors count: the binding stops at the first.
template<class F>
bool reported(F&& steps)
{
    try {
        steps();
        return true;
    } catch (const std::exception& raised) {
        answerFailure(raised);
        return false;
    }
}

pivot::PivotTable& pivotTable(QWidget* pivot)
{
    auto* table = qobject_cast<pivot::PivotTable*>(pivot);
    if (!table)
        platform::raiseError(platform::err::MemberNotSupported,
                             QStringLiteral("Object doesn't support this property or method"),
                             QStringLiteral("pivReports"));
    return *table;
}

// The cube-file failure a pivot table was last left unbound by. Binding the same file to the
// same failure again before anything else is bound tells the user nothing new: at start-up
// the report tree's first selection binds the first cube once more, right after start-up did.
const char kToldFailure[] = "tessalineToldCubeFileFailure";

void tellCubeFileFailure(QWidget* pivot, const platform::VbError& error, bool wasUnbound)
{
    const bool toldAlready = pivot && wasUnbound && pivot->property(kToldFailure).toString() == error.description();
    if (pivot)
        pivot->setProperty(kToldFailure, error.description());
    if (!toldAlready)
        tellFailure(error);
}

// Both binders: false when the user was asked or told already.
bool bindLocalCube(QWidget* pivot)
{
    const auto* table = qobject_cast<const pivot::PivotTable*>(pivot);
    const bool wasUnbound = !table || table->DataMember().isEmpty();
    QString defaultDatabase;
    try {
        olap::Connection cn;
        cn.Open(connectionstrings::localTest(gstrDataPath, gstrCubeFile), QString(), QString(), -1);
        defaultDatabase = cn.DefaultDatabase();
        gstrProvider = QStringLiteral("Provider=") + cn.Provider();
        cn.Close();
    } catch (const platform::VbError& error) {
        if (error.source() != QLatin1String("CubeFile")) {
            answerFailure(error);
            return false;
        }
        // The provider works; this file does not. The pivot table lets go of the previous
        // cube, so that it never shows one cube under another's name.
        common::ResumeNext skip;
        skip.run([&] { pivotTable(pivot).setConnectionString(QString()); });
        tellCubeFileFailure(pivot, error, wasUnbound);
        return false;
    } catch (const std::exception& raised) {
        answerFailure(raised);
        return false;
    }
    common::ResumeNext skip;
    skip.run([&] {
        pivotTable(pivot).setConnectionString(connectionstrings::localPivot(gstrProvider, gstrDataPath, gstrCubeFile));
    });
    // Reading the whole cube can still fail (a view that never ends, data the metadata
    // gets wrong); the pivot table then stays empty, and the user hears why.
    try {
        pivotTable(pivot).setDataMember(defaultDatabase);
    } catch (const platform::VbError& error) {
        if (error.source() != QLatin1String("CubeFile"))
            return true;
        tellCubeFileFailure(pivot, error, wasUnbound);
        return false;
    } catch (const std::exception&) {
    }
    if (pivot)
        pivot->setProperty(kToldFailure, QVariant());
    return true;
}

bool bindServerCube(QWidget* pivot)
{
    common::ResumeNext skip;
    for (int pass = 4; pass >= 1; --pass) {
        skip.clear();
        gstrProvider = connectionstrings::serverProviderPart(pass);
        skip.run([&] {
            pivot::PivotTable& table = pivotTable(pivot);
            table.setConnectionString(connectionstrings::serverPivot(gstrProvider, gstrServerName, gstrDatabase));
            table.DataMemberStrings();
        });
        if (!skip.pending())
            break;
        gstrProvider.clear();
        // Another provider version meets the same server: trying it again would only wait again.
        if (olap::isServerFailure(*skip.error()))
            break;
    }
    if (gstrProvider.isEmpty()) {
        if (olap::isProviderMissing(*skip.error()))
            return true;
        tellFailure(*skip.error());
        return false;
    }
    modErroHandling::subLogStep(QStringLiteral("Setting the data member to ") + gstrCubeName);
    if (gstrCubeName.isEmpty())
        gstrCubeName = gdicCubes.Keys().value(0);
    return reported([&] {
        pivot::PivotTable& table = pivotTable(pivot);
        table.setDataMember(gstrCubeName);
        table.ActiveView().TitleBar().setCaption(gstrAppTitle);
        table.setDisplayFieldList(true);
    });
}

}

QString providerDownloadPage()
{
    return config::olapProviderDownloadPage();
}

bool GetMOLAPConnection(olap::Connection& cn, const QString& server, const QString& database, const QString& user,
                        const QString& password, QString* lastError)
{
    return common::handled(QStringLiteral("GetMOLAPConnection"), common::Message::Description, [&] {
        servercredentials::SignIn signIn{user, password};
        if (user.trimmed().isEmpty())
            signIn = servercredentials::forServer(server).value_or(signIn);
        const bool typed = !signIn.user.trimmed().isEmpty();
        const QString templ = connectionstrings::serverTemplate(server, database, signIn.user, signIn.password);
        // Step messages reach the error report and its mail: no sign-in in them.
        const QString shown = typed ? connectionstrings::serverTemplate(server, database, kHidden, kHidden) : templ;
        for (int pass = 4; pass >= 1; --pass) {
            modErroHandling::subLogStep(QStringLiteral("Trying to use the connection string :\r\n")
                                        + connectionstrings::serverPass(shown, pass));
            common::ResumeNext attempt;
            if (attempt.run([&] { cn.Open(connectionstrings::serverPass(templ, pass), QString(), QString(), -1); }))
                return true;
            if (lastError)
                *lastError = attempt.description();
            if (olap::isServerFailure(*attempt.error()))
                break;   // the server or the network failed; another provider version would wait again
        }
        return false;
    });
}

void subBindPivotTable(QWidget* pivot)
{
    // Without a cube file there is nothing to bind; the window stays empty.
    if (!gbServerMode && gstrCubeFile.isEmpty())
        return;
    const bool asked = gbServerMode ? !bindServerCube(pivot) : !bindLocalCube(pivot);
    if (!asked && gstrProvider.isEmpty())
        offerProviderDownload();
}

}
