// The element tree of an equation: the common base of every element kind, its two link records,
// the flattened element list, and the free-standing tree operations (destroying a subtree,
// cloning a run with its links re-pointed, the owner test, the enclosing-group walk).
//
// Shape of the tree: elements side by side form a chain (next/prev). A group owns a chain of its
// own through its first child, always headed by a placeholder whose prev is the group. Any
// element may carry an upper and a lower attached group whose prev is that element. So prev is
// the left neighbour, except for the head of a chain, whose prev is its owner (the group whose
// contents it heads, or the element its group is attached to); a root group has no prev.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zx::equation {

class EquationElement;
class GroupElement;
class EquationContext;
class ExprNode;    // expression node of the evaluation engine (expr_node.h)
class DrawSurface; // layout and painting surface (drawing side, built with the pane painter)

struct Point {
    double x = 0.0;
    double y = 0.0;
};

enum ElementKind : std::int32_t {
    kCharKind = 0,
    kGroupKind = 1,
    kHoleKind = 2,
    kDeltaKind = 3,
    kFractionKind = 4,
    kDigitKind = 5,
    kPlaceholderKind = 6,
    kFunctionKind = 7,
    kTextKind = 8,
    kSymbolKind = 9,
    kUnitTextKind = 10,
    kVariableButtonKind = 11,
    kPaneToggleKind = 12,
    kArgumentNameKind = 13,
};

// An equation line never holds more than this many elements. Every walk over a line (drawing,
// writing, compiling, collecting) recurses per element and per nesting level, so the cap bounds
// the stack; keys and the reader insert nothing more once a line is full. A stored text of 255
// characters can never reach it.
inline constexpr std::size_t kMaxLineElements = 500;

// The Symbol-font characters the text form and the editor use.
inline constexpr char kSymbolTimes = static_cast<char>(0xB4);
inline constexpr char kSymbolRightArrow = static_cast<char>(0xAE);

// Chain neighbours; allocated with every element and never null after construction.
struct ChainLink {
    EquationElement* next = nullptr;
    EquationElement* prev = nullptr;
};

// Attached groups: superscript/subscript, or numerator/denominator of a fraction.
struct AttachmentPair {
    EquationElement* upper = nullptr;
    EquationElement* lower = nullptr;
};

// A flattened subtree in pre-order (self, group contents, upper, lower, next). It grows as
// needed: a fixed list would overflow and then leak or double-free what did not fit.
class ElementList {
public:
    void Append(EquationElement* e) { items_.push_back(e); }
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    EquationElement* operator[](std::size_t i) const { return items_[i]; }
    EquationElement* Last() const { return items_.empty() ? nullptr : items_.back(); }
    void Clear() { items_.clear(); }
    // Index of e in the list, or Count() when absent.
    std::size_t IndexOf(const EquationElement* e) const;
    bool Contains(const EquationElement* e) const { return IndexOf(e) < Count(); }
    // Calls Destroy on every entry in list order and empties the list.
    void DestroyAll();
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<EquationElement*> items_;
};

// Variable names reported by CollectNames, in order of first report, each at most once.
using NameList = std::vector<std::string>;

class EquationElement {
public:
    EquationElement();
    EquationElement(const EquationElement&) = delete;
    EquationElement& operator=(const EquationElement&) = delete;

    // ---- virtual operations, in the order of the operation table ----

    // Lays out and (while the paint flag is set) paints this element, its attachments and the rest
    // of the chain, advancing pen. Layout and painting live with the pane painter; the engine's
    // default does nothing.
    virtual void Draw(DrawSurface& dc, Point& pen);
    // New element of the same kind, tag and payload. Link pointers and attachments are copied as
    // pointers (CloneRun re-points them); owned parts (accent, enclosure, result text, an argument
    // name's group) are deep copies, so destroying a clone never frees the original's parts.
    virtual EquationElement* Clone() const;
    // Appends this element, its group contents, its upper group, its lower group, then the rest of
    // the chain.
    virtual void Collect(ElementList& list);
    // Grows the corners by this element's extent and the rest of the chain. Drawing side.
    virtual void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen);
    virtual double Height() const { return height; }
    virtual void SetFirstChild(EquationElement* e);
    virtual EquationElement* FirstChild() const;
    virtual void Destroy();
    // Appends the key by which this element is known as a variable: "$" after a delta, the tag
    // ("{S" tag "}" for a Symbol-font letter), "&" and the subscript's text form, "~" for an
    // accent.
    virtual void VariableName(std::string& text) const;
    // Leftmost element of the term that ends here (the fraction key's numerator).
    virtual EquationElement* TermStart();
    virtual double Distance(Point p) const;
    virtual bool ContainsDevicePoint(int px, int py) const;
    virtual bool ContainsPoint(Point p) const;
    // Hands this element to the expression builder after node `after`, then the rest of the chain.
    // The bodies of every Compile live in compile_*.cpp (evaluation side).
    virtual void Compile(ExprNode* after);
    // The group this element stands in: the element itself when it is a group, otherwise the
    // owner of the head of its chain (ContainingGroup). Null for a detached run.
    virtual EquationElement* EnclosingGroup();
    // Appends the text form of this element and the rest of its chain (writer.cpp).
    virtual void WriteText(std::string& text) const;
    // Reports variable names to the collector, chain-recursively. Bodies in compile_*.cpp.
    virtual void CollectNames(NameList& names);
    // Splices e into the chain right after this element (into an empty group: as its first child).
    virtual void InsertAfter(EquationElement* e);
    virtual Point EndPoint() const { return end; }
    // Draws the upper and lower groups one size level smaller. Drawing side.
    virtual void DrawAttachments(DrawSurface& dc);
    virtual ~EquationElement();

    // ---- link access ----
    EquationElement* next() const { return link->next; }
    EquationElement* prev() const { return link->prev; }
    EquationElement* upper() const { return attachments ? attachments->upper : nullptr; }
    EquationElement* lower() const { return attachments ? attachments->lower : nullptr; }
    // Creates the attachment pair when missing.
    AttachmentPair& Attachments();
    // Clears the upper or lower pointer and frees the pair when both are null.
    void DetachUpper();
    void DetachLower();
    // Replaces the accent (the old one is destroyed); null removes it.
    void SetAccent(EquationElement* a);
    bool IsGroup() const { return kind == kGroupKind; }
    bool IsPlaceholder() const { return kind == kPlaceholderKind; }
    // Appends this element's attachments and accent codes ("^" upper, "&" lower, "~") to text.
    void WriteAttachments(std::string& text) const;
    // Appends the rest of the chain, or the end-of-chain code "@" when this element is the last.
    void WriteNext(std::string& text) const;
    // Appends this element, its group contents and attachments, but not the rest of its chain.
    void CollectSubtree(ElementList& list);

    // ---- fields ----
    AttachmentPair* attachments = nullptr;
    // Points at the element's own link record, which lives inside the element: every element has
    // one for its whole life, so a separate allocation would only cost time.
    ChainLink* link = &ownLink_;
    std::int32_t kind = kCharKind;
    Point start;
    Point end;
    std::int32_t height = 0;
    char tag = '?';
    std::int32_t editable = 1;
    EquationElement* accent = nullptr;
    Point lowerAnchor;
    Point upperAnchor;

private:
    ChainLink ownLink_;

protected:
    // Copies tag, kind, editable, geometry, link and attachment pointers (as pointers) and a deep
    // copy of the accent into a freshly constructed clone.
    void CopyBaseInto(EquationElement& clone) const;
};

// Operator characters: they are spaced and compiled as operators and never name a variable.
bool IsOperatorTag(char c);
bool IsRelationTag(char c); // '<', '=', '>'

// Owner test: the element g's prev is its owner (not its left neighbour) when it is null or its
// next is not g.
bool PrevIsOwner(const EquationElement& g);

// The group whose chain holds e: walks left along the chain to its head and returns the head's
// owner when that is a group. Groups standing to the left of e are stepped over, not taken for
// the enclosing group. The walk stops at null (clones and detached runs have no owner), so the
// result is null for a root group or a detached run.
GroupElement* ContainingGroup(const EquationElement* e);

// The group whose chain e stands in, for stepping out of that chain: a group that is not
// attached (a root, or an inline group standing in its outer chain) counts as standing in the
// chain that holds it, so for an inline group this is the group around it and for a root group
// the root itself; an attached group is returned as itself (its owner is the way out); any other
// element gives ContainingGroup(e).
EquationElement* HoldingGroup(EquationElement* e);

// Where an element inserted "after" e goes. A group that does not stand in a chain (a line's root,
// an attached group) takes it at the end of its contents: a right neighbour of such a group would
// be drawn as part of it, but is written where the reader puts it elsewhere (or, for a root, not
// at all), so stored equations would change on reloading. Any other element is itself the point.
EquationElement* InsertionPoint(EquationElement* e);

// False for a group that stands in no chain (a root or an attached group): the text form writes
// such a group's attachments after its contents, where the reader gives them to the group's owner
// instead, so "^" and "&" leave it alone.
bool CanCarryAttachments(const EquationElement& e);

// The root group of the line that holds e (the top of the owner walk), or null for a detached run.
GroupElement* LineRoot(EquationElement* e);

// Number of elements of e with its contents and attachments (not its right neighbours).
std::size_t SubtreeSize(EquationElement* e);

// Number of elements of the tree under root (root, its contents, attachments, and its right
// neighbours).
std::size_t CountElements(EquationElement* root);

// Destroys root with its contents, attachments and the rest of its chain.
void DestroyChain(EquationElement* root);
// Destroys e with its group contents and attachments, leaving its right neighbours alone. The
// caller unlinks e first.
void DestroySubtree(EquationElement* e);

// Puts replacement into old's place: its chain links (the neighbours, or the owning group's first
// child, re-pointed), old's attachments (their prev re-pointed) and old's accent. old keeps no
// links afterwards; the caller destroys it.
void TakePlace(EquationElement* old, EquationElement* replacement);

// Takes e out of its chain, linking its left neighbour (or owning group) to its right neighbour.
// e keeps its attachments; its own links are cleared.
void Unlink(EquationElement* e);

// Clones source[first .. first+count) into clones. Every link (next, prev, first child, upper,
// lower) of a clone that points to an element of the range is re-pointed to that element's clone;
// every link that points outside the range is cleared, so the clones share nothing with the
// originals.
void CloneRun(const ElementList& source, std::size_t first, std::size_t count, ElementList& clones);
// Deep copy of e with its contents and attachments (not its right neighbours); prev and next null.
EquationElement* CloneSubtree(EquationElement* e);

} // namespace zx::equation
