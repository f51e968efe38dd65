// Fuzz target for the equation engine: the input's first byte splits it into a text that is read
// into a fresh line and inserted at the caret, and a sequence of key codes typed afterwards;
// whatever the keys leave is then evaluated and calculated. The trees are checked after every
// step; a broken tree or a compile that leaves a function pending aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "engine/editing.h"
#include "engine/elements.h"
#include "engine/equation_context.h"
#include "engine/evaluation.h"
#include "engine/module_state.h"
#include "engine/reader.h"
#include "engine/variables.h"

namespace {

using namespace zx::equation;

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void CheckChain(const EquationElement* head, const EquationElement* owner, bool groupChain,
                std::set<const EquationElement*>& seen) {
    const EquationElement* expected = owner;
    bool first = true;
    for (const EquationElement* e = head; e != nullptr; e = e->next()) {
        Require(seen.insert(e).second);
        Require(e->prev() == expected);
        Require(e->IsPlaceholder() == (first && groupChain));
        if (e->IsGroup()) {
            Require(e->FirstChild() != nullptr);
            CheckChain(e->FirstChild(), e, true, seen);
        }
        for (const EquationElement* g : {e->upper(), e->lower()}) {
            if (g != nullptr) {
                Require(g->IsGroup() && e->next() != g);
                CheckChain(g, e, false, seen);
            }
        }
        expected = e;
        first = false;
    }
}

void CheckLine(const GroupElement* root) {
    std::set<const EquationElement*> seen;
    Require(root->prev() == nullptr);
    CheckChain(root, nullptr, false, seen);
    Require(seen.size() <= kMaxLineElements);
}

void CheckContext(const EquationContext& ctx) {
    for (const GroupElement* line : ctx.lines) {
        CheckLine(line);
    }
    Require(ctx.selectionAnchor == nullptr);
    if (ctx.caret != nullptr) {
        Require(ctx.currentLine != nullptr);
        Require(LineRoot(ctx.caret) == ctx.currentLine);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t split = std::min<std::size_t>(data[0], size - 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), split);
    const std::string_view keys(reinterpret_cast<const char*>(data + 1 + split), size - 1 - split);

    // Reading and writing: the written form reads back to a fixed point.
    {
        LinePtr root(new GroupElement);
        ReadInto(*root, text);
        CheckLine(root.get());
        const std::string written = ContentsText(*root);
        LinePtr again(new GroupElement);
        ReadInto(*again, written);
        CheckLine(again.get());
        const std::string rewritten = ContentsText(*again);
        LinePtr third(new GroupElement);
        ReadInto(*third, rewritten);
        Require(ContentsText(*third) == rewritten);
    }

    // Editing: the text inserted at the caret, then the keys.
    EquationContext ctx;
    ctx.SelectLine(ctx.AppendLine(true));
    InsertString(ctx, text);
    CheckContext(ctx);
    for (char k : keys) {
        const auto code = static_cast<unsigned char>(k);
        if (code == 0xFF) {
            Paste(ctx);
        } else if (code == 0xFE) {
            ClearLine(ctx);
        } else if (code == 0xFD && !ctx.lineElements.Empty()) {
            ctx.caret = ctx.lineElements[ctx.lineElements.Count() / 2];
        } else {
            HandleKey(ctx, code);
        }
        CheckContext(ctx);
    }

    // Evaluation of what the editing left behind.
    RefreshVariables(ctx);
    for (GroupElement* equation : ctx.equations) {
        (void)EvaluateEquation(ctx, equation);
        Require(Module().pendingFunction == nullptr);
    }
    CalculateEquations(ctx);
    Require(Module().pendingFunction == nullptr);
    CheckContext(ctx);
    return 0;
}
