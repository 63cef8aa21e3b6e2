#include "plugin/core/panel_support.h"

#include <cstdio>

#include "plugin/core/module_info.h"
#include "plugin/core/xt_groups.h"
#include "plugin/dialogs/dialog_builder.h"

namespace {
PanelTemplateBuilder sTemplateBuilder = nullptr;
} // namespace

void answerPanelTemplate(XTPanelMsgRec* rec, int32_t templateId) {
    auto* answer = static_cast<XTPanelTemplate*>(rec->param);
    if (!answer) return;
    // The module's handle: a Win32 host finds the template with it, and
    // being the module's first address it tells any host whose it is.
    answer->module = moduleHandle();
    answer->templateId = templateId;
    rec->result = 1;
}

void setPanelTemplateBuilder(PanelTemplateBuilder builder) {
    sTemplateBuilder = builder;
}

bool buildPanelTemplate(XTPanelMsgRec* rec, int32_t templateId) {
    if (!rec->panel) return false;
    if (sTemplateBuilder) return sTemplateBuilder(rec, templateId);
    char name[16];
    std::snprintf(name, sizeof name, "%d", static_cast<int>(templateId));
    return buildWindowFromDescription(static_cast<PlxWindow>(rec->panel), name);
}

void declarePanelControls(XTPanelMsgRec* rec, const int32_t* ids, int32_t count, int32_t kind) {
    if (!xtxdctlbtn_funchndl) return;
    for (int32_t i = 0; i < count; ++i)
        xtxdctlbtn_funchndl->declareControl(rec->panel, ids[i], kind);
}
