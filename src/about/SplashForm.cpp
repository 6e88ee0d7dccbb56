#include "about/SplashForm.h"

#include "about/AboutForm.h"
#include "tallybell/Version.h"

namespace tb {

void SplashForm::Form_Load()
{
    controls_["lblVersion"].caption = versionCaption();
    controls_["lblProductName"].caption = version::kProductName;
    controls_["lblCopyright"].caption = legalNotice();
    controls_["lblCompanyProduct"].caption = version::kCompanyName;
}

} // namespace tb
