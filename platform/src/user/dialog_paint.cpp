// Painting a whole dialog window: the modal frame, the caption bar with the caption and a
// close box, the client area's face colour and the controls on it.
#include <zxw32/dialog_view.h>

#include "classic_look.h"
#include "control_paint.h"
#include "dialog_font.h"
#include "dialog_layout.h"
#include "dialog_snapshot.h"

using namespace zxw32::user;

namespace {

const char* const kCloseGlyph[] = {
    "TT....TT", ".TT..TT.", "..TTTT..", "...TT...", "..TTTT..", ".TT..TT.", "TT....TT",
};
constexpr int kCloseWidth = 16, kCloseHeight = 14;

// Restores the DC's objects, colours and modes when the painting is done.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

void paintCaption(HDC dc, const DialogSnapshot& view, SIZE window) {
    const RECT bar{kFrameWidth, kFrameWidth, window.cx - kFrameWidth,
                   kFrameWidth + kCaptionHeight - 1};
    fillRect(dc, bar,
             view.active ? GetSysColor(COLOR_ACTIVECAPTION) : GetSysColor(COLOR_BTNSHADOW));
    // The close box at the right end of the bar.
    const RECT close{bar.right - 2 - kCloseWidth, bar.top + 2, bar.right - 2,
                     bar.top + 2 + kCloseHeight};
    fillRect(dc, close, GetSysColor(COLOR_BTNFACE));
    buttonEdge(dc, close);
    drawPattern(dc, close.left + 4, close.top + 3, kCloseGlyph, 7);
    const HFONT font = dialogFont(view.fontFace, view.fontSize, true);
    const RECT textArea{bar.left + 3, bar.top, close.left - 2, bar.bottom};
    if (textArea.right <= textArea.left) {
        return;
    }
    HRGN clip = CreateRectRgnIndirect(&textArea);
    SelectClipRgn(dc, clip);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int y = bar.top + (bar.bottom - bar.top - lineHeight(font)) / 2;
    TextOutA(dc, textArea.left, y, view.caption.data(), static_cast<int>(view.caption.size()));
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

} // namespace

namespace zxw32 {

SIZE dialogWindowSize(HWND dialog) {
    const auto view = snapshotDialog(dialog);
    if (!view) {
        return SIZE{0, 0};
    }
    return windowSize(view->clientWidth, view->clientHeight);
}

void paintDialog(HWND dialog, HDC dc) {
    const auto view = snapshotDialog(dialog);
    if (!view || dc == nullptr) {
        return;
    }
    SavedDc saved(dc);
    const SIZE window = windowSize(view->clientWidth, view->clientHeight);
    fillRect(dc, RECT{0, 0, window.cx, window.cy}, GetSysColor(COLOR_BTNFACE));
    raisedEdge(dc, RECT{0, 0, window.cx, window.cy});
    paintCaption(dc, *view, window);
    const HFONT font = dialogFont(view->fontFace, view->fontSize);
    const POINT origin = clientOrigin();
    const RECT client{origin.x, origin.y, window.cx - kFrameWidth, window.cy - kFrameWidth};
    const ControlPainter painter{dc, font, lineHeight(font), origin, client};
    // Children are drawn from the bottom of their z-order up: the template's first control
    // lies on top.
    for (auto c = view->controls.rbegin(); c != view->controls.rend(); ++c) {
        paintControl(painter, *c);
    }
}

} // namespace zxw32
