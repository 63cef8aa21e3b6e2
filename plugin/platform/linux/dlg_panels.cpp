// The plug-in's panels in the host's windows on the headless window system:
// the window description of the template's number built into the
// container the host hands over (the builder sizes and titles it).
#include <cstdio>

#include "plugin/core/panel_support.h"
#include "plugin/dialogs/dialog_builder.h"

bool buildPanelTemplate(XTPanelMsgRec* rec, int32_t templateId) {
    if (!rec->panel) return false;
    char name[16];
    std::snprintf(name, sizeof name, "%d", static_cast<int>(templateId));
    return buildWindowFromDescription(static_cast<PlxWindow>(rec->panel), name);
}
