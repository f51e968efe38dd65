// Face names as CreateFontA receives them ("Arial", "Symbol", "" for the system font)
// turned into installed font files through fontconfig.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace w32::text {

// One installed font file that can stand in for a requested face.
struct FontFile {
    std::string path;
    int index = 0;       // face index inside the file
    bool bold = false;   // the file's own design is bold
    bool italic = false; // the file's own design is slanted
    bool symbol = false; // byte codes map through the Symbol encoding
    bool operator==(const FontFile&) const = default;
};

// What the matcher makes of a request before asking fontconfig.
struct FaceChoice {
    std::string family; // fontconfig family to ask for
    bool bold = false;
    bool italic = false;
    bool symbol = false;
};

// The family standing in for a Windows face name, matched case-insensitively. Weight
// 600 and above is bold; the system font ("" or "System") is always bold.
FaceChoice chooseFamily(std::string_view face, int weight, bool italic);

// Installed files for a request, best first; the caller takes the first one FreeType can
// open. Unknown names fall back to Liberation Sans, then to whatever fontconfig offers.
// Empty only when no font is installed at all. Not thread-safe: the caller serialises.
std::vector<FontFile> matchFontFiles(std::string_view face, int weight, bool italic);

} // namespace w32::text
