#include "host/groups.h"

#include "host/host.h"

namespace plxhost {

namespace {

const GroupEntry kGroups[] = {
    {kXTGroupAccessorString, "accessor-string", &kAccessorStringGroup},
    {kXTGroupMutableString, "mutable-string", &kMutableStringGroup},
    {kXTGroupDoc, "xtdoc", &kDocGroup},
    {kXTGroupProject, "xtproject", &kProjectGroup},
    {kXTGroupFile, "xtfile", &kFileGroup},
    {kXTGroupPage, "xtpage", &kPageGroup},
    {kXTGroupMaster, "xtmaster", &kMasterGroup},
    {kXTGroupSpread, "xtspread", &kSpreadGroup},
    {kXTGroupMemory, "xtmemory", &kMemoryGroup},
    {kXTGroupBox, "xtbox", &kBoxGroup},
    {kXTGroupTextBox, "xttxtbox", &kTextBoxGroup},
    {kXTGroupError, "xterror", &kErrorGroup},
    {kXTGroupPdf, "pdf", &kPdfGroup},
    {kXTGroupOutputStyle, "xtoutputstyle", &kOutputStyleGroup},
    {kXTGroupXas, "xtxas", &kXasGroup},
    {kXTGroupXMLNode, "xtxmlnode", &kXMLNodeGroup},
    {kXTGroupPrint, "xtprint", &kPrintGroup},
    {kXTGroupDocMeasure, "xtdocmeasure", &kDocMeasureGroup},
    {kXTGroupShape, "xtshape", &kShapeGroup},
    {kXTGroupFixedRect, "xtfixedrect", &kFixedRectGroup},
    {kXTGroupUtility, "xtutility", &kUtilityGroup},
    {kXTGroupMenu, "xtmenu", &kMenuGroup},
    {kXTGroupXMenu, "xtxmenu", &kXMenuGroup},
    {kXTGroupTabControl, "xtxdctltab", &kTabControlGroup},
    {kXTGroupButtonControl, "xtxdctlbtn", &kButtonControlGroup},
    {kXTGroupScreen, "xtscreen", &kScreenGroup},
    {kXTGroupHostRequest, "xthostrequest", &kHostRequestGroup},
};

} // namespace

const GroupEntry* findGroup(uint32_t id) {
    Host* host = Host::current();
    for (const GroupEntry& g : kGroups) {
        if (g.id != id) continue;
        if (id == kXTGroupPdf && (!host || !host->options().pdfModule)) return nullptr;
        return &g;
    }
    return nullptr;
}

const char* groupName(uint32_t id) {
    for (const GroupEntry& g : kGroups)
        if (g.id == id) return g.name;
    return "?";
}

} // namespace plxhost
