// The module's registry of sprite geometries. A sprite registers its plot geometry when it is
// made and withdraws it when it is destroyed; the member's methods receive the geometry as
// an integer handle from the sprite and look it up here, so a handle a script invents (or one
// of a sprite that is gone) finds nothing instead of reaching freed or foreign memory.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "plot_geometry.h"

namespace plotmark {

class GeometryRegistry {
public:
    // A new handle for the geometry; handles start at 1 and are never reused.
    int32_t add(PlotGeometry& geometry);
    void remove(int32_t handle);
    // The live geometry of a handle, or null.
    PlotGeometry* find(int32_t handle) const;
    size_t size() const { return geometries_.size(); }

private:
    std::unordered_map<int32_t, PlotGeometry*> geometries_;
    int32_t next_ = 1;
};

// The registry shared by every graph sprite of the module.
GeometryRegistry& geometries();

} // namespace plotmark
