#include "host/style_editor.h"

#include "host/host.h"
#include "host/native_windows.h"
#include "host/host_panel_window.h"
#include "ui/ui.h"
#include "xt/xtcallbacks.h"

namespace plxhost {

namespace {

bool sListOpen = false;
bool sEditing = false;

const char* mediumName(uint32_t medium) {
    if (medium == kXTMediumEPS) return "EPS";
    if (medium == kXTMediumPDF) return "PDF";
    return "none";
}

struct StylesWindow {
    Host* host = nullptr;
    ui::Handle window = ui::kNoWindow;
    ui::Handle list = ui::kNoWindow;
    ui::Handle name = ui::kNoWindow;
    ui::Handle medium = ui::kNoWindow;
};

void fillList(StylesWindow& w, const std::string& select) {
    std::vector<std::string> names;
    for (OutputStyleRef s : w.host->styles().styles())
        names.push_back(s->name);
    ui::setItems(w.list, names);
    int index = ui::findItem(w.list, select);
    ui::setSelection(w.list, index < 0 ? 0 : index);
}

void tell(const StylesWindow& w, const std::string& text) {
    ui::MessageBoxOptions box;
    box.title = "Plexhost";
    box.text = text;
    box.buttons = {"OK"};
    box.owner = w.window;
    ui::messageBox(box);
}

void newStyle(StylesWindow& w) {
    std::string name = ui::text(w.name);
    uint32_t medium = ui::text(w.medium) == "EPS" ? kXTMediumEPS : kXTMediumPDF;
    std::string error;
    if (w.host->styles().create(name, medium, nullptr, &error) != 0) {
        tell(w, error.empty() ? "The style could not be made." : error);
        return;
    }
    fillList(w, name);
}

void editSelected(StylesWindow& w) {
    std::string name = ui::text(w.list);
    OutputStyleRef style = w.host->styles().find(name);
    if (!style) {
        ui::beep();
        return;
    }
    editOutputStyle(*w.host, style);
}

std::intptr_t stylesProc(ui::Handle self, const ui::Message& msg, void* user) {
    auto* w = static_cast<StylesWindow*>(user);
    if (msg.msg == ui::Msg::Command && msg.notify == ui::Notify::Clicked) {
        if (msg.id == kStylesNewId) {
            newStyle(*w);
            return 1;
        }
        if (msg.id == kStylesEditId) {
            editSelected(*w);
            return 1;
        }
    }
    return ui::defaultProc(self, msg);
}

} // namespace

int runOutputStylesWindow(Host& host) {
    if (host.usesNativeWindows()) return runNativeOutputStylesWindow(host);
    if (sListOpen) return 0;
    sListOpen = true;
    StylesWindow w;
    w.host = &host;
    ui::CreateParams p;
    p.text = kOutputStylesTitle;
    p.owner = host.mainWindow();
    ui::Size screen = ui::screenSize();
    p.rect = ui::Rect{(screen.w - 420) / 2, (screen.h - 300) / 4, 420, 300};
    w.window = ui::createWindow(p);
    ui::setWindowProc(w.window, stylesProc, &w);
    ui::createControl(w.window, ui::Kind::PushButton, 1, ui::Rect{320, 260, 90, 24}, "Done",
                      ui::style::DefaultButton | ui::style::TabStop);
    w.list =
        ui::createControl(w.window, ui::Kind::ListBox, kStylesListId, ui::Rect{10, 10, 290, 200},
                          std::string(), ui::style::TabStop | ui::style::ClientEdge);
    ui::createControl(w.window, ui::Kind::PushButton, kStylesEditId, ui::Rect{320, 10, 90, 24},
                      "Edit\xE2\x80\xA6", ui::style::TabStop);
    w.name = ui::createControl(w.window, ui::Kind::Edit, kStylesNameId, ui::Rect{10, 222, 190, 22},
                               std::string(), ui::style::TabStop | ui::style::ClientEdge);
    w.medium = ui::createControl(w.window, ui::Kind::Popup, kStylesMediumId,
                                 ui::Rect{210, 222, 90, 22}, std::string(), ui::style::TabStop);
    ui::setItems(w.medium, {"EPS", "PDF"});
    ui::setSelection(w.medium, 1);
    ui::createControl(w.window, ui::Kind::PushButton, kStylesNewId, ui::Rect{320, 222, 90, 24},
                      "New", ui::style::TabStop);
    fillList(w, std::string());

    ui::Handle main = host.mainWindow();
    bool mainWasEnabled = main && ui::setEnabled(main, false);
    int result = ui::runModal(w.window);
    if (main) ui::setEnabled(main, mainWasEnabled);
    ui::destroyWindow(w.window);
    sListOpen = false;
    return result == 1 ? 1 : 2;
}

int editOutputStyle(Host& host, OutputStyleRef style) {
    StyleStore& store = host.styles();
    if (!store.isStyle(style) || sEditing) return 0;
    sEditing = true;
    int result = 2;
    {
        std::unique_ptr<HostPanelWindow> window =
            makePanelWindow(host, kEditStyleTitle, "Output", "Save");
        window->addHostText(kStyleNameTextId, "Name: " + style->name, 0);
        window->addHostText(kStyleMediumTextId,
                            std::string("Medium: ") + mediumName(style->medium), 24);
        bool hasSpreads = style->medium == kXTMediumEPS || style->medium == kXTMediumPDF;
        if (hasSpreads) window->addHostCheckBox(kStyleSpreadsId, "Spreads", 48, store.spreads(style));
        window->setHostPageSize(300, 80);
        window->collectPanels([&]() {
            XTOutputStylesRec rec{};
            rec.editor = window.get();
            rec.style = style;
            rec.container = window->container();
            host.sendCallback(kXTCBOutputStyles, &rec);
        });
        result = window->run();
        if (result == 1) {
            window->savePanels();
            if (hasSpreads)
                store.setSpreads(style, window->hostCheckBox(kStyleSpreadsId));
            else
                store.save();
        }
        XTStylesPanelDoneRec done{};
        done.editor = window.get();
        done.style = style;
        done.value = result == 1 ? kXTStylesEditorSaved : kXTStylesEditorDiscarded;
        host.sendCallback(kXTCBStylesPanelDone, &done);
    }
    sEditing = false;
    return result;
}

} // namespace plxhost
