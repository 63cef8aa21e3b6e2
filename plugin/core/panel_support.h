// What the plug-in's two panels in the host's windows (the preferences
// panel and the output-style panel) share: answering the host's template
// request, building the template into the container the host hands over,
// and declaring the panel's controls to the host (xt/xtpanels.h).
#pragma once

#include <cstdint>

#include "xt/xtcallbacks.h"

// Template numbers of the two panels; each is the window description of
// that name in the plug-in's resources.
constexpr int32_t kStylesPanelTemplate = 25052;
constexpr int32_t kPrefsPanelTemplate = 25053;

// kXTPanelTemplateRequest: names the template in this module; the record
// is marked handled.
void answerPanelTemplate(XTPanelMsgRec* rec, int32_t templateId);

// kXTPanelDeclareControls: builds the template into the record's panel
// container, its texts localized, and gives the container the panel's size
// and title. False (the record left unhandled) when there is no container
// or no template of that number. The window description of that number is
// built, unless the dialog layer set a builder of its own.
bool buildPanelTemplate(XTPanelMsgRec* rec, int32_t templateId);

// A dialog layer whose panels are its own dialog templates sets this as it
// is loaded (the Win32 toolkit: a child dialog made from the template,
// panels_win.cpp); null goes back to the window descriptions.
using PanelTemplateBuilder = bool (*)(XTPanelMsgRec* rec, int32_t templateId);
void setPanelTemplateBuilder(PanelTemplateBuilder builder);

// Declares the controls with the ids as one kind (kXTControl…) through the
// host's button-control group.
void declarePanelControls(XTPanelMsgRec* rec, const int32_t* ids, int32_t count, int32_t kind);
