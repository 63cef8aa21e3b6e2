// Shapes: the output areas plug-ins hand to the print group. A shape is a
// rectangle in print space; the host registers the ones it hands out so
// that a handle passed back is checked and leaks can be counted.
#pragma once

#include "xt/xttypes.h"

struct XTShape_ {
    fixedrect rect;
};

namespace plxhost {

XTShapeRef newShape(const fixedrect& rect);
void disposeShape(XTShapeRef shape); // NULL and unknown handles are ignored
bool isLiveShape(XTShapeRef shape);

} // namespace plxhost
