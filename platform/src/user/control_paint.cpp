// Each kind of control in the classic look: static texts, group boxes, edits, push buttons,
// check boxes and radio buttons. Each is clipped to its own rectangle, as a child window is.
#include "control_paint.h"

#include <algorithm>

#include "classic_look.h"
#include "dialog_font.h"
#include "text_wrap.h"

namespace zxw32::user {
namespace {

constexpr int kBoxSize = 13;   // a check box's square
constexpr int kRadioSize = 12; // a radio button's circle
constexpr int kTextGap = 4;    // between the square or circle and the text
constexpr int kEditMargin = 1; // between an edit's border and its text

const char* const kCheckMark[] = {
    "......T", ".....TT", "T...TTT", "TT.TTT.", "TTTTT..", ".TTT...", "..T....",
};
// The circle of a radio button: dark above and left, light below and right, as if sunken.
const char* const kRadioRing[] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
    "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".SLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
};
const char* const kRadioDot[] = {
    ".TT.",
    "TTTT",
    "TTTT",
    ".TT.",
};

RECT moved(const RECT& r, POINT by) {
    return RECT{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

// Clips drawing to a rectangle for as long as it lives.
class ClipTo {
public:
    ClipTo(HDC dc, const RECT& rect) : dc_(dc), region_(CreateRectRgnIndirect(&rect)) {
        SelectClipRgn(dc_, region_);
    }
    ~ClipTo() {
        SelectClipRgn(dc_, nullptr);
        DeleteObject(region_);
    }
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;

private:
    HDC dc_;
    HRGN region_;
};

void drawText(const ControlPainter& p, int x, int y, const std::string& text, COLORREF color) {
    SelectObject(p.dc, p.font);
    SetBkMode(p.dc, TRANSPARENT);
    SetTextColor(p.dc, color);
    SetTextAlign(p.dc, TA_LEFT | TA_TOP);
    TextOutA(p.dc, x, y, text.data(), static_cast<int>(text.size()));
}

void paintStatic(const ControlPainter& p, const ControlSnapshot& c, const RECT& r) {
    const int width = r.right - r.left;
    const auto measure = [&](std::string_view s) { return textWidth(p.font, s); };
    int y = r.top;
    for (const std::string& line : wrapLines(c.text, width, measure)) {
        int x = r.left;
        if (c.align != TextAlign::Left) {
            const int spare = width - measure(line);
            x += c.align == TextAlign::Center ? spare / 2 : spare;
        }
        drawText(p, x, y, line, GetSysColor(COLOR_BTNTEXT));
        y += p.lineHeight;
    }
}

// An etched frame whose top line runs through the middle of the caption, which sits on a
// cleared strip of the face colour.
void paintGroupBox(const ControlPainter& p, const ControlSnapshot& c, const RECT& r) {
    const int top = r.top + p.lineHeight / 2;
    frameRect(p.dc, RECT{r.left + 1, top + 1, r.right, r.bottom}, GetSysColor(COLOR_BTNHIGHLIGHT),
              GetSysColor(COLOR_BTNHIGHLIGHT));
    frameRect(p.dc, RECT{r.left, top, r.right - 1, r.bottom - 1}, GetSysColor(COLOR_BTNSHADOW),
              GetSysColor(COLOR_BTNSHADOW));
    if (c.text.empty()) {
        return;
    }
    const int x = r.left + 8;
    const int width = textWidth(p.font, c.text);
    fillRect(p.dc, RECT{x - 2, r.top, x + width + 2, r.top + p.lineHeight},
             GetSysColor(COLOR_BTNFACE));
    drawText(p, x, r.top, c.text, GetSysColor(COLOR_BTNTEXT));
}

// The scroll that keeps the caret inside a view `width` pixels wide, moving as little as
// possible from the previous one and never leaving empty room at the right of the text.
int scrollForCaret(int previous, int caretX, int textWidth, int width) {
    int scroll = previous;
    if (caretX - scroll > width - 1) {
        scroll = caretX - (width - 1);
    }
    if (caretX < scroll) {
        scroll = caretX;
    }
    scroll = std::min(scroll, std::max(0, textWidth - (width - 1)));
    return std::max(scroll, 0);
}

void paintEdit(const ControlPainter& p, const ControlSnapshot& c, const RECT& r) {
    sunkenEdge(p.dc, r);
    const RECT inside = inset(r, 2, 2);
    fillRect(p.dc, inside, GetSysColor(COLOR_WINDOW));
    const RECT view = inset(inside, kEditMargin, 0);
    if (view.right <= view.left) {
        return;
    }
    const std::vector<int> offsets = caretOffsets(p.font, c.text);
    const int scroll = scrollForCaret(c.scroll, offsets[c.selection.caret], offsets.back(),
                                      view.right - view.left);
    if (scroll != c.scroll) {
        storeEditScroll(c.handle, scroll);
    }
    ClipTo clip(p.dc, view);
    const int x = view.left - scroll;
    const int y = inside.top + (inside.bottom - inside.top - p.lineHeight) / 2;
    drawText(p, x, y, c.text, GetSysColor(COLOR_WINDOWTEXT));
    if (!c.focused) {
        return;
    }
    if (!c.selection.empty()) {
        const size_t from = c.selection.start(), to = c.selection.end();
        fillRect(p.dc, RECT{x + offsets[from], y, x + offsets[to], y + p.lineHeight},
                 GetSysColor(COLOR_HIGHLIGHT));
        drawText(p, x + offsets[from], y, c.text.substr(from, to - from),
                 GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const int caretX = x + offsets[c.selection.caret];
    fillRect(p.dc, RECT{caretX, y, caretX + 1, y + p.lineHeight}, GetSysColor(COLOR_WINDOWTEXT));
}

void paintPushButton(const ControlPainter& p, const ControlSnapshot& c, const RECT& r) {
    RECT body = r;
    if (c.isDefault) {
        frameRect(p.dc, body, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DDKSHADOW));
        body = inset(body, 1, 1);
    }
    fillRect(p.dc, inset(body, 2, 2), GetSysColor(COLOR_BTNFACE));
    if (c.pushed) {
        pushedEdge(p.dc, body);
    } else {
        buttonEdge(p.dc, body);
    }
    const int shift = c.pushed ? 1 : 0;
    const int width = textWidth(p.font, c.text);
    const int x = r.left + (r.right - r.left - width) / 2 + shift;
    const int y = r.top + (r.bottom - r.top - p.lineHeight) / 2 + shift;
    {
        ClipTo clip(p.dc, inset(body, 2, 2));
        drawText(p, x, y, c.text, GetSysColor(COLOR_BTNTEXT));
    }
    if (c.focused) {
        focusRect(p.dc, inset(r, 4, 4));
    }
}

// A check box or radio button: the square or circle at the left, centred vertically, then
// the text; the focus rectangle surrounds the text.
void paintBox(const ControlPainter& p, const ControlSnapshot& c, const RECT& r) {
    const bool radio = c.kind == ControlKind::Radio;
    const int size = radio ? kRadioSize : kBoxSize;
    const int boxY = r.top + (r.bottom - r.top - size) / 2;
    if (radio) {
        // Held down, the circle's inside turns to the face colour, like a box's.
        drawPattern(p.dc, r.left, boxY, kRadioRing, kRadioSize, c.pushed);
        if (c.check == BST_CHECKED) {
            drawPattern(p.dc, r.left + 4, boxY + 4, kRadioDot, 4);
        }
    } else {
        const RECT box{r.left, boxY, r.left + kBoxSize, boxY + kBoxSize};
        sunkenEdge(p.dc, box);
        fillRect(p.dc, inset(box, 2, 2), GetSysColor(c.pushed ? COLOR_BTNFACE : COLOR_WINDOW));
        if (c.check != BST_UNCHECKED) {
            drawPattern(p.dc, r.left + 3, boxY + 3, kCheckMark, 7);
        }
    }
    const int textX = r.left + size + kTextGap;
    const int textY = r.top + (r.bottom - r.top - p.lineHeight) / 2;
    drawText(p, textX, textY, c.text, GetSysColor(COLOR_BTNTEXT));
    if (c.focused) {
        const int width = textWidth(p.font, c.text);
        focusRect(p.dc, RECT{textX - 1, std::max<LONG>(textY, r.top), textX + width + 1,
                             std::min<LONG>(textY + p.lineHeight, r.bottom)});
    }
}

} // namespace

void paintControl(const ControlPainter& p, const ControlSnapshot& c) {
    const RECT r = moved(c.rect, p.origin);
    RECT visible{};
    if (!IntersectRect(&visible, &r, &p.client)) {
        return;
    }
    ClipTo clip(p.dc, visible);
    switch (c.kind) {
    case ControlKind::Static:
        paintStatic(p, c, r);
        break;
    case ControlKind::GroupBox:
        paintGroupBox(p, c, r);
        break;
    case ControlKind::Edit:
        paintEdit(p, c, r);
        break;
    case ControlKind::Button:
        paintPushButton(p, c, r);
        break;
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        paintBox(p, c, r);
        break;
    }
}

} // namespace zxw32::user
