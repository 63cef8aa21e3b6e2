#include "host/shapes.h"

#include <unordered_set>

#include "host/host_objects.h"

namespace plxhost {

namespace {
std::unordered_set<XTShapeRef> gLiveShapes;
} // namespace

XTShapeRef newShape(const fixedrect& rect) {
    XTShapeRef shape = new XTShape_{rect};
    gLiveShapes.insert(shape);
    countLiveShape(+1);
    return shape;
}

void disposeShape(XTShapeRef shape) {
    if (!shape || !gLiveShapes.erase(shape)) return;
    countLiveShape(-1);
    delete shape;
}

bool isLiveShape(XTShapeRef shape) { return shape && gLiveShapes.count(shape) != 0; }

} // namespace plxhost
