#include "about/AboutForm.h"

#include "platform/Shell.h"
#include "tallybell/Version.h"

namespace tb {

std::string versionCaption()
{
    return "Version " + std::to_string(version::kMajor) + "." + std::to_string(version::kMinor)
        + "." + std::to_string(version::kRevision);
}

AboutForm::AboutForm(Shell &shell, FormCalls &forms) : shell_(shell), forms_(forms)
{
    on("lblgotowebsite", ControlEvent::Click, [this] { lblgotowebsite_Click(); });
    on("lblemail", ControlEvent::Click, [this] { lblemail_Click(); });
    on("cmdOK", ControlEvent::Click, [this] { cmdOK_Click(); });
}

void AboutForm::Form_Load()
{
    controls_["frmAbout"].caption = std::string("About ") + version::kProductName;
    controls_["lblVersion"].caption = versionCaption();
    controls_["lblTitle"].caption = version::kProductName;
    controls_["lblDescription"].caption = version::kLegalNotice;
    controls_["Label1"].caption = std::string(version::kProductName)
        + " is provided as is, without warranty of any kind, express or implied, including "
          "its fitness for a particular purpose. You use it at your own risk: "
        + version::kCompanyName
        + " is not responsible for any loss or damage that arises from its use.";
    auto &web = controls_["lblgotowebsite"];
    web.caption = std::string("Click here to go to ") + version::kCompanyName + " Web Page";
    web.toolTip = version::kWebAddress;
    auto &mail = controls_["lblemail"];
    mail.caption
        = std::string("Click here to write to ") + version::kCompanyName + " with your comments";
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
