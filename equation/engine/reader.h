// The reader of the equation text form: replays a string, one character code at a time, as
// editing steps on an element tree, starting after a given current element.
//
// Codes: "{" name "}" a function ("{F" name "}" likewise), "{S" chars "}" Symbol-font characters,
// "^"/"&" into the upper/lower group, "@" end of chain, ")" to the enclosing group, "(" "%" "["
// groups, "/" fraction, "$" delta, "~" accent, digits and ".", space ignored, characters 2/6/21/4
// move to prev/next/upper/lower, anything else a character element. The form has no errors.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "element.h"

namespace zx::equation {

class EquationReader {
public:
    EquationReader() = default;

    void SetCurrent(EquationElement* e);
    EquationElement* Current() const { return current_; }

    // One step. A no-op while current is null. Nothing is inserted once the line that holds
    // current has reached kMaxLineElements.
    void Feed(char c);
    // Feeds every character; returns the text's length.
    std::size_t FeedString(std::string_view text);

    bool InBraces() const { return inBraces_ != 0; }

private:
    void FeedCode(char c);
    void CloseBraces();
    // Inserts e after current and makes it current; e is destroyed when the line is full.
    void Insert(EquationElement* e);
    bool HasRoom(std::size_t added);
    void EndOfChain();

    EquationElement* current_ = nullptr;
    int inBraces_ = 0;
    std::string name_;
    int braceMode_ = 0; // 0 undecided, 1 function name, 2 Symbol-font characters
    // Elements of the line that holds current; counted when first needed after SetCurrent.
    std::size_t lineCount_ = 0;
    bool lineCounted_ = false;
};

// Reads text into the contents of group, after its last element; returns the reader's final
// current element.
EquationElement* ReadInto(GroupElement& group, std::string_view text);

// The text form of a group's contents (its first child's chain, ending with "@").
std::string ContentsText(const GroupElement& group);
// The text form of the chain starting at e.
std::string ChainText(const EquationElement& e);

} // namespace zx::equation
