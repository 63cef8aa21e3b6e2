// Window descriptions: the plug-in's windows written once, as XML data in
// the resources (type "XML"), and read here into plain records that the
// builder (dialog_builder.h) turns into controls. The format is described
// in docs/window-descriptions.md.
//
// Elements are found with the plug-in's XML reader (xmlread.h): a root
// `window` with `name` (title key), `rect` ("x y w h", the client size) and
// repeated `control` elements in creation order. Texts are read into
// kDescTextSize-byte buffers (at most 255 bytes, cut at a character
// boundary); type and command codes are their first 4 characters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kDescTextSize = 256;

// The optional extra texts of a control, each stored as a string property
// of the control under its own code when it is not empty.
constexpr int kDescExtraCount = 8;
extern const char* const kDescExtraCodes[kDescExtraCount]; // "sap ", "empt", ...
constexpr int kDescExtraSap = 0;                           // index of "sap "

struct DescRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};

enum DescJust : int32_t { kJustLeft = 0, kJustCenter = 1, kJustRight = 2 };

struct DescControl {
    char type[5] = {0};             // "push", "cbox", ..., "####"
    int32_t id = -1;                // -1 when absent
    DescRect rect;                  // as written; 0 0 0 0 when absent
    char text[kDescTextSize] = {0}; // the title, localized
    int32_t just = kJustLeft;
    char cmd[5] = {0}; // command code, empty when absent
    bool pass = false;
    bool multi = false;
    bool readonly = false;
    bool border = false;
    std::vector<std::string> menu; // items, localized
    std::vector<std::string> tabs; // text1, text2, ... as written
    char extras[kDescExtraCount][kDescTextSize] = {};
};

struct WindowDesc {
    char name[kDescTextSize] = {0}; // the title, localized
    DescRect rect;
    std::vector<DescControl> controls;
};

// Reads a description text into *out (replacing what it held). False when
// the text is null or memory ran out.
bool parseWindowDescription(const char* text, WindowDesc* out);

// Finds the description resource `name` of type "XML" (the bare name, then
// with the language suffix "_D" or "_E", then "_E") and reads it. False when
// there is none.
bool loadWindowDescription(const char* name, WindowDesc* out);

// "x y w h" as four decimal integers; fields not given stay 0.
DescRect parseDescRect(const char* text);
