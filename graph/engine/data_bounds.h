// The extent of the data over all curves, for fitting the plotted ranges to it.
#pragma once

#include "graph_properties.h"

namespace plotmark {

struct DataBounds {
    float xMinimum;
    float xMaximum;
    float yMinimum;
    float yMaximum;
};

// Starts from 1e20 / -1e20; an x above -1e31 takes part in the x bounds and a y above -1e31
// in the y bounds, so a break still contributes its x. With OriginInAuto the bounds are
// widened to include 0. With no data the minimum stays above the maximum.
DataBounds dataBounds(const GraphProperties& properties);

} // namespace plotmark
