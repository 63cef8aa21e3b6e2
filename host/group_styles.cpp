// Output-style and xas groups: the host's styles as plug-ins see them.
#include "host/groups.h"
#include "host/host.h"
#include "host/host_objects.h"
#include "host/output_styles.h"

namespace plxhost {

namespace {

Host& host() { return *Host::current(); }
StyleStore& store() { return host().styles(); }

bool isContext(XTOutputStyleContextRef context) { return context && context == store().context(); }

int32_t getCurrentContext(XTOutputStyleContextRef* context) {
    if (!context) return kXTParamErr;
    *context = store().context();
    return 0;
}

int32_t findStyleByName(XTOutputStyleContextRef context, QXStringRef name, OutputStyleRef* style) {
    if (!style) return kXTParamErr;
    *style = nullptr;
    if (!isContext(context) || !name) return kXTParamErr;
    *style = store().find(hostStringUtf8(name));
    return *style ? 0 : kXTNotFoundErr;
}

int32_t applyStyle(XTOutputStyleContextRef context, OutputStyleRef style) {
    if (!isContext(context) || !store().isStyle(style)) return kXTParamErr;
    context->applied = style;
    host().printEngine().styleApplied(style);
    return 0;
}

int32_t getOutputMedium(OutputStyleRef style, uint32_t* medium) {
    if (!medium || !store().isStyle(style)) return kXTParamErr;
    if (style->medium != kXTMediumNone) *medium = style->medium;
    return 0;
}

int32_t getStyleName(OutputStyleRef style, QXStringRef* name) {
    if (!name) return kXTParamErr;
    *name = nullptr;
    if (!store().isStyle(style)) return kXTParamErr;
    *name = newHostStringUtf8(style->name);
    return 0;
}

int32_t getStyleData(OutputStyleRef style, uint32_t key, XTXMLTreeRef* tree) {
    if (!tree) return kXTParamErr;
    *tree = nullptr;
    if (!store().isStyle(style)) return kXTParamErr;
    if (const XTXMLTree_* stored = store().data(style, key)) {
        *tree = newLiveTree(*stored);
        return 0;
    }
    // Keys the host knows answer with an empty tree until data is stored.
    if (key == kXTStyleKeyPDF || key == kXTStyleKeyEPS || host().isPluginIdentifier(key)) {
        *tree = newLiveTree(*makeTree());
        return 0;
    }
    return kXTNotFoundErr;
}

int32_t setStyleData(OutputStyleRef style, uint32_t key, XTXMLTreeRef tree) {
    if (!store().isStyle(style) || !isLiveTree(tree) || key == 0) return kXTParamErr;
    return store().setData(style, key, *tree);
}

int32_t getDefaultStyle(uint32_t medium, OutputStyleRef* style) {
    if (!style) return kXTParamErr;
    *style = store().defaultStyle(medium);
    return *style ? 0 : kXTNotFoundErr;
}

int32_t countStyles(XTOutputStyleContextRef context) {
    return isContext(context) ? static_cast<int32_t>(store().styles().size()) : 0;
}

int32_t styleAt(XTOutputStyleContextRef context, int32_t index, OutputStyleRef* style) {
    if (!style) return kXTParamErr;
    *style = nullptr;
    const std::vector<OutputStyleRef>& list = store().styles();
    if (!isContext(context) || index < 0 || static_cast<size_t>(index) >= list.size())
        return kXTParamErr;
    *style = list[static_cast<size_t>(index)];
    return 0;
}

} // namespace

const XTOutputStyleFuncs kOutputStyleGroup = {
    sizeof(XTOutputStyleFuncs), getCurrentContext, findStyleByName, applyStyle, getOutputMedium,
    getStyleName,               getStyleData,      setStyleData,    getDefaultStyle,
};

const XTXasFuncs kXasGroup = {sizeof(XTXasFuncs), countStyles, styleAt};

} // namespace plxhost
