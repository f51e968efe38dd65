// Every kind's real properties dialog used through libw32's dialog manager, as the player
// uses it: painted (compared with tests/golden/dialogs/), typed into, clicked, tabbed through,
// confirmed with Enter or OK and dismissed with Escape or Cancel. The outcome is read back
// through the host, so the kind's own dialog procedure decides what OK applies.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <zxw32/dialog_view.h>

#include <zxhost/host.h>
#include <zxhost/member.h>

#include "dialog_testing.h"
#include "golden_image.h"

namespace {

using zxtest::centreOf;
using zxtest::click;

void key(HWND dialog, UINT virtualKey, int times = 1, bool shift = false) {
    for (int i = 0; i < times; ++i) {
        zxw32::dialogKey(dialog, virtualKey, shift, false);
    }
}

// Tabs until the control has the focus; false when it never comes.
bool tabTo(HWND dialog, int id) {
    for (int i = 0; i < 100 && GetDlgCtrlID(GetFocus()) != id; ++i) {
        key(dialog, VK_TAB);
    }
    return GetDlgCtrlID(GetFocus()) == id;
}

std::string text(HWND dialog, int id) {
    char buffer[128] = "";
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

bool checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

using Painting = zxtest::DialogPainting;

class KindDialog : public ::testing::Test {
protected:
    zxhost::Host host{{ZX_BINARY_DIR "/bin"}};

    // Opens the member's dialog and hands it to `play`; if the dialog is still open
    // afterwards it is cancelled. Returns whether the dialog opened.
    bool use(zxhost::Member& member, const std::function<void(HWND)>& play) {
        bool opened = false;
        const int32_t code = member.showDialog([&](HWND dialog) {
            opened = true;
            play(dialog);
            return IDCANCEL;
        });
        EXPECT_EQ(code, 0);
        return opened;
    }
    zxhost::Value property(zxhost::Member& member, const std::string& name) {
        const zxhost::CallResult r = member.getProp(name);
        EXPECT_TRUE(r.ok()) << name;
        return r.value;
    }
};

TEST_F(KindDialog, EveryDialogLooksAsItsGoldenImage) {
    for (const char* kind :
         {"formulon", "plotmark", "glidebar", "dialgauge", "tallydisc", "gridcell"}) {
        zxhost::Member& member = host.newMember(kind, kind);
        EXPECT_TRUE(use(member, [&](HWND dialog) {
            Painting painting(dialog);
            EXPECT_EQ(compareDcWithGolden(painting.dc(), std::string("dialogs/") + kind), "")
                << kind;
        })) << kind;
    }
    zxhost::Member& keypad = host.newMember("keypadix", "keypad");
    EXPECT_FALSE(use(keypad, [](HWND) {}));
}

// One edit of each kind, reached with Tab (which selects its text), typed over and applied
// with Enter.
TEST_F(KindDialog, TypingOverATabbedEditAndEnterApplyTheValue) {
    struct Case {
        const char* kind;
        int edit;
        const char* typed;
        const char* property;
        zxhost::Value expected;
    };
    const Case cases[] = {
        {"glidebar", 1005, "0.75", "Value", 0.75},
        {"dialgauge", 1001, "250", "XMax", int32_t{250}},
        {"formulon", 1010, "2", "NumEquations", int32_t{2}},
        {"tallydisc", 1002, "200", "ForeColorLeft", int32_t{200}},
        {"plotmark", 1021, "Time", "XLabelString", "Time"},
        {"gridcell", 1000, "4", "MaxRows", int32_t{4}},
    };
    for (const Case& c : cases) {
        zxhost::Member& member = host.newMember(c.kind, c.kind);
        use(member, [&](HWND dialog) {
            ASSERT_TRUE(tabTo(dialog, c.edit)) << c.kind;
            EXPECT_TRUE(zxw32::dialogText(dialog, c.typed));
            EXPECT_EQ(text(dialog, c.edit), c.typed) << c.kind;
            EXPECT_TRUE(zxw32::dialogKey(dialog, VK_RETURN, false, false));
            INT_PTR result = 0;
            EXPECT_TRUE(zxw32::dialogEnded(dialog, &result)) << c.kind;
            EXPECT_EQ(result, 1) << c.kind;
        });
        EXPECT_EQ(property(member, c.property), c.expected) << c.kind;
    }
}

TEST_F(KindDialog, EditingKeysShapeTheTextThatOkApplies) {
    zxhost::Member& table = host.newMember("gridcell", "table");
    const int fontName = 1015;
    use(table, [&](HWND dialog) {
        click(dialog, fontName); // the caret lands in the text, nothing selected
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), fontName);
        zxw32::dialogKey(dialog, 'A', false, true);
        zxw32::dialogText(dialog, "Timez Roman");
        key(dialog, VK_LEFT, 6);
        key(dialog, VK_BACK);
        zxw32::dialogText(dialog, "s New");
        EXPECT_EQ(text(dialog, fontName), "Times New Roman");
        key(dialog, VK_HOME);
        key(dialog, VK_DELETE);
        EXPECT_EQ(text(dialog, fontName), "imes New Roman");
        zxw32::dialogText(dialog, "T");
        key(dialog, VK_END);
        key(dialog, VK_LEFT, 5, true);
        zxw32::dialogText(dialog, "Sans");
        EXPECT_EQ(text(dialog, fontName), "Times New Sans");
        click(dialog, IDOK);
    });
    EXPECT_EQ(property(table, "xFontName"), zxhost::Value("Times New Sans"));
}

TEST_F(KindDialog, ClickedBoxesAndRadiosAreWhatOkStores) {
    zxhost::Member& equation = host.newMember("formulon", "equation");
    const int blackBorder = 1006, showIndepVars = 1008, radians = 1011, degrees = 1012;
    use(equation, [&](HWND dialog) {
        EXPECT_FALSE(checked(dialog, blackBorder));
        EXPECT_TRUE(checked(dialog, showIndepVars));
        click(dialog, blackBorder);
        click(dialog, showIndepVars);
        EXPECT_TRUE(checked(dialog, blackBorder));
        EXPECT_FALSE(checked(dialog, showIndepVars));
        key(dialog, VK_SPACE); // the box just clicked has the focus
        EXPECT_TRUE(checked(dialog, showIndepVars));
        click(dialog, degrees);
        EXPECT_FALSE(checked(dialog, radians));
        EXPECT_TRUE(checked(dialog, degrees));
        click(dialog, IDOK);
    });
    EXPECT_EQ(property(equation, "BlackBorder"), zxhost::Value(int32_t{1}));
    EXPECT_EQ(property(equation, "ShowIndepVars"), zxhost::Value(int32_t{1}));
    EXPECT_EQ(property(equation, "AngleUnits"), zxhost::Value(int32_t{1}));

    zxhost::Member& table = host.newMember("gridcell", "table");
    use(table, [&](HWND dialog) {
        click(dialog, 1024);
        EXPECT_FALSE(checked(dialog, 1022));
        EXPECT_FALSE(checked(dialog, 1023));
        key(dialog, VK_RETURN);
    });
    EXPECT_EQ(property(table, "TypeHAlign"), zxhost::Value(int32_t{2}));
}

TEST_F(KindDialog, TabAndShiftTabFollowTheTemplate) {
    zxhost::Member& gauge = host.newMember("dialgauge", "gauge");
    use(gauge, [&](HWND dialog) {
        std::vector<int> order{GetDlgCtrlID(GetFocus())};
        for (int i = 0; i < 18; ++i) {
            key(dialog, VK_TAB);
            order.push_back(GetDlgCtrlID(GetFocus()));
        }
        std::vector<int> expected;
        for (int id = 1000; id <= 1015; ++id) {
            expected.push_back(id);
        }
        expected.insert(expected.end(), {IDOK, IDCANCEL, 1000});
        EXPECT_EQ(order, expected);
        key(dialog, VK_TAB, 2, true);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK);
    });
}

TEST_F(KindDialog, EscapeAndCancelChangeNothing) {
    zxhost::Member& gauge = host.newMember("dialgauge", "gauge");
    const std::vector<uint8_t> before = gauge.save();
    use(gauge, [&](HWND dialog) {
        ASSERT_TRUE(tabTo(dialog, 1001));
        zxw32::dialogText(dialog, "999");
        key(dialog, VK_ESCAPE);
        INT_PTR result = -1;
        EXPECT_TRUE(zxw32::dialogEnded(dialog, &result));
        EXPECT_EQ(result, 0);
    });
    use(gauge, [&](HWND dialog) {
        click(dialog, 1000);
        zxw32::dialogText(dialog, "5");
        click(dialog, 1004);
        EXPECT_EQ(text(dialog, 1004), "0"); // a click leaves the text unselected
        click(dialog, IDCANCEL);
        EXPECT_TRUE(zxw32::dialogEnded(dialog, nullptr));
    });
    EXPECT_EQ(gauge.save(), before);
    EXPECT_EQ(property(gauge, "XMax"), zxhost::Value(int32_t{100}));
}

} // namespace
