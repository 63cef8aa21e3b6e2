#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plugin/core/xt_groups.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/export/export_dialog.h"
#include "plugin/export/naming.h"
#include "plugin/export/page_selection.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/bounded.h"
#include "plugin/support/log.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystr.h"
#include "xt/xtoutput.h"

namespace {

// Entry that stands between the EPS and the PDF styles.
const char kSeparatorEntry[] = "-";
// The first 32 characters of a field are selected when it gets the focus.
constexpr int32_t kSelectChars = 32;

// The whole text of a control into dst (capacity bytes): a text that does
// not fit gives the empty text and false, since a cut name or page list
// would name something else.
bool wholeControlText(PlxWindow control, char* dst, size_t capacity) {
    dst[0] = 0;
    char* text = getControlText(control);
    if (!text) return false;
    bool fits = std::strlen(text) < capacity;
    if (fits) copyText(dst, capacity, text);
    myfree(text);
    return fits;
}

void addStyleName(PlxWindow list, OutputStyleRef style) {
    QXStringRef name = nullptr;
    if (!style || xtoutputstyle_funchndl->getStyleName(style, &name) != 0) return;
    MyStr text(name, true);
    addControlItem(list, text.UTF8Str());
}

// The default style of a medium, then every other style of that medium in
// the host's order.
void addStylesOf(PlxWindow list, uint32_t medium) {
    OutputStyleRef defaultStyle = nullptr;
    xtoutputstyle_funchndl->getDefaultStyle(medium, &defaultStyle);
    addStyleName(list, defaultStyle);
    XTOutputStyleContextRef context = nullptr;
    xtoutputstyle_funchndl->getCurrentContext(&context);
    int32_t count = xtxas_funchndl->countStyles(context);
    for (int32_t i = 0; i < count; ++i) {
        OutputStyleRef style = nullptr;
        if (xtxas_funchndl->styleAt(context, i, &style) != 0 || style == defaultStyle) continue;
        uint32_t styleMedium = kXTMediumNone;
        xtoutputstyle_funchndl->getOutputMedium(style, &styleMedium);
        if (styleMedium == medium) addStyleName(list, style);
    }
}

void fillStyleList(PlxWindow list) {
    clearControlItems(list);
    addStylesOf(list, kXTMediumEPS);
    addControlItem(list, kSeparatorEntry);
    addStylesOf(list, kXTMediumPDF);
}

void styleSelected(PlxWindow panel, ExportData* data) {
    PlxWindow list = getControl(panel, kExpStyles);
    char title[kStyleNameSize] = {0};
    wholeControlText(list, title, sizeof title);
    if (std::strcmp(title, kSeparatorEntry) == 0 || !title[0]) {
        setControlValue(list, 1);
        wholeControlText(list, title, sizeof title);
    }
    PlxStyleData style = styleDataForName(title);
    setControlValue(panel, kExpBaseName, style.base ? 1 : 0);
    data->styleData.base = style.base;
    data->styleData.numbering = style.numbering;
    std::memcpy(data->styleData.separator, style.separator, sizeof style.separator);
    std::memcpy(data->styleData.suffix, style.suffix, sizeof style.suffix);
    data->styleData.pageMargins = style.pageMargins;
    data->styleData.numberBeforeName = style.numberBeforeName;
    setControlValue(panel, kExpPageMargins, data->mode == 1 ? 0 : style.pageMargins);

    copyText(data->styleName, sizeof data->styleName, title);
    data->styleRef = styleRefForName(title);
    data->medium = outputMediaForStyle(data->styleRef);
    data->spreads = spreadsForStyle(data->styleRef, data->medium) ? 1 : 0;
}

void baseNameSwitched(PlxWindow dialog, PlxWindow panel, ExportData* data) {
    bool layout = getControlValue(panel, kExpBaseName) != 0;
    data->styleData.base = layout ? 1 : 0;
    setSaveDialogFileName(dialog, layout ? data->layoutName : data->projectName);
}

void absoluteSwitched(PlxWindow panel) {
    bool absolute = getControlValue(panel, kExpAbsolute) != 0;
    enableControl(getControl(panel, kExpOffset), absolute);
    focusControl(getControl(panel, absolute ? kExpOffset : kExpPages), kSelectChars);
}

void allPressed(PlxWindow panel, const ExportData* data) {
    // Two labels of up to 255 bytes and the hyphen.
    char text[2 * 256];
    allPagesText(*data, getControlValue(panel, kExpAbsolute) != 0, text, sizeof text);
    PlxWindow pages = getControl(panel, kExpPages);
    setControlLiteralText(pages, text);
    focusControl(pages, kSelectChars);
}

} // namespace

bool getExportPath(ExportData* data) {
    setupExportPath(data);
    dprintf("exportPath: %s", data->exportPath);
    if (!getExportPath2(data)) return false;
    finishExportPath(data);
    return true;
}

void exportPanelOpened(PlxWindow, PlxWindow panel, ExportData* data) {
    char text[64];
    initialPageText(*data, text, sizeof text);
    setControlLiteralText(getControl(panel, kExpPages), text);
    setControlValue(panel, kExpAbsolute, data->absolute == 1 ? 1 : 0);
    setControlText(getControl(panel, kExpOffset), "0");
    enableControl(getControl(panel, kExpOffset), data->absolute == 1);
    if (data->mode == 1) {
        setControlValue(panel, kExpAbsolute, 0);
        for (int32_t id : {kExpPages, kExpAll, kExpAbsolute, kExpOffset, kExpPageMargins})
            enableControl(getControl(panel, id), false);
    }

    PlxWindow list = getControl(panel, kExpStyles);
    fillStyleList(list);
    // A stored style that is no longer listed selects the first entry.
    setControlValue(list, 1);
    if (data->styleName[0]) setControlLiteralText(list, data->styleName);
    styleSelected(panel, data);

    if (getAllPages() == 1 && data->mode != 1) allPressed(panel, data);
}

void exportPanelCommand(PlxWindow dialog, PlxWindow panel, int32_t id, ExportData* data) {
    switch (id) {
    case kExpAll: allPressed(panel, data); break;
    case kExpAbsolute: absoluteSwitched(panel); break;
    case kExpBaseName: baseNameSwitched(dialog, panel, data); break;
    case kExpStyles: styleSelected(panel, data); break;
    case kExpEditStyle:
        openOutputStyleEditor();
        styleSelected(panel, data);
        break;
    default: break;
    }
}

bool exportPanelConfirmed(PlxWindow panel, ExportData* data) {
    data->styleData.base = getControlValue(panel, kExpBaseName) != 0 ? 1 : 0;
    data->absolute = getControlValue(panel, kExpAbsolute) != 0 ? 1 : 0;
    data->styleData.pageMargins = getControlValue(panel, kExpPageMargins) != 0 ? 1 : 0;
    char title[kStyleNameSize] = {0};
    if (wholeControlText(getControl(panel, kExpStyles), title, sizeof title) && title[0])
        copyText(data->styleName, sizeof data->styleName, title);

    // The record keeps the offset in 16 bits; a larger one would wrap round
    // to another page number.
    data->pageOffset = 0;
    if (data->absolute == 1) {
        int32_t offset = getControlValue(panel, kExpOffset);
        if (offset < INT16_MIN || offset > INT16_MAX) {
            msgBox("kInvalidOffset");
            focusControl(getControl(panel, kExpOffset), kSelectChars);
            return false;
        }
        data->pageOffset = static_cast<int16_t>(offset);
    }

    // The whole list is parsed, however long: a list too long to be read
    // is refused like any other invalid one, never taken as no pages.
    PlxWindow field = getControl(panel, kExpPages);
    char* pages = static_cast<char*>(myalloc(kPageTextSize, 1));
    bool valid = pages && wholeControlText(field, pages, kPageTextSize) &&
                 getPageRange1(pages, data) == 0;
    myfree(pages);
    if (!valid) {
        clearPageBit(data, 0);
        msgBox("kNoValidPageNum");
        focusControl(field, kSelectChars);
        return false;
    }
    return true;
}

void exportDialogAccepted(const char* path, ExportData* data) {
    // A path that does not fit leaves the proposal in place.
    if (path && std::strlen(path) < sizeof data->exportPath)
        copyText(data->exportPath, sizeof data->exportPath, path);
    data->spreads = spreadsForStyle(data->styleRef, data->medium) ? 1 : 0;
}
