// Test support for element trees: the structural invariant checker used after every operation,
// and helpers that build a line from its text form and write it back.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "engine/editing.h"
#include "engine/elements.h"
#include "engine/equation_context.h"
#include "engine/reader.h"

namespace zx::equation::testing {

class TreeChecker {
public:
    // Checks the tree under root: root is a group without prev; every element has its link; every
    // chain neighbour points back; every group heads its contents with exactly one placeholder
    // whose prev is the group; every attached group is a group whose prev is its owner and which is
    // not the owner's next; no element is reachable twice; placeholders stand only at chain heads.
    ::testing::AssertionResult Check(const EquationElement* root) {
        seen_.clear();
        error_.str("");
        if (root == nullptr) {
            return ::testing::AssertionFailure() << "null root";
        }
        if (!root->IsGroup() || root->prev() != nullptr) {
            return ::testing::AssertionFailure() << "root is not a detached group";
        }
        Chain(root, nullptr, false);
        if (!error_.str().empty()) {
            return ::testing::AssertionFailure() << error_.str();
        }
        return ::testing::AssertionSuccess();
    }
    std::size_t Count() const { return seen_.size(); }
    bool Contains(const EquationElement* e) const { return seen_.count(e) != 0; }

private:
    void Fail(const std::string& what) {
        if (error_.str().empty()) {
            error_ << what;
        }
    }

    void Chain(const EquationElement* head, const EquationElement* owner, bool isHead) {
        const EquationElement* expectedPrev = owner;
        bool first = true;
        for (const EquationElement* e = head; e != nullptr; e = e->next()) {
            if (!error_.str().empty()) {
                return;
            }
            if (e->link == nullptr) {
                return Fail("element without link");
            }
            if (!seen_.insert(e).second) {
                return Fail(std::string("element reachable twice, tag ") + e->tag);
            }
            if (e->prev() != expectedPrev) {
                return Fail(std::string("prev mismatch at tag ") + e->tag);
            }
            if (e->IsPlaceholder() != (first && isHead)) {
                return Fail("placeholder not at the head of a group chain");
            }
            Element(e);
            expectedPrev = e;
            first = false;
        }
    }

    void Element(const EquationElement* e) {
        if (e->IsGroup()) {
            const EquationElement* child = e->FirstChild();
            if (child == nullptr || !child->IsPlaceholder()) {
                return Fail("group without placeholder");
            }
            Chain(child, e, true);
        } else if (e->FirstChild() != nullptr) {
            return Fail("non-group with contents");
        }
        for (const EquationElement* g : {e->upper(), e->lower()}) {
            if (g == nullptr) {
                continue;
            }
            if (!g->IsGroup()) {
                return Fail("attachment is not a group");
            }
            if (e->next() == g) {
                return Fail("attached group is also the next element");
            }
            Chain(g, e, false);
        }
        if (e->accent != nullptr &&
            (e->accent->prev() != nullptr || e->accent->next() != nullptr)) {
            Fail("accent linked into a chain");
        }
    }

    std::set<const EquationElement*> seen_;
    std::ostringstream error_;
};

inline ::testing::AssertionResult TreeIsSound(const EquationElement* root) {
    TreeChecker checker;
    return checker.Check(root);
}

// Also checks the editing state: caret and current line belong together, nothing points at a
// freed element, the selection anchor is clear between operations.
inline ::testing::AssertionResult ContextIsSound(const EquationContext& ctx) {
    for (const GroupElement* line : ctx.lines) {
        auto result = TreeIsSound(line);
        if (!result) {
            return result;
        }
    }
    if (ctx.selectionAnchor != nullptr) {
        return ::testing::AssertionFailure() << "selection anchor left set";
    }
    if (ctx.currentLine != nullptr && !ctx.IsLine(ctx.currentLine)) {
        return ::testing::AssertionFailure() << "current line is not a line";
    }
    if (ctx.caret != nullptr) {
        if (ctx.currentLine == nullptr) {
            return ::testing::AssertionFailure() << "caret without current line";
        }
        TreeChecker checker;
        checker.Check(ctx.currentLine);
        if (!checker.Contains(ctx.caret)) {
            return ::testing::AssertionFailure() << "caret outside the current line";
        }
    }
    return ::testing::AssertionSuccess();
}

// A fresh root group holding the text read into it. Destroy with DestroyChain.
inline GroupElement* ReadLine(std::string_view text) {
    auto* root = new GroupElement;
    ReadInto(*root, text);
    return root;
}

inline std::string Written(const GroupElement& root) {
    return ContentsText(root);
}

// The text form of text after reading it into an empty root group.
inline std::string RoundTrip(std::string_view text) {
    LinePtr root(ReadLine(text));
    return Written(*root);
}

// A context with one empty equation line, current, caret on its placeholder.
struct EditingFixture : ::testing::Test {
    EditingFixture() {
        line = ctx.AppendLine(true);
        ctx.SelectLine(line);
    }
    void Type(std::string_view keys) {
        for (char c : keys) {
            HandleKeyChecked(static_cast<unsigned char>(c));
        }
    }
    void HandleKeyChecked(int code) {
        HandleKey(ctx, code);
        ASSERT_TRUE(ContextIsSound(ctx)) << "after key " << code;
    }
    std::string Text() const { return ctx.currentLine ? Written(*ctx.currentLine) : "<none>"; }
    // The text form of the caret element alone (its tag, or '?' for a placeholder).
    char CaretTag() const { return ctx.caret ? ctx.caret->tag : '\0'; }

    EquationContext ctx;
    GroupElement* line = nullptr;
};

} // namespace zx::equation::testing
