#include "plugin/core/about.h"

#include "plugin/core/plexmoor.h"
#include "plugin/dialogs/msgbox.h"

int32_t doAbout1(XTAboutRec* rec) {
    setMsg2("copyright", kPlxCopyrightYear);
    msgBox("about", kPlxProductName, kPlxVersion);
    if (rec) rec->shown = 1;
    return 0;
}
