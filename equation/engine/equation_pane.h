// The equation pane: the editor a cast member owns. It holds the editing context (equations,
// caret, variable lists), the rectangle it is drawn into and the blink flag, and offers the
// operations the member and the sprite call: drawing, caret placement by the mouse, the caret's
// rectangle, keys, and the reset that writes the dependent names back.
//
// Scripts see a pane only as an integer id (the member's "EquatPane" property). The registry
// maps ids to live panes and counts references, so an id a script writes can never reach freed
// memory: an id that names no live pane is simply not found.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "draw_surface.h"
#include "element.h"
#include "equation_context.h"

namespace zx::equation {

struct CaretBox {
    int x = 0; // baseline point of the caret, device units
    int y = 0;
    int width = 0; // 0 by 0: no caret
    int height = 0;
};

class EquationPane {
public:
    // Rectangle (left, top, left + width, top + height); blink flag 0; no lines yet.
    EquationPane(int width, int height, int left, int top);
    ~EquationPane();
    EquationPane(const EquationPane&) = delete;
    EquationPane& operator=(const EquationPane&) = delete;

    // Makes the root group of equation 1 at the rectangle's left-top corner and gives the
    // context the rectangle. Further equations come from the equation count.
    void InitPane(const PaneRect& rect);
    void SetPaneRect(const PaneRect& rect);
    // Pen start of the first line.
    void SetPaneOrigin(double x, double y);
    // Lays out and paints every equation, its result text and the variable lines; registers
    // the variable-pane buttons it paints in Buttons().
    void DrawPane(DrawSurface& surface);
    // Places the caret at the element nearest to (x, y) (relative to the sprite's top-left
    // corner), activating variable-pane elements clicked inside an open pane.
    void ClickAt(int x, int y);
    void EndDrag();
    // When the current equation is empty and there is a caret: ResetEquations.
    void RestorePrefix();
    // The editor's key handling for one character that passed the sprite's key filter.
    void TypeChar(char c);
    // Where the sprite draws the caret (geometry of the last DrawPane).
    CaretBox CaretRect() const;
    // Flips the blink flag and copies it into the context.
    void ToggleBlink();

    EquationContext& context() { return ctx_; }
    const EquationContext& context() const { return ctx_; }
    const PaneRect& rect() const { return rect_; }
    Point origin() const { return origin_; }
    std::int32_t blink() const { return blink_; }

private:
    EquationContext ctx_;
    PaneRect rect_;
    Point origin_;
    std::int32_t blink_ = 0;
};

// The "Reset" of a member: clears the definitions, the variable table and every equation, then
// writes each equation's dependent variable name back at its start, followed by '='.
void ResetEquations(EquationContext& ctx);

// Live panes by id. Ids start at 1 and are never reused; 0 names no pane.
class PaneRegistry {
public:
    // A new pane with one reference, held by the caller.
    std::int32_t Create(int width, int height, int left, int top);
    // The live pane of an id, or null.
    EquationPane* Find(std::int32_t id) const;
    // One more reference; false (nothing changes) when id names no live pane.
    bool Acquire(std::int32_t id);
    // One reference less; the pane is destroyed with its last reference. Unknown ids are ignored.
    void Release(std::int32_t id);
    std::size_t LiveCount() const;

    // Called when the first pane comes to life and after the last one was destroyed (the plug-in
    // creates its fonts once and deletes them with the last pane).
    void SetLifetimeHooks(void (*firstCreated)(), void (*lastDestroyed)());

private:
    struct Slot {
        std::int32_t id = 0;
        int references = 0;
        std::unique_ptr<EquationPane> pane;
    };
    Slot* FindSlot(std::int32_t id);
    const Slot* FindSlot(std::int32_t id) const;

    std::vector<Slot> slots_;
    std::int32_t nextId_ = 1;
    void (*firstCreated_)() = nullptr;
    void (*lastDestroyed_)() = nullptr;
};

// The module's one registry.
PaneRegistry& Panes();

} // namespace zx::equation
