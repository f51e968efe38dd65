// Shared FreeType state.
#include "text/freetype_library.h"

#include <map>
#include <utility>

namespace w32::text {
namespace {

FT_Library library() {
    // Never released: faces handed out to GDI objects may live until the process ends.
    static FT_Library const instance = [] {
        FT_Library lib = nullptr;
        return FT_Init_FreeType(&lib) == 0 ? lib : nullptr;
    }();
    return instance;
}

} // namespace

std::recursive_mutex& engineMutex() {
    static auto* const mutex = new std::recursive_mutex;
    return *mutex;
}

FT_Face openFace(const std::string& path, int index) {
    static auto* const opened = new std::map<std::pair<std::string, int>, FT_Face>;
    const auto key = std::make_pair(path, index);
    if (auto found = opened->find(key); found != opened->end()) {
        return found->second;
    }
    FT_Face face = nullptr;
    if (!library() || FT_New_Face(library(), path.c_str(), index, &face) != 0) {
        face = nullptr;
    }
    // Failures are remembered too, so a broken file is not parsed again for every request.
    (*opened)[key] = face;
    return face;
}

} // namespace w32::text
