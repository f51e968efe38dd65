// realize(): requests to realised fonts, each built once and shared by equal requests.
#include "text/face_matcher.h"
#include "text/font_engine.h"
#include "text/freetype_face.h"
#include "text/freetype_library.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace w32::text {
namespace {

// Requests that differ only in the spelling of the face name realise the same font.
struct RequestKey {
    FontRequest request;
    bool operator<(const RequestKey& other) const {
        const FontRequest& a = request;
        const FontRequest& b = other.request;
        return std::tie(a.height, a.width, a.escapement, a.orientation, a.weight, a.italic,
                        a.charset, a.face) < std::tie(b.height, b.width, b.escapement,
                                                      b.orientation, b.weight, b.italic, b.charset,
                                                      b.face);
    }
};

FontRequest normalised(FontRequest request) {
    std::string& face = request.face;
    face.erase(face.begin(), std::find_if(face.begin(), face.end(),
                                          [](unsigned char c) { return !std::isspace(c); }));
    face.erase(
        std::find_if(face.rbegin(), face.rend(), [](unsigned char c) { return !std::isspace(c); })
            .base(),
        face.end());
    for (char& c : face) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return request;
}

// Enough for every font a movie's cells ask for; beyond it, fonts nobody holds are dropped.
constexpr size_t kCacheLimit = 512;

std::shared_ptr<Face> build(const FontRequest& request) {
    const FaceChoice choice = chooseFamily(request.face, request.weight, request.italic);
    for (const FontFile& file : matchFontFiles(request.face, request.weight, request.italic)) {
        FT_Face face = openFace(file.path, file.index);
        if (!face || !FT_IS_SCALABLE(face)) {
            continue;
        }
        FaceSetup setup;
        setup.face = face;
        setup.symbol = file.symbol;
        const std::string name = normalised(request).face;
        setup.systemFont = name.empty() || name == "system";
        if (file.symbol) {
            auto indices = symbolGlyphIndices(face);
            if (!indices) {
                continue;
            }
            setup.indices = *indices;
        } else if (choice.symbol) {
            setup.indices = symbolGlyphIndicesByCharacter(face);
            setup.symbol = true;
        } else {
            setup.indices = textGlyphIndices(face);
        }
        setup.embolden = choice.bold && !file.bold;
        setup.oblique = choice.italic && !file.italic;
        return std::make_shared<FreeTypeFace>(setup, request);
    }
    // No usable font installed: a font of empty glyphs with plausible metrics.
    return std::make_shared<FreeTypeFace>(FaceSetup{}, request);
}

} // namespace

__attribute__((visibility("default"))) std::shared_ptr<Face> realize(const FontRequest& request) {
    std::lock_guard lock(engineMutex());
    static auto* const cache = new std::map<RequestKey, std::shared_ptr<Face>>;
    const RequestKey key{normalised(request)};
    if (auto found = cache->find(key); found != cache->end()) {
        return found->second;
    }
    if (cache->size() >= kCacheLimit) {
        std::erase_if(*cache, [](const auto& entry) { return entry.second.use_count() == 1; });
    }
    auto face = build(request);
    cache->emplace(key, face);
    return face;
}

} // namespace w32::text
