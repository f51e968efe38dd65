// The edit control's text editing and the static texts' word wrapping, called directly.
#include "user/edit_text.h"
#include "user/text_wrap.h"

#include <gtest/gtest.h>

namespace {

using zxw32::user::EditKey;
using zxw32::user::editKey;
using zxw32::user::EditSelection;
using zxw32::user::insertText;
using zxw32::user::wrapLines;

struct Edit {
    std::string text;
    EditSelection selection;
    Edit& key(EditKey k, bool shift = false) {
        editKey(text, selection, k, shift);
        return *this;
    }
    Edit& type(const char* typed) {
        insertText(text, selection, typed);
        return *this;
    }
};

TEST(EditText, TypingReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    Edit e{"255", {}};
    e.key(EditKey::SelectAll).type("12");
    EXPECT_EQ(e.text, "12");
    EXPECT_EQ(e.selection.caret, 2u);
    EXPECT_TRUE(e.selection.empty());
    e.key(EditKey::Home).type("-");
    EXPECT_EQ(e.text, "-12");
    EXPECT_EQ(e.selection.caret, 1u);
}

TEST(EditText, ControlCharactersAreNotTyped) {
    Edit e{"ab", {1, 1}};
    EXPECT_FALSE(insertText(e.text, e.selection, "\t\r\n\x7F"));
    e.type("x\ty\xE9"); // cp1252 e-acute is a character like any other
    EXPECT_EQ(e.text, "axy\xE9"
                      "b");
}

TEST(EditText, BackspaceAndDeleteRemoveOneCharacterOrTheSelection) {
    Edit e{"12345", {3, 3}};
    e.key(EditKey::Backspace);
    EXPECT_EQ(e.text, "1245");
    EXPECT_EQ(e.selection.caret, 2u);
    e.key(EditKey::Delete);
    EXPECT_EQ(e.text, "125");
    e.key(EditKey::Left, true).key(EditKey::Left, true).key(EditKey::Delete);
    EXPECT_EQ(e.text, "5");
    EXPECT_EQ(e.selection.caret, 0u);
    // Nothing before the start or after the end to remove.
    EXPECT_FALSE(editKey(e.text, e.selection, EditKey::Backspace, false));
    e.key(EditKey::End);
    EXPECT_FALSE(editKey(e.text, e.selection, EditKey::Delete, false));
    EXPECT_EQ(e.text, "5");
}

TEST(EditText, ArrowsCollapseASelectionToItsSideAndShiftExtendsIt) {
    Edit e{"hello", {1, 4}};
    e.key(EditKey::Left);
    EXPECT_EQ(e.selection.caret, 1u);
    EXPECT_TRUE(e.selection.empty());
    e.selection = {1, 4};
    e.key(EditKey::Right);
    EXPECT_EQ(e.selection.caret, 4u);
    EXPECT_TRUE(e.selection.empty());
    e.key(EditKey::Home, true);
    EXPECT_EQ(e.selection.start(), 0u);
    EXPECT_EQ(e.selection.end(), 4u);
    e.key(EditKey::End, true);
    EXPECT_EQ(e.selection.start(), 4u);
    EXPECT_EQ(e.selection.end(), 5u);
    // The caret stops at both ends.
    EXPECT_FALSE(editKey(e.text, e.selection, EditKey::Right, true));
    e.key(EditKey::Home);
    EXPECT_FALSE(editKey(e.text, e.selection, EditKey::Left, false));
}

// A procedure may shorten the text under a selection (SetDlgItemTextA); the next key works
// on the text as it is now.
TEST(EditText, ASelectionPastAShortenedTextIsHeldInside) {
    Edit e{"1", {2, 7}};
    e.key(EditKey::Backspace);
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.selection.caret, 0u);
}

int widthOf(std::string_view text) {
    return static_cast<int>(text.size()) * 5;
}

TEST(TextWrap, BreaksAtSpacesBeforeTheWidthAndAtLineFeeds) {
    EXPECT_EQ(wrapLines("0-No Trace, 1-LowerLeft", 60, widthOf),
              (std::vector<std::string>{"0-No Trace,", "1-LowerLeft"}));
    EXPECT_EQ(wrapLines("one\ntwo three", 100, widthOf),
              (std::vector<std::string>{"one", "two three"}));
    EXPECT_EQ(wrapLines("", 100, widthOf), (std::vector<std::string>{""}));
}

TEST(TextWrap, AWordWiderThanTheControlStandsAlone) {
    EXPECT_EQ(wrapLines("a UnSelectedPenStyle b", 40, widthOf),
              (std::vector<std::string>{"a", "UnSelectedPenStyle", "b"}));
}

} // namespace
