// Dialogs run by a driver: the procedure's WM_INITDIALOG values are visible to the driver, the
// pressed button reaches the procedure, and the control store behaves like Windows' controls.
#include <functional>

#include <gtest/gtest.h>
#include <windows.h>
#include <zxw32/kernel_ext.h>
#include <zxw32/user_ext.h>

HMODULE zxModuleHandle();

namespace {

constexpr int settingsDialog = 200;
constexpr int amount = 1000, visible = 1001, left = 1002, right = 1003, centre = 1004;

// Runs the sample dialog with a procedure and a driver given as lambdas.
struct DialogRun {
    std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> proc;
    std::function<int(HWND)> driver;
    std::vector<UINT> messages;

    INT_PTR run(int id = settingsDialog) {
        current = this;
        zxw32::setDialogDriver(driver ? &drive : nullptr, this);
        INT_PTR result =
            DialogBoxParamA(zxModuleHandle(), MAKEINTRESOURCEA(id), nullptr, &dispatch, 77);
        zxw32::setDialogDriver(nullptr, nullptr);
        current = nullptr;
        return result;
    }

    static inline DialogRun* current = nullptr;
    static INT_PTR CALLBACK dispatch(HWND d, UINT m, WPARAM w, LPARAM l) {
        current->messages.push_back(m);
        return current->proc ? current->proc(d, m, w, l) : 0;
    }
    static int drive(HWND d, void* self) { return static_cast<DialogRun*>(self)->driver(d); }
};

// The pattern of the plug-ins' procedures: fill on WM_INITDIALOG, read back on OK.
struct AmountDialog : DialogRun {
    int stored = 5;
    LPARAM initParam = 0;
    AmountDialog() {
        proc = [this](HWND d, UINT m, WPARAM w, LPARAM l) -> INT_PTR {
            if (m == WM_INITDIALOG) {
                initParam = l;
                SetDlgItemInt(d, amount, static_cast<UINT>(stored), TRUE);
                CheckDlgButton(d, visible, BST_CHECKED);
                return 0;
            }
            if (m == WM_COMMAND && LOWORD(w) == IDOK) {
                stored = static_cast<int>(GetDlgItemInt(d, amount, nullptr, TRUE));
                EndDialog(d, 1);
                return 1;
            }
            if (m == WM_COMMAND && LOWORD(w) == IDCANCEL) {
                EndDialog(d, 0);
                return 1;
            }
            return 0;
        };
    }
};

TEST(UserDialog, DriverSeesInitialValuesAndOkStoresItsEdits) {
    AmountDialog dialog;
    std::vector<zxw32::DialogControl> shown;
    dialog.driver = [&](HWND d) {
        shown = zxw32::dialogControls(d);
        EXPECT_EQ(zxw32::dialogCaption(d), "Sample \"Settings\"");
        SetDlgItemTextA(d, amount, "300");
        return IDOK;
    };
    EXPECT_EQ(dialog.run(), 1);
    EXPECT_EQ(dialog.initParam, 77);
    EXPECT_EQ(dialog.stored, 300);
    ASSERT_EQ(shown.size(), 11u);
    EXPECT_EQ(shown[3].id, amount);
    EXPECT_EQ(shown[3].kind, zxw32::ControlKind::Edit);
    EXPECT_EQ(shown[3].text, "5");
    EXPECT_EQ(shown[4].kind, zxw32::ControlKind::CheckBox);
    EXPECT_TRUE(shown[4].checked);
    EXPECT_EQ(shown[5].kind, zxw32::ControlKind::Radio);
    // CONTROL statements take their kind from the class and the button style.
    EXPECT_EQ(shown[8].kind, zxw32::ControlKind::CheckBox);
    EXPECT_EQ(shown[9].kind, zxw32::ControlKind::Edit);
    EXPECT_EQ(shown[10].kind, zxw32::ControlKind::GroupBox);
    EXPECT_EQ(shown[2].kind, zxw32::ControlKind::Static);
    EXPECT_EQ(shown[0].kind, zxw32::ControlKind::Button);
    EXPECT_EQ(shown[0].text, "OK");
    EXPECT_EQ(dialog.messages, (std::vector<UINT>{WM_INITDIALOG, WM_COMMAND}));
}

TEST(UserDialog, CancelStoresNothingAndNoDriverMeansCancel) {
    AmountDialog dialog;
    dialog.driver = [](HWND d) {
        SetDlgItemTextA(d, amount, "9");
        return IDCANCEL;
    };
    EXPECT_EQ(dialog.run(), 0);
    EXPECT_EQ(dialog.stored, 5);
    AmountDialog undriven;
    EXPECT_EQ(undriven.run(), 0);
    EXPECT_EQ(undriven.messages, (std::vector<UINT>{WM_INITDIALOG, WM_COMMAND}));
}

TEST(UserDialog, ProcedureThatDoesNotEndTheDialogEndsWithTheButton) {
    DialogRun dialog;
    dialog.driver = [](HWND) { return IDOK; };
    EXPECT_EQ(dialog.run(), IDOK);
    DialogRun ended;
    ended.proc = [](HWND d, UINT m, WPARAM, LPARAM) -> INT_PTR {
        if (m == WM_INITDIALOG) {
            EndDialog(d, 42);
        }
        return 0;
    };
    ended.driver = [](HWND) -> int {
        ADD_FAILURE() << "a dialog ended during WM_INITDIALOG needs no driver";
        return IDOK;
    };
    EXPECT_EQ(ended.run(), 42);
}

TEST(UserDialog, MissingTemplateOrModuleGivesMinusOne) {
    DialogRun dialog;
    EXPECT_EQ(dialog.run(999), -1);
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(200), nullptr, nullptr, 0), -1);
}

// A template whose rectangle reaches past the int range is refused like any damaged one;
// edges right at the limit still read, and open a dialog without overflowing when they
// become pixels.
TEST(UserDialog, TemplateEdgesPastTheIntRangeGiveMinusOne) {
    static const char tooWide[] = "DIALOG\t2147483000\t0\t1000\t10\n";
    static const char tooLow[] = "DIALOG\t0\t0\t10\t10\n"
                                 "CONTROL\t1\tEDIT\t0\t-2147483000\t10\t-1000\tx\n";
    static const char atLimit[] = "DIALOG\t2147483000\t0\t647\t10\n"
                                  "CONTROL\t1\tEDIT\t-2147483647\t0\t2147483647\t-5\tx\n";
    const zxw32::ResourceEntry entries[] = {
        {5, 1, reinterpret_cast<const unsigned char*>(tooWide), sizeof tooWide - 1},
        {5, 2, reinterpret_cast<const unsigned char*>(tooLow), sizeof tooLow - 1},
        {5, 3, reinterpret_cast<const unsigned char*>(atLimit), sizeof atLimit - 1}};
    HMODULE module = zxw32::registerModule("edges", entries, 3);
    // Without a driver a dialog that opens is cancelled.
    auto run = [&](int id) {
        return DialogBoxParamA(module, MAKEINTRESOURCEA(id), nullptr, nullptr, 0);
    };
    EXPECT_EQ(run(1), -1);
    EXPECT_EQ(run(2), -1);
    EXPECT_EQ(run(3), IDCANCEL);
    zxw32::unregisterModule(module);
}

TEST(UserDialog, RadioGroupKeepsOneChecked) {
    DialogRun dialog;
    dialog.driver = [](HWND d) {
        EXPECT_TRUE(CheckRadioButton(d, left, centre, right));
        EXPECT_EQ(IsDlgButtonChecked(d, right), static_cast<UINT>(BST_CHECKED));
        CheckRadioButton(d, left, centre, centre);
        EXPECT_EQ(IsDlgButtonChecked(d, left), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, right), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, centre), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(SendDlgItemMessageA(d, centre, BM_GETCHECK, 0, 0), BST_CHECKED);
        return IDOK;
    };
    dialog.run();
}

TEST(UserDialog, UnknownControlIdsFailWithoutCrashing) {
    DialogRun dialog;
    dialog.driver = [](HWND d) {
        BOOL ok = TRUE;
        char text[8] = "xx";
        EXPECT_FALSE(SetDlgItemInt(d, 4321, 5, TRUE));
        EXPECT_EQ(GetDlgItemInt(d, 4321, &ok, TRUE), 0u);
        EXPECT_FALSE(ok);
        EXPECT_EQ(GetDlgItemTextA(d, 4321, text, sizeof text), 0u);
        EXPECT_STREQ(text, "");
        EXPECT_FALSE(CheckDlgButton(d, 4321, BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, 4321), 0u);
        EXPECT_EQ(GetDlgItem(d, 4321), nullptr);
        return IDOK;
    };
    dialog.run();
    EXPECT_FALSE(SetDlgItemTextA(nullptr, amount, "1"));
    EXPECT_FALSE(EndDialog(nullptr, 1));
}

TEST(UserDialog, GetDlgItemTextCopiesBoundedAndTerminated) {
    DialogRun dialog;
    dialog.driver = [](HWND d) {
        SetDlgItemTextA(d, amount, "Liberation Sans");
        char small[6];
        EXPECT_EQ(GetDlgItemTextA(d, amount, small, sizeof small), 5u);
        EXPECT_STREQ(small, "Liber");
        char big[40];
        EXPECT_EQ(GetDlgItemTextA(d, amount, big, sizeof big), 15u);
        EXPECT_STREQ(big, "Liberation Sans");
        return IDOK;
    };
    dialog.run();
}

// GetDlgItemInt of a text, signed or not: the value and whether it translated.
struct Parsed {
    UINT value;
    BOOL translated;
};
Parsed parse(const char* text, BOOL isSigned) {
    Parsed p{0, FALSE};
    DialogRun dialog;
    dialog.driver = [&](HWND d) {
        SetDlgItemTextA(d, amount, text);
        p.value = GetDlgItemInt(d, amount, &p.translated, isSigned);
        return IDOK;
    };
    dialog.run();
    return p;
}

TEST(UserDialog, GetDlgItemIntParsesLikeWindows) {
    EXPECT_EQ(parse("300", TRUE).value, 300u);
    EXPECT_TRUE(parse("300", TRUE).translated);
    EXPECT_EQ(static_cast<int>(parse(" -5", TRUE).value), -5);
    EXPECT_TRUE(parse(" -5", TRUE).translated);
    EXPECT_EQ(static_cast<int>(parse("-2147483648", TRUE).value), INT32_MIN);
    EXPECT_EQ(parse("4294967295", FALSE).value, 4294967295u);
    for (const char* bad : {"abc", "", "12abc", "-", "2147483648", "99999999999"}) {
        Parsed p = parse(bad, TRUE);
        EXPECT_EQ(p.value, 0u) << bad;
        EXPECT_FALSE(p.translated) << bad;
    }
    EXPECT_FALSE(parse("-5", FALSE).translated);
    EXPECT_FALSE(parse("4294967296", FALSE).translated);
}

} // namespace
