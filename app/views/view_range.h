// The scale and origin of the "Normal" and "Zoom" views. They stay as they
// always were while the potential's least value is in the "Normal" view;
// a deeper potential gets views that show its bottom and the levels up to
// the search's ceiling.
#pragma once

#include "search_bounds.h"
#include "vector2.h"

struct ViewFrame {
    double pixelsPerUnit = 0.0;
    Vector2 origin;
    double gridStep = 0.0;
    bool operator==(const ViewFrame& o) const {
        return pixelsPerUnit == o.pixelsPerUnit && origin.x == o.origin.x &&
               origin.y == o.origin.y && gridStep == o.gridStep;
    }
};

struct ViewFrames {
    ViewFrame normal;
    ViewFrame zoom;
    bool operator==(const ViewFrames&) const = default;
};

// The frames of a plot width x height pixels as the program starts.
ViewFrames StartViews(int width, int height);

// range: the potential's least and greatest value (before any cap).
ViewFrames ChooseViews(int width, int height, SearchRange range);

// The top of a view (the world y of its upper edge).
double ViewTop(const ViewFrame& frame, int height);
