#include "geometry_registry.h"

#include <limits>

namespace plotmark {

int32_t GeometryRegistry::add(PlotGeometry& geometry) {
    const int32_t handle = next_;
    // Two thousand million sprites later the handles would wrap; stop issuing instead.
    if (next_ == std::numeric_limits<int32_t>::max()) {
        return 0;
    }
    ++next_;
    geometries_[handle] = &geometry;
    return handle;
}

void GeometryRegistry::remove(int32_t handle) {
    geometries_.erase(handle);
}

PlotGeometry* GeometryRegistry::find(int32_t handle) const {
    const auto found = geometries_.find(handle);
    return found != geometries_.end() ? found->second : nullptr;
}

GeometryRegistry& geometries() {
    static GeometryRegistry registry;
    return registry;
}

} // namespace plotmark
