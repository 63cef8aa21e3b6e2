// The host's output-style editor.
//
// "Output Styles" lists the styles in the host's order and makes new ones;
// its Edit button opens one style in "Edit Output Style": the host's page
// (the style's name and medium, the host's own spreads option for EPS and
// PDF styles) and a page for each panel a plug-in adds when asked through
// code 728. Save sends every panel its save message, then stores the
// host's options and the styles file, and tells plug-ins through code 768
// with the value 2; Cancel stores nothing and sends 768 with 0.
#pragma once

#include "xt/xttypes.h"

namespace plxhost {

class Host;

// Titles of the two windows, for scripts that address them.
constexpr const char* kOutputStylesTitle = "Output Styles";
constexpr const char* kEditStyleTitle = "Edit Output Style";

// Control ids of "Output Styles".
enum OutputStylesControl {
    kStylesListId = 100,  // list box of the styles
    kStylesEditId = 101,  // Edit…: edits the selected style
    kStylesNewId = 102,   // New: makes a style of the name and medium below
    kStylesNameId = 103,  // the new style's name
    kStylesMediumId = 104 // the new style's medium: "EPS" or "PDF"
};
// Control ids of the host's page of "Edit Output Style".
enum EditStyleControl {
    kStyleNameTextId = 110,
    kStyleMediumTextId = 111,
    kStyleSpreadsId = 112 // check box, for EPS and PDF styles only
};

// Opens "Output Styles" modally and returns when it closes: 1 for Done, 2
// when it was closed otherwise; 0 without opening a second one while one
// is open (also serves host request 227).
int runOutputStylesWindow(Host& host);

// Opens "Edit Output Style" for one style modally: 1 when it was saved, 2
// when not, 0 for a style the host does not have.
int editOutputStyle(Host& host, OutputStyleRef style);

} // namespace plxhost
