#include "line_points.h"

namespace plotmark {

void defineLine(LineRecord& line, double x1, double y1, double x2, double y2, int32_t symbol) {
    line.x[0] = static_cast<float>(x1);
    line.y[0] = static_cast<float>(y1);
    line.x[1] = static_cast<float>(x2);
    line.y[1] = static_cast<float>(y2);
    line.symbol[0] = static_cast<int16_t>(symbol);
    line.symbol[1] = static_cast<int16_t>(symbol);
    line.count = kLinePoints;
}

void emptyLine(LineRecord& line) {
    line.count = 0;
    line.shade = 0;
}

void plotLine(GraphProperties& p, double x1, double y1, double x2, double y2) {
    if (LineRecord* line = currentLine(p)) {
        defineLine(*line, x1, y1, x2, y2, p.currentSymbol);
    }
}

} // namespace plotmark
