// A member with default properties and helpers that write properties the way the glue does:
// store the value, then apply the write's further effect.
#pragma once

#include <cstdint>

#include "engine/graph_properties.h"
#include "engine/property_effects.h"

namespace plotmark {

struct GraphModel {
    GraphProperties p{};
    bool drawn = false;

    GraphModel() { setGraphDefaults(p); }

    Effect set(GraphProperty property, int32_t& field, int32_t value) {
        field = value;
        return afterWrite(p, property, drawn);
    }
    Effect set(GraphProperty property, uint32_t& field, uint32_t value) {
        field = value;
        return afterWrite(p, property, drawn);
    }
    Effect set(GraphProperty property, double& field, double value) {
        field = value;
        return afterWrite(p, property, drawn);
    }
    // A write whose value the test has already put into the field.
    Effect wrote(GraphProperty property) { return afterWrite(p, property, drawn); }
    Effect action(int32_t code) { return set(GraphProperty::Action, p.action, code); }
    Effect currentCurve(int32_t index) {
        return set(GraphProperty::CurrentCurve, p.currentCurve, index);
    }
    Effect currentLine(int32_t index) {
        return set(GraphProperty::CurrentLine, p.currentLine, index);
    }
    // XNewValue then YNewValue, as a script adds a point.
    Effect add(double x, double y) {
        set(GraphProperty::XNewValue, p.xNewValue, x);
        return set(GraphProperty::YNewValue, p.yNewValue, y);
    }
    CurveRecord& curve(int i) { return p.curves[i]; }
    LineRecord& line(int i) { return p.lines[i]; }
};

} // namespace plotmark
