// The equation pane's life and its small operations, the reset that writes the dependent names
// back, and the registry that hands scripts integer ids instead of pointers.
#include "equation_pane.h"

#include <algorithm>
#include <limits>
#include <string>

#include "definitions.h"
#include "editing.h"
#include "editing_mouse.h"
#include "group_element.h"
#include "member_rules.h"
#include "reader.h"

namespace zx::equation {

EquationPane::EquationPane(int width, int height, int left, int top) {
    rect_ = PaneRect{left, top, left + width, top + height};
    ctx_.rect = rect_;
}

EquationPane::~EquationPane() = default;

void EquationPane::InitPane(const PaneRect& rect) {
    rect_ = rect;
    ctx_.rect = rect;
    // The variable-pane buttons of the definition lines call back into the context.
    ctx_.paneHooks = ctx_.variables.paneHooks.get();
    if (!ctx_.equations.empty()) {
        return; // already initialised: a second call keeps the equations
    }
    GroupElement* first = ctx_.AppendLine(true);
    first->origin = Point{static_cast<double>(rect.left), static_cast<double>(rect.top)};
    first->start = first->origin;
    ctx_.SelectLine(first);
}

void EquationPane::SetPaneRect(const PaneRect& rect) {
    rect_ = rect;
    ctx_.rect = rect;
}

void EquationPane::SetPaneOrigin(double x, double y) {
    origin_ = Point{x, y};
}

void EquationPane::ClickAt(int x, int y) {
    zx::equation::ClickAt(ctx_, Point{static_cast<double>(x), static_cast<double>(y)});
}

void EquationPane::EndDrag() {
    zx::equation::EndDrag(ctx_);
}

void EquationPane::RestorePrefix() {
    GroupElement* line = ctx_.currentLine;
    if (ctx_.caret == nullptr || line == nullptr) {
        return;
    }
    // Only an emptied equation gets its prefix back; an empty definition line is left alone
    // (a reset there would wipe every definition).
    bool isEquation =
        std::find(ctx_.equations.begin(), ctx_.equations.end(), line) != ctx_.equations.end();
    if (isEquation && line->IsEmpty()) {
        ResetEquations(ctx_);
    }
}

void EquationPane::TypeChar(char c) {
    HandleKey(ctx_, static_cast<unsigned char>(c));
}

CaretBox EquationPane::CaretRect() const {
    return zx::equation::CaretRect(ctx_);
}

void EquationPane::ToggleBlink() {
    blink_ = blink_ != 0 ? 0 : 1;
    ctx_.blink = blink_;
}

void ResetEquations(EquationContext& ctx) {
    ClearDefinitions(ctx);
    ctx.variableTable.ClearNames();
    ClearEquations(ctx);
    for (std::size_t i = 0; i < ctx.equations.size() && i < 2; ++i) {
        const std::string& name = ctx.variables.dependentNames[i];
        // Without a dependent name there is no prefix: a lone "=" would leave the caret
        // behind the sign and every typed name on the wrong side of it.
        if (name.empty()) {
            continue;
        }
        EquationElement* last = ReadInto(*ctx.equations[i], name + "=");
        if (ctx.currentLine == ctx.equations[i]) {
            ctx.caret = last;
        }
    }
    ctx.FlattenCurrentLine();
}

// ---- registry ----

PaneRegistry::Slot* PaneRegistry::FindSlot(std::int32_t id) {
    auto it =
        std::find_if(slots_.begin(), slots_.end(), [id](const Slot& s) { return s.id == id; });
    return it == slots_.end() ? nullptr : &*it;
}

const PaneRegistry::Slot* PaneRegistry::FindSlot(std::int32_t id) const {
    auto it =
        std::find_if(slots_.begin(), slots_.end(), [id](const Slot& s) { return s.id == id; });
    return it == slots_.end() ? nullptr : &*it;
}

std::int32_t PaneRegistry::Create(int width, int height, int left, int top) {
    if (nextId_ == std::numeric_limits<std::int32_t>::max()) {
        return 0; // ids are never reused, and this one would be the last
    }
    bool first = slots_.empty();
    Slot slot;
    slot.id = nextId_++;
    slot.references = 1;
    slot.pane = std::make_unique<EquationPane>(width, height, left, top);
    std::int32_t id = slot.id;
    slots_.push_back(std::move(slot));
    if (first && firstCreated_ != nullptr) {
        firstCreated_();
    }
    return id;
}

EquationPane* PaneRegistry::Find(std::int32_t id) const {
    const Slot* slot = id > 0 ? FindSlot(id) : nullptr;
    return slot != nullptr ? slot->pane.get() : nullptr;
}

bool PaneRegistry::Acquire(std::int32_t id) {
    Slot* slot = id > 0 ? FindSlot(id) : nullptr;
    if (slot == nullptr) {
        return false;
    }
    ++slot->references;
    return true;
}

void PaneRegistry::Release(std::int32_t id) {
    Slot* slot = id > 0 ? FindSlot(id) : nullptr;
    if (slot == nullptr || --slot->references > 0) {
        return;
    }
    // The slot leaves the table before the pane is destroyed, so nothing the destruction
    // does can find it half gone.
    std::unique_ptr<EquationPane> doomed = std::move(slot->pane);
    slots_.erase(slots_.begin() + (slot - slots_.data()));
    doomed.reset();
    if (slots_.empty() && lastDestroyed_ != nullptr) {
        lastDestroyed_();
    }
}

std::size_t PaneRegistry::LiveCount() const {
    return slots_.size();
}

void PaneRegistry::SetLifetimeHooks(void (*firstCreated)(), void (*lastDestroyed)()) {
    firstCreated_ = firstCreated;
    lastDestroyed_ = lastDestroyed;
}

PaneRegistry& Panes() {
    static PaneRegistry registry;
    return registry;
}

} // namespace zx::equation
