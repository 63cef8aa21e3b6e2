// The window descriptions, the builder and the picture. The input is a
// description. Every text read stays inside its 256 bytes and is valid
// UTF-8 when the description is; the builder makes the window whatever the
// rects and types; and the picture of the built window is well-formed XML.
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "host/xml_text.h"
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/window_desc.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"
#include "ui/ui.h"

namespace {

void checkText(const char* text, size_t size, bool inputValid, const char* what) {
    size_t n = strnlen(text, size);
    PLX_FUZZ_CHECK(n < size, std::string(what) + " has no terminator in its buffer");
    if (inputValid) PLX_FUZZ_CHECK(isValidUTF8(text, n), std::string(what) + " is not valid UTF-8");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!plxfuzz::pluginHost()) return 0;
    // Texts are then their own keys: the string tables have a target of
    // their own, and searching one for every text would halve the speed.
    releaseMyStrings();
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();
    bool valid = isValidUTF8(text.data(), text.size());

    WindowDesc desc;
    PLX_FUZZ_CHECK(parseWindowDescription(text.c_str(), &desc), "a description was not read");
    checkText(desc.name, sizeof desc.name, valid, "the window's name");
    for (const DescControl& c : desc.controls) {
        checkText(c.type, sizeof c.type, false, "a control's type");
        checkText(c.cmd, sizeof c.cmd, false, "a control's command");
        checkText(c.text, sizeof c.text, valid, "a control's text");
        for (const auto& extra : c.extras) checkText(extra, sizeof extra, valid, "a control's extra text");
        adjustedRect(c);
        comboListHeight(c);
    }
    if (desc.controls.size() > 200) return 0; // enough to build

    bool described = true;
    PlxWindow dialog = createDialogWindow("no such description", nullptr, &described);
    PLX_FUZZ_CHECK(dialog != 0 && !described, "no empty dialog to build into");
    buildWindow(dialog, desc);
    std::string svg = ui::drawSvg(static_cast<ui::Handle>(dialog));
    destroyDialogWindow(dialog);
    PLX_FUZZ_CHECK(isValidUTF8(svg.data(), svg.size()), "the picture is not valid UTF-8");
    std::string error;
    PLX_FUZZ_CHECK(plxhost::parseXml(svg, &error) != nullptr,
                   "the picture is not well-formed XML: " + error);
    return 0;
}
