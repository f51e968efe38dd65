// The equation sprite's Draw. The member's pane is painted into an off-screen bitmap (the
// background, every equation with its result, the variable panes) and copied onto the stage in
// one piece, so the stage never shows a half-drawn equation. The button pictures of the
// variable panes and the caret are put on the stage after the copy.
#include <algorithm>

#include "engine/button_registry.h"
#include "engine/equation_pane.h"
#include "equation_sprite.h"
#include "equation_sprite_state.h"
#include "gdi_draw_device.h"
#include "zxplugin/gdi_guards.h"

namespace formulon {
namespace {

using zx::equation::EquationPane;
using zx::equation::Panes;

// What Draw reads from the member, in the order it reads it.
struct MemberLook {
    int32_t paneId = 0;
    int32_t paneReady = 0;
    int32_t backColor = 0;
    int32_t textColor = 0;
    int32_t blackBorder = 0;
};

zx::Result readLook(zx::ActorRecord& actor, MemberLook& look) {
    const struct {
        const zx::MemberProperty<int32_t>& property;
        int32_t* out;
    } reads[] = {
        {kEquatPane, &look.paneId},        {kEquatInit, &look.paneReady},
        {kBackColor, &look.backColor},     {kTextColor, &look.textColor},
        {kBlackBorder, &look.blackBorder},
    };
    for (const auto& read : reads) {
        const zx::Result result = read.property.read(actor, read.out);
        if (result != zx::kOk) {
            return result;
        }
    }
    return zx::kOk;
}

// A script set "EquatInit" to 0: the sprite makes a fresh pane and hands it to the member. The
// member takes its own reference when it accepts the id, so the creation reference is dropped
// here; a pane the member did not take dies with it.
zx::Result createMemberPane(zx::ActorRecord& actor, int width, int height, int32_t* paneId) {
    const int32_t id = Panes().Create(width, height, 0, 0);
    if (EquationPane* pane = Panes().Find(id)) {
        pane->InitPane({2, 0, width, height});
    }
    zx::Result result = kEquatInit.write(actor, 1);
    if (result == zx::kOk) {
        result = kEquatPane.write(actor, id);
    }
    Panes().Release(id);
    *paneId = id;
    return result;
}

void fillBackground(HDC dc, int width, int height, const MemberLook& look) {
    // Without the border the null pen leaves the last column and row unpainted; the copy onto
    // the stage leaves them out as well.
    zx::Selection pen(dc, GetStockObject(look.blackBorder != 0 ? BLACK_PEN : NULL_PEN));
    zx::GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(look.backColor)));
    zx::Selection selectedBrush(dc, brush.get());
    Rectangle(dc, 0, 0, width, height);
}

// Lays out and paints the pane into the memory DC; the variable-pane buttons it meets are
// registered for painting after the copy.
void paintPane(EquationPane& pane, HDC target, HDC memory, int width, int height) {
    zx::Selection systemFont(target, GetStockObject(SYSTEM_FONT));
    pane.SetPaneRect({0, 0, width, height});
    pane.SetPaneOrigin(2.0, 0.0);
    zx::equation::Buttons().Clear();
    {
        GdiDrawDevice device(memory);
        zx::equation::DrawSurface surface(device);
        pane.DrawPane(surface);
    }
    zx::equation::Buttons().Rewind();
}

// Paints background and pane off screen and copies them onto the target. The pane that was
// painted, or null when the member names no live pane (only the background is painted then).
zx::Result paintOffscreen(zx::ActorRecord& actor, HDC target, const RECT& sprite, MemberLook& look,
                          EquationPane** painted) {
    *painted = nullptr;
    const int width = sprite.right - sprite.left;
    const int height = sprite.bottom - sprite.top;
    zx::OffscreenSurface surface(target, width, height);
    if (!surface) {
        return zx::kOk;
    }
    HDC memory = surface.dc();
    zx::ScopedTextAlign align(memory, TA_BOTTOM);
    fillBackground(memory, width, height, look);
    {
        zx::ScopedBkMode bkMode(memory, TRANSPARENT);
        zx::ScopedBkColor bkColor(memory, static_cast<COLORREF>(look.backColor));
        zx::ScopedTextColor textColor(memory, static_cast<COLORREF>(look.textColor));
        zx::GdiObject<HPEN> textPen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(look.textColor)));
        zx::Selection selectedPen(memory, textPen.get());
        if (look.paneReady == 0) {
            const zx::Result result = createMemberPane(actor, width, height, &look.paneId);
            if (result != zx::kOk) {
                return result;
            }
        }
        if (EquationPane* pane = Panes().Find(look.paneId)) {
            paintPane(*pane, target, memory, width, height);
            *painted = pane;
        }
    }
    const bool whole = look.blackBorder != 0;
    BitBlt(target, sprite.left, sprite.top, whole ? width : width - 1, whole ? height : height - 1,
           memory, 0, 0, SRCCOPY);
    return zx::kOk;
}

// The button pictures at the places where the pane laid their elements out. A button reaching
// over the sprite's right or bottom edge is cut at the sprite's edges.
void paintButtons(SpriteState& state, const RECT& clip, const zx::DrawRecord& record,
                  zx::DrawContext* context) {
    zx::equation::ButtonEntry entry;
    while (zx::equation::Buttons().Next(entry)) {
        // The registry comes from the layout; an index outside the four pictures is skipped.
        if (entry.picture < 0 || entry.picture >= kButtonPictures) {
            continue;
        }
        const zx::Picture& picture = state.buttons[entry.picture];
        if (!picture.hasValue) {
            continue;
        }
        const RECT size = zx::pictureRect(picture);
        const int w = size.right - size.left;
        const int h = size.bottom - size.top;
        const int left = state.rect.left + entry.x;
        const int top = state.rect.top + entry.y - h;
        if (left >= state.rect.right || top >= state.rect.bottom) {
            continue;
        }
        const zx::HostRect destination{top, left, top + h, left + w};
        if (left >= clip.left && top >= clip.top && left + w <= clip.right &&
            top + h <= clip.bottom) {
            zx::drawPicture(context, picture, destination, record);
            continue;
        }
        const zx::HostRect cut{std::max(top, static_cast<int>(clip.top)),
                               std::max(left, static_cast<int>(clip.left)),
                               std::min(top + h, static_cast<int>(clip.bottom)),
                               std::min(left + w, static_cast<int>(clip.right))};
        if (context == nullptr || cut.right <= cut.left || cut.bottom <= cut.top) {
            continue;
        }
        const zx::HostRect source{cut.top - top, cut.left - left, cut.bottom - top,
                                  cut.right - left};
        context->ops->drawPicture(context, &cut, &picture.value, &source,
                                  record.words[zx::kDrawInk], &record.words[zx::kDrawInkParams], 0);
    }
}

// The caret is recreated at every Draw while the sprite has the focus, at the caret position of
// the layout just made.
void placeCaret(SpriteState& state, const EquationPane* pane) {
    if (state.hasFocus == 0) {
        return;
    }
    DestroyCaret();
    if (pane == nullptr) {
        return;
    }
    const zx::equation::CaretBox caret = pane->CaretRect();
    if (caret.height > 0) {
        CreateCaret(state.window, nullptr, caret.width, caret.height);
        SetCaretPos(state.rect.left + caret.x, state.rect.top + caret.y - caret.height);
        ShowCaret(state.window);
    }
}

} // namespace

zx::Result drawEquationSprite(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                              zx::DrawContext* context) {
    MemberLook look;
    const zx::Result result = readLook(actor, look);
    if (result != zx::kOk) {
        return result;
    }
    SpriteState& state = spriteState(actor);
    state.rect = RECT{record.words[1], record.words[0], record.words[3], record.words[2]};

    zx::ScopedRop2 rop(dc, R2_COPYPEN);
    // The clip region takes 16-bit coordinates, as the stage's regions do.
    const RECT clip{static_cast<int16_t>(state.rect.left), static_cast<int16_t>(state.rect.top),
                    static_cast<int16_t>(state.rect.right),
                    static_cast<int16_t>(state.rect.bottom)};
    zx::ClipToRect clipped(dc, clip.left, clip.top, clip.right, clip.bottom);

    EquationPane* pane = nullptr;
    const zx::Result painted = paintOffscreen(actor, dc, state.rect, look, &pane);
    if (painted != zx::kOk) {
        return painted;
    }
    if (pane != nullptr) {
        paintButtons(state, clip, record, context);
    }
    placeCaret(state, pane);
    return zx::kOk;
}

} // namespace formulon
