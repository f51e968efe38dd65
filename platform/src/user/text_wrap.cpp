// Word wrapping of static texts, exported so that the platform tests can call it directly.
#include "text_wrap.h"

namespace zxw32::user {
namespace {

// Wraps one paragraph (no line feeds) into `out`.
void wrapParagraph(std::string_view paragraph, int width, const TextWidth& measure,
                   std::vector<std::string>& out) {
    std::string line;
    size_t i = 0;
    while (i < paragraph.size()) {
        // The next word with the spaces before it.
        size_t wordStart = i;
        while (wordStart < paragraph.size() && paragraph[wordStart] == ' ') {
            ++wordStart;
        }
        size_t wordEnd = wordStart;
        while (wordEnd < paragraph.size() && paragraph[wordEnd] != ' ') {
            ++wordEnd;
        }
        const std::string_view piece = paragraph.substr(i, wordEnd - i);
        if (line.empty() || measure(line + std::string(piece)) <= width) {
            line += piece;
        } else {
            // The spaces at a break belong to neither line.
            out.push_back(line);
            line = std::string(paragraph.substr(wordStart, wordEnd - wordStart));
        }
        i = wordEnd;
    }
    out.push_back(line);
}

} // namespace

__attribute__((visibility("default"))) std::vector<std::string>
wrapLines(const std::string& text, int width, const TextWidth& measure) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        std::string_view paragraph(text.data() + start,
                                   (end == std::string::npos ? text.size() : end) - start);
        if (!paragraph.empty() && paragraph.back() == '\r') {
            paragraph.remove_suffix(1);
        }
        wrapParagraph(paragraph, width, measure, lines);
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

} // namespace zxw32::user
