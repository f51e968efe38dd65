// Formats a kind's description. The table and the page show the same columns; the page
// is what docs/kinds holds, so its text must stay stable for a given description.
#include "kind_reference.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zentrix {

namespace {

using Row = std::vector<std::string>;

std::string typeText(const ZxPropertyDescription& p) {
    std::string type = p.type;
    if (p.capacity > 0) {
        type += "(" + std::to_string(p.capacity) + ")";
    }
    return type;
}

std::string savedText(const ZxPropertyDescription& p) {
    return p.savedAt >= 0 ? std::to_string(p.savedAt) : "-";
}

std::string orDash(const char* text) {
    return text != nullptr && *text != '\0' ? text : "-";
}

std::string codeText(uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
    return text;
}

const Row kPropertyHeads = {"Property", "Type", "Access", "Default", "Saved", "Dialog", "Meaning"};
const Row kCommandHeads = {"Command", "Min args", "Too few", "Meaning"};

std::vector<Row> propertyRows(const ZxKindDescription& kind) {
    std::vector<Row> rows;
    for (uint32_t i = 0; i < kind.propertyCount; ++i) {
        const ZxPropertyDescription& p = kind.properties[i];
        rows.push_back(
            {p.name, typeText(p), p.access, p.initial, savedText(p), orDash(p.control), p.meaning});
    }
    return rows;
}

std::vector<Row> commandRows(const ZxKindDescription& kind) {
    std::vector<Row> rows;
    for (uint32_t i = 0; i < kind.commandCount; ++i) {
        const ZxCommandDescription& c = kind.commands[i];
        // Without a minimum no call has too few arguments.
        rows.push_back({c.name, std::to_string(c.minArguments),
                        c.minArguments > 0 ? codeText(c.tooFewCode) : "-", c.meaning});
    }
    return rows;
}

// Columns padded to their widest cell; the last column is left ragged.
std::string aligned(const Row& heads, const std::vector<Row>& rows) {
    std::vector<size_t> widths;
    for (const std::string& head : heads) {
        widths.push_back(head.size());
    }
    for (const Row& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    auto line = [&](const Row& row) {
        std::string text;
        for (size_t c = 0; c < row.size(); ++c) {
            text += row[c];
            if (c + 1 < row.size()) {
                text += std::string(widths[c] - row[c].size() + 2, ' ');
            }
        }
        return text + "\n";
    };
    std::string text = line(heads);
    for (const Row& row : rows) {
        text += line(row);
    }
    return text;
}

// A cell of a Markdown table: a bar would end the cell.
std::string cell(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '|') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::string markdownTable(const Row& heads, const std::vector<Row>& rows, size_t codeColumn) {
    std::string text = "|";
    std::string rule = "|";
    for (const std::string& head : heads) {
        text += " " + head + " |";
        rule += "---|";
    }
    text += "\n" + rule + "\n";
    for (const Row& row : rows) {
        text += "|";
        for (size_t c = 0; c < row.size(); ++c) {
            text += " " + (c == codeColumn ? "`" + row[c] + "`" : cell(row[c])) + " |";
        }
        text += "\n";
    }
    return text;
}

} // namespace

std::string referenceTable(const ZxKindDescription& kind) {
    std::string text = std::string(kind.symbol) + " (" + kind.displayName + ")\n\nProperties\n";
    text += aligned(kPropertyHeads, propertyRows(kind));
    text += "\nCommands\n";
    if (kind.commandCount == 0) {
        text += "(none)\n";
    } else {
        text += aligned(kCommandHeads, commandRows(kind));
    }
    return text;
}

std::string referenceMarkdown(const ZxKindDescription& kind) {
    std::string text = "## Properties of `" + std::string(kind.symbol) + "`\n\n";
    text += "Access: whether a script reads (`m.Prop`), writes (`m.Prop = v`) or does both. "
            "Default: what a new member "
            "holds (\"computed\": derived from the member's state). Saved: the position in "
            "the saved block, \"-\" when not saved. Dialog: the properties dialog's control.\n\n";
    text += markdownTable(kPropertyHeads, propertyRows(kind), 0);
    text += "\n## Commands\n\n";
    if (kind.commandCount == 0) {
        text += "None.\n";
    } else {
        text += "Called with fewer than the minimum arguments, a command does nothing and "
                "answers the \"Too few\" code.\n\n";
        text += markdownTable(kCommandHeads, commandRows(kind), 0);
    }
    return text;
}

} // namespace zentrix
