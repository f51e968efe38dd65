// font_faces: which installed font a Windows GDI gives for each face name, so that
// tools/wine-check can see that its Wine prefix stands the same fonts in for the Windows
// faces as libw32 does. A Windows program (built with mingw, run under Wine).
//   font_faces.exe FACE[=FONT] ...
// asks for each face in bold, as the plug-ins do, and prints "FACE -> FONT (charset N)",
// FONT being the full name of the font GDI chose ("Liberation Sans Bold"), followed by
// "(expected FONT)" where it is not the one asked for. Exit status 1 when any differs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Choice {
    std::string font;
    int charset = -1;
};

Choice chosenFont(HDC dc, const std::string& face) {
    HFONT font =
        CreateFontA(15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, face.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    Choice choice;
    // GetTextFaceA and the family name answer with the requested name when Wine replaces a
    // face; the face name of the outline metrics is the chosen file's own.
    const UINT size = GetOutlineTextMetricsA(dc, 0, nullptr);
    if (size > 0) {
        std::vector<char> buffer(size);
        auto* otm = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
        if (GetOutlineTextMetricsA(dc, size, otm) > 0) {
            choice.font = buffer.data() + reinterpret_cast<size_t>(otm->otmpFaceName);
            choice.charset = otm->otmTextMetrics.tmCharSet;
        }
    }
    SelectObject(dc, old);
    DeleteObject(font);
    return choice;
}

} // namespace

int main(int argc, char** argv) {
    HDC dc = CreateCompatibleDC(nullptr);
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        const std::string face = arg.substr(0, eq);
        const std::string wanted = eq == std::string::npos ? "" : arg.substr(eq + 1);
        const Choice choice = chosenFont(dc, face);
        std::printf("%-16s -> %s (charset %d)", face.c_str(), choice.font.c_str(), choice.charset);
        if (!wanted.empty() && choice.font != wanted) {
            std::printf(" (expected %s)", wanted.c_str());
            status = 1;
        }
        std::printf("\n");
    }
    DeleteDC(dc);
    return status;
}
