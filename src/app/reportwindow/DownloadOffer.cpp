#include "app/reportwindow/DownloadOffer.h"

#include "app/state/modGlobals.h"
#include "common/modAPI.h"
#include "common/modAssistant.h"
#include "common/modOutlookCode.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace reportwindow {

void offerDownload(const QString& question, const QString& page)
{
    using modGlobals::gstrAppTitle;
    if (modAssistant::fncAskAlert(modOutlookCode::gobjOutlook.get(), question, platform::mb::vbYesNo)
        == platform::mb::vbYes) {
        modAPI::subOpenUrl(page, false);
        return;
    }
    platform::services().messageBox->msgBox(gstrAppTitle + QStringLiteral(" will now shut down!"),
                                            platform::mb::vbOKOnly | platform::mb::vbInformation, gstrAppTitle);
}

}
