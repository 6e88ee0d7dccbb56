#include "about/AboutForm.h"

#include "platform/Shell.h"
#include "platform/Translator.h"
#include "tallybell/Version.h"

namespace tb {

std::string versionCaption()
{
    return fillIn(trText("AboutForm", "Version %1.%2.%3"),
                  {std::to_string(version::kMajor), std::to_string(version::kMinor),
                   std::to_string(version::kRevision)});
}

std::string legalNotice()
{
    return fillIn(trText("AboutForm", "Copyright (C) %1 %2. All rights reserved."),
                  {std::to_string(version::kCopyrightYear), version::kCompanyName});
}

AboutForm::AboutForm(Shell &shell, FormCalls &forms) : shell_(shell), forms_(forms)
{
    on("lblgotowebsite", ControlEvent::Click, [this] { lblgotowebsite_Click(); });
    on("lblemail", ControlEvent::Click, [this] { lblemail_Click(); });
    on("cmdOK", ControlEvent::Click, [this] { cmdOK_Click(); });
}

void AboutForm::Form_Load()
{
    controls_["frmAbout"].caption
        = fillIn(trText("AboutForm", "About %1"), {version::kProductName});
    controls_["lblVersion"].caption = versionCaption();
    controls_["lblTitle"].caption = version::kProductName;
    controls_["lblDescription"].caption = legalNotice();
    controls_["Label1"].caption
        = fillIn(trText("AboutForm",
                        "%1 is provided as is, without warranty of any kind, express or implied, "
                        "including its fitness for a particular purpose. You use it at your own "
                        "risk: %2 is not responsible for any loss or damage that arises from its "
                        "use."),
                 {version::kProductName, version::kCompanyName});
    auto &web = controls_["lblgotowebsite"];
    web.caption
        = fillIn(trText("AboutForm", "Click here to go to %1 Web Page"), {version::kCompanyName});
    web.toolTip = version::kWebAddress;
    auto &mail = controls_["lblemail"];
    mail.caption = fillIn(trText("AboutForm", "Click here to write to %1 with your comments"),
                          {version::kCompanyName});
    mail.toolTip = version::kMailAddress;
}

void AboutForm::cmdOK_Click()
{
    forms_.unload(FormId::About);
}

void AboutForm::lblgotowebsite_Click()
{
    OpenWebPage(shell_, controls_.at("lblgotowebsite").toolTip);
}

void AboutForm::lblemail_Click()
{
    OpenMailMessage(shell_, controls_.at("lblemail").toolTip);
}

} // namespace tb
