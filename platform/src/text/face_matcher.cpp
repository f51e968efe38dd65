// Face matching through fontconfig.
#include "text/face_matcher.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <cctype>
#include <memory>
#include <optional>

namespace w32::text {
namespace {

constexpr const char* kFallbackFamily = "Liberation Sans";
constexpr const char* kSymbolFamily = "Standard Symbols PS";

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// Windows faces with a metric-compatible stand-in. Fontconfig's own aliases usually say
// the same, but not on every installation, and the layout of stored movies depends on it.
struct Alias {
    const char* windowsName; // lower case
    const char* family;
};
constexpr std::array kAliases{
    Alias{"arial", "Liberation Sans"},
    Alias{"arial narrow", "Liberation Sans Narrow"},
    Alias{"times new roman", "Liberation Serif"},
    Alias{"courier new", "Liberation Mono"},
    Alias{"ms sans serif", "Liberation Sans"},
    Alias{"ms shell dlg", "Liberation Sans"},
    Alias{"system", "Liberation Sans"},
    Alias{"", "Liberation Sans"},
};

using PatternPtr = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;
using FontSetPtr = std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)>;

FcConfig* config() {
    // FcInitLoadConfigAndFonts once; fontconfig keeps the configuration for the process.
    static FcConfig* const loaded = FcInit() ? FcConfigGetCurrent() : nullptr;
    return loaded;
}

PatternPtr stylePattern(const std::string& family, bool bold, bool italic) {
    PatternPtr pattern(FcPatternCreate(), FcPatternDestroy);
    if (!family.empty()) {
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    return pattern;
}

std::optional<FontFile> fileOf(const FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) {
        return std::nullopt;
    }
    FontFile out;
    out.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &out.index);
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    out.bold = weight >= FC_WEIGHT_DEMIBOLD;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    out.italic = slant != FC_SLANT_ROMAN;
    return out;
}

bool hasFamily(const FcPattern* font, const std::string& family) {
    const std::string wanted = lowered(family);
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (lowered(reinterpret_cast<const char*>(name)) == wanted) {
            return true;
        }
    }
    return false;
}

struct Match {
    FontFile file;
    bool exactFamily = false;
};

std::optional<Match> bestMatch(const std::string& family, bool bold, bool italic) {
    if (!config()) {
        return std::nullopt;
    }
    PatternPtr pattern = stylePattern(family, bold, italic);
    FcConfigSubstitute(config(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr font(FcFontMatch(config(), pattern.get(), &result), FcPatternDestroy);
    if (!font) {
        return std::nullopt;
    }
    auto file = fileOf(font.get());
    if (!file) {
        return std::nullopt;
    }
    return Match{*file, !family.empty() && hasFamily(font.get(), family)};
}

// Every installed file of a family, Type 1 files first: the Type 1 Symbol face carries
// the Adobe custom encoding that maps bytes the way the Symbol encoding does.
std::vector<FontFile> filesOfFamily(const std::string& family) {
    std::vector<FontFile> files;
    if (!config()) {
        return files;
    }
    PatternPtr pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, FC_FONTFORMAT, nullptr),
        FcObjectSetDestroy);
    FontSetPtr set(FcFontList(config(), pattern.get(), objects.get()), FcFontSetDestroy);
    if (!set) {
        return files;
    }
    std::vector<std::pair<bool, FontFile>> ranked;
    for (int i = 0; i < set->nfont; ++i) {
        auto file = fileOf(set->fonts[i]);
        if (!file) {
            continue;
        }
        FcChar8* format = nullptr;
        const bool type1 =
            FcPatternGetString(set->fonts[i], FC_FONTFORMAT, 0, &format) == FcResultMatch &&
            lowered(reinterpret_cast<const char*>(format)) == "type 1";
        ranked.emplace_back(!type1, *file);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.first < b.first || (a.first == b.first && a.second.path < b.second.path);
    });
    for (auto& entry : ranked) {
        files.push_back(std::move(entry.second));
    }
    return files;
}

// Any font at all, for installations without the usual families.
std::optional<FontFile> anyInstalledFont() {
    if (!config()) {
        return std::nullopt;
    }
    PatternPtr pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, nullptr), FcObjectSetDestroy);
    FontSetPtr set(FcFontList(config(), pattern.get(), objects.get()), FcFontSetDestroy);
    if (!set) {
        return std::nullopt;
    }
    for (int i = 0; i < set->nfont; ++i) {
        if (auto file = fileOf(set->fonts[i])) {
            return file;
        }
    }
    return std::nullopt;
}

void addUnique(std::vector<FontFile>& files, const FontFile& file) {
    if (std::find(files.begin(), files.end(), file) == files.end()) {
        files.push_back(file);
    }
}

} // namespace

FaceChoice chooseFamily(std::string_view face, int weight, bool italic) {
    const std::string name = lowered(trimmed(face));
    FaceChoice choice{std::string(trimmed(face)), weight >= 600, italic, false};
    if (name == "symbol") {
        choice.family = kSymbolFamily;
        choice.symbol = true;
        return choice;
    }
    for (const Alias& alias : kAliases) {
        if (name == alias.windowsName) {
            choice.family = alias.family;
            break;
        }
    }
    // The system font is a bold sans whatever weight the caller passes.
    if (name.empty() || name == "system") {
        choice.bold = true;
    }
    return choice;
}

std::vector<FontFile> matchFontFiles(std::string_view face, int weight, bool italic) {
    const FaceChoice choice = chooseFamily(face, weight, italic);
    // Every size of a face asks the same question; fontconfig's answer is kept.
    static auto* const answers =
        new std::map<std::tuple<std::string, bool, bool, bool>, std::vector<FontFile>>;
    const auto key =
        std::make_tuple(lowered(choice.family), choice.bold, choice.italic, choice.symbol);
    if (auto found = answers->find(key); found != answers->end()) {
        return found->second;
    }
    std::vector<FontFile>& files = (*answers)[key];

    if (choice.symbol) {
        for (FontFile file : filesOfFamily(choice.family)) {
            file.symbol = true;
            addUnique(files, file);
        }
    }

    if (!choice.symbol) {
        if (auto match = bestMatch(choice.family, choice.bold, choice.italic)) {
            // Fontconfig answers every query with something; a face it does not know comes
            // back as its generic default, which is not the fallback Windows layouts expect.
            bool known = match->exactFamily;
            if (!known) {
                auto generic = bestMatch("zx-no-such-family", choice.bold, choice.italic);
                known = !generic || generic->file.path != match->file.path;
            }
            if (known) {
                addUnique(files, match->file);
            }
        }
    }

    for (const char* family : {kFallbackFamily, "DejaVu Sans", "sans-serif"}) {
        if (auto match = bestMatch(family, choice.bold, choice.italic)) {
            addUnique(files, match->file);
        }
    }
    if (auto any = anyInstalledFont()) {
        addUnique(files, *any);
    }
    return files;
}

} // namespace w32::text
