#include "plugin/styles/style_panel.h"

#include <algorithm>
#include <cstring>

#include "plugin/core/panel_support.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/styles/style_data.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mystrings.h"
#include "xt/xtpanels.h"

namespace {

OutputStyleRef sStyle = nullptr;

// The entries of the two lists, in the order of the values they stand for.
// The number formats are shown as they are; the other entries are keys.
const char* const kBaseKeys[] = {"project", "layout"};
const char* const kNumberFormats[] = {"x", "0x", "00x", "000x"};
const char* const kNoNumberKey = "none";
constexpr uint32_t kNoNumber = 4;

void addLocalizedItem(PlxWindow list, const char* key) {
    char text[kMyStringSize];
    addControlItem(list, getString(key, text));
}

void fillLists(PlxWindow panel) {
    PlxWindow base = getControl(panel, kStyleBase);
    clearControlItems(base);
    for (const char* key : kBaseKeys)
        addLocalizedItem(base, key);
    PlxWindow numbering = getControl(panel, kStyleNumbering);
    clearControlItems(numbering);
    for (const char* format : kNumberFormats)
        addControlItem(numbering, format);
    addLocalizedItem(numbering, kNoNumberKey);
    setControlText(getControl(panel, kStyleLabel), "filename:");
    setControlText(getControl(panel, kStyleNumberFirst), "numberBeforeName");
    setControlText(getControl(panel, kStyleMargins), "pageMargins");
}

void loadControls(PlxWindow panel) {
    PlxStyleData data = styleDataForStyle(sStyle);
    // Stored values beyond the lists mean what the naming makes of them:
    // any base but 0 is the layout, any numbering from 4 on is none.
    setControlValue(panel, kStyleBase, data.base == 0 ? 1 : 2);
    setControlValue(panel, kStyleNumbering,
                    static_cast<int32_t>(std::min(data.numbering, kNoNumber)) + 1);
    // The user's own texts, shown as stored and never looked up.
    setControlLiteralText(getControl(panel, kStyleSeparator), data.separator);
    setControlLiteralText(getControl(panel, kStyleSuffix), data.suffix);
    setControlValue(panel, kStyleNumberFirst, data.numberBeforeName ? 1 : 0);
    setControlValue(panel, kStyleMargins, data.pageMargins ? 1 : 0);
}

// A field's text into a 32-byte option: a text longer than 31 bytes is
// taken as the empty text rather than cut.
void readOption(PlxWindow panel, int32_t id, char (&option)[32]) {
    char text[kControlTextSize];
    getControlText(getControl(panel, id), text);
    if (std::strlen(text) > static_cast<size_t>(kStyleTextMax)) text[0] = 0;
    copyText(option, sizeof option, text);
}

// The index chosen in a list, 0 when none is.
uint32_t chosen(PlxWindow panel, int32_t id) {
    int32_t value = getControlValue(panel, id);
    return value > 0 ? static_cast<uint32_t>(value - 1) : 0;
}

void saveControls(PlxWindow panel) {
    PlxStyleData data;
    std::memset(&data, 0, sizeof data);
    data.base = chosen(panel, kStyleBase);
    data.numbering = chosen(panel, kStyleNumbering);
    readOption(panel, kStyleSeparator, data.separator);
    readOption(panel, kStyleSuffix, data.suffix);
    data.pageMargins = getControlValue(panel, kStyleMargins) ? 1 : 0;
    data.numberBeforeName = getControlValue(panel, kStyleNumberFirst) ? 1 : 0;
    setStyleData(sStyle, data);
}

} // namespace

void setStylesPanelStyle(OutputStyleRef style) {
    sStyle = style;
}

OutputStyleRef stylesPanelStyle() {
    return sStyle;
}

int32_t stylesPanelCallback(void* cbRecord) {
    auto* rec = static_cast<XTPanelMsgRec*>(cbRecord);
    if (!rec) return 0;
    auto panel = static_cast<PlxWindow>(rec->panel);
    switch (rec->message) {
    case kXTPanelTemplateRequest:
        answerPanelTemplate(rec, kStylesPanelTemplate);
        break;
    case kXTPanelDeclareControls: {
        if (!buildPanelTemplate(rec, kStylesPanelTemplate)) break;
        const int32_t statics[] = {1, 3, 5, 7};
        const int32_t lists[] = {kStyleBase, kStyleNumbering};
        const int32_t fields[] = {kStyleSeparator, kStyleSuffix};
        const int32_t boxes[] = {kStyleNumberFirst, kStyleMargins};
        declarePanelControls(rec, statics, 4, kXTControlStaticText);
        declarePanelControls(rec, lists, 2, kXTControlPopup);
        declarePanelControls(rec, fields, 2, kXTControlEditText);
        declarePanelControls(rec, boxes, 2, kXTControlCheckBox);
        rec->result = 1;
        break;
    }
    case kXTPanelInit:
        fillLists(panel);
        loadControls(panel);
        rec->result = 1;
        break;
    case kXTPanelSave:
        // Without a style to write into there is nothing to save.
        if (!sStyle) break;
        saveControls(panel);
        rec->result = 1;
        break;
    default:
        break;
    }
    return 0;
}
