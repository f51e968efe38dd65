// The dialog manager on the sample dialog: what the mouse, the keys and typed text do to the
// controls, what the procedure hears, when the dialog ends, and what a painting shows.
#include <functional>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <zxw32/dialog_view.h>
#include <zxw32/gdi_ext.h>
#include <zxw32/kernel_ext.h>
#include <zxw32/user_ext.h>

HMODULE zxModuleHandle();

#include "dialog_testing.h"

namespace {

constexpr int settingsDialog = 200, plainRadioDialog = 201;
constexpr int amount = 1000, visible = 1001, left = 1002, right = 1003, centre = 1004, bold = 1005,
              other = 1006;

// Runs a sample dialog whose driver plays the user through the dialog manager. The
// procedure records every WM_COMMAND and ends the dialog on OK (1) and Cancel (0) unless
// told to ignore them.
struct ManagedDialog {
    std::function<void(HWND)> play;
    std::vector<WPARAM> commands; // every WM_COMMAND the procedure heard
    std::vector<WPARAM> played;   // those heard while the driver played
    bool ignoreButtons = false;
    bool endedAfterPlay = false;
    INT_PTR resultAfterPlay = -99;

    INT_PTR run(int id = settingsDialog) {
        current = this;
        zxw32::setDialogDriver(&drive, this);
        const INT_PTR result =
            DialogBoxParamA(zxModuleHandle(), MAKEINTRESOURCEA(id), nullptr, &procedure, 0);
        zxw32::setDialogDriver(nullptr, nullptr);
        current = nullptr;
        return result;
    }

    static inline ManagedDialog* current = nullptr;
    static INT_PTR CALLBACK procedure(HWND d, UINT m, WPARAM w, LPARAM) {
        if (m != WM_COMMAND) {
            return 0;
        }
        current->commands.push_back(w);
        if (current->ignoreButtons || (LOWORD(w) != IDOK && LOWORD(w) != IDCANCEL)) {
            return 0;
        }
        EndDialog(d, LOWORD(w) == IDOK ? 1 : 0);
        return 1;
    }
    static int drive(HWND d, void* self) {
        auto* me = static_cast<ManagedDialog*>(self);
        me->play(d);
        me->played = me->commands;
        me->endedAfterPlay = zxw32::dialogEnded(d, &me->resultAfterPlay);
        return IDCANCEL;
    }
};

using zxtest::centreOf;
using zxtest::click;

std::string text(HWND dialog, int id) {
    char buffer[64] = "";
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

TEST(DialogView, ClicksToggleBoxesAndReachTheProcedureAsBnClicked) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        click(d, visible);
        EXPECT_EQ(IsDlgButtonChecked(d, visible), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(GetFocus(), GetDlgItem(d, visible));
        click(d, visible);
        EXPECT_EQ(IsDlgButtonChecked(d, visible), static_cast<UINT>(BST_UNCHECKED));
        // Space on the focused box clicks it too.
        EXPECT_TRUE(zxw32::dialogKey(d, VK_SPACE, false, false));
        EXPECT_EQ(IsDlgButtonChecked(d, visible), static_cast<UINT>(BST_CHECKED));
    };
    dialog.run();
    EXPECT_EQ(dialog.played, (std::vector<WPARAM>(3, MAKEWPARAM(visible, BN_CLICKED))));
    EXPECT_FALSE(dialog.endedAfterPlay);
}

TEST(DialogView, APressReleasedOutsideTheControlDoesNothing) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        const POINT p = centreOf(d, bold);
        EXPECT_TRUE(zxw32::dialogMouse(d, zxw32::DialogMouse::Down, p.x, p.y));
        EXPECT_TRUE(zxw32::dialogMouse(d, zxw32::DialogMouse::Move, 1, 1));
        EXPECT_FALSE(zxw32::dialogMouse(d, zxw32::DialogMouse::Move, 2, 2));
        zxw32::dialogMouse(d, zxw32::DialogMouse::Up, 1, 1);
        EXPECT_EQ(IsDlgButtonChecked(d, bold), static_cast<UINT>(BST_UNCHECKED));
        // A click on a text or on nothing changes nothing.
        EXPECT_FALSE(zxw32::dialogMouse(d, zxw32::DialogMouse::Down, 0, 0));
    };
    dialog.run();
    EXPECT_TRUE(dialog.played.empty());
}

TEST(DialogView, AnAutomaticRadioUnchecksTheOthersOfItsRun) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        CheckDlgButton(d, bold, BST_CHECKED); // a box after the run is not a radio of it
        click(d, right);
        click(d, centre);
        EXPECT_EQ(IsDlgButtonChecked(d, left), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, right), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, centre), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, bold), static_cast<UINT>(BST_CHECKED));
    };
    dialog.run();
    ManagedDialog plain;
    plain.play = [](HWND d) {
        click(d, 1101);
        EXPECT_EQ(IsDlgButtonChecked(d, 1101), static_cast<UINT>(BST_UNCHECKED));
    };
    plain.run(plainRadioDialog);
    EXPECT_EQ(plain.played, (std::vector<WPARAM>{MAKEWPARAM(1101, BN_CLICKED)}));
}

TEST(DialogView, ArrowsMoveRoundARadioGroupAndChooseTheRadioReached) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        click(d, left);
        EXPECT_TRUE(zxw32::dialogKey(d, VK_DOWN, false, false));
        EXPECT_EQ(GetFocus(), GetDlgItem(d, right));
        EXPECT_EQ(IsDlgButtonChecked(d, right), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, left), static_cast<UINT>(BST_UNCHECKED));
        // Round the end of the run, not on to the box after it.
        zxw32::dialogKey(d, VK_RIGHT, false, false);
        zxw32::dialogKey(d, VK_RIGHT, false, false);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, left));
        zxw32::dialogKey(d, VK_UP, false, false);
        EXPECT_EQ(IsDlgButtonChecked(d, centre), static_cast<UINT>(BST_CHECKED));
    };
    dialog.run();
    EXPECT_EQ(dialog.played,
              (std::vector<WPARAM>{MAKEWPARAM(left, BN_CLICKED), MAKEWPARAM(right, BN_CLICKED),
                                   MAKEWPARAM(centre, BN_CLICKED), MAKEWPARAM(left, BN_CLICKED),
                                   MAKEWPARAM(centre, BN_CLICKED)}));
}

TEST(DialogView, TabVisitsTheControlsThatTakeFocusInTemplateOrder) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        // The first control that takes the focus has it when the dialog opens.
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK);
        std::vector<int> forwards, backwards;
        for (int i = 0; i < 9; ++i) {
            zxw32::dialogKey(d, VK_TAB, false, false);
            forwards.push_back(GetDlgCtrlID(GetFocus()));
        }
        for (int i = 0; i < 3; ++i) {
            zxw32::dialogKey(d, VK_TAB, true, false);
            backwards.push_back(GetDlgCtrlID(GetFocus()));
        }
        EXPECT_EQ(forwards, (std::vector<int>{IDCANCEL, amount, visible, left, right, centre, bold,
                                              other, IDOK}));
        EXPECT_EQ(backwards, (std::vector<int>{other, bold, centre}));
    };
    dialog.run();
}

TEST(DialogView, TabSelectsAnEditsTextSoTypingReplacesIt) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        SetDlgItemTextA(d, amount, "250");
        zxw32::dialogKey(d, VK_TAB, false, false);
        zxw32::dialogKey(d, VK_TAB, false, false);
        DWORD start = 9, end = 9;
        SendDlgItemMessageA(d, amount, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 3u);
        EXPECT_TRUE(zxw32::dialogText(d, "7"));
        zxw32::dialogKey(d, VK_LEFT, false, false);
        zxw32::dialogText(d, "1");
        EXPECT_EQ(text(d, amount), "17");
        // Ctrl+A, Shift+arrows and EM_SETSEL choose what the next key replaces.
        zxw32::dialogKey(d, 'A', false, true);
        zxw32::dialogKey(d, VK_BACK, false, false);
        EXPECT_EQ(text(d, amount), "");
        zxw32::dialogText(d, "12345");
        SendDlgItemMessageA(d, amount, EM_SETSEL, 1, 3);
        zxw32::dialogKey(d, VK_RIGHT, true, false);
        zxw32::dialogKey(d, VK_DELETE, false, false);
        EXPECT_EQ(text(d, amount), "15");
        // Typing reaches only a focused edit.
        zxw32::dialogKey(d, VK_TAB, false, false);
        EXPECT_FALSE(zxw32::dialogText(d, "9"));
    };
    dialog.run();
}

TEST(DialogView, EnterPressesTheDefaultButtonAndEscapeCancels) {
    ManagedDialog ok;
    ok.play = [](HWND d) {
        zxw32::dialogKey(d, VK_TAB, false, false);
        zxw32::dialogKey(d, VK_TAB, false, false); // on the edit: the default is still OK
        EXPECT_TRUE(zxw32::dialogKey(d, VK_RETURN, false, false));
        // Nothing reaches a dialog that has ended.
        EXPECT_FALSE(zxw32::dialogKey(d, VK_ESCAPE, false, false));
    };
    EXPECT_EQ(ok.run(), 1);
    EXPECT_TRUE(ok.endedAfterPlay);
    EXPECT_EQ(ok.resultAfterPlay, 1);
    EXPECT_EQ(ok.commands, (std::vector<WPARAM>{MAKEWPARAM(IDOK, BN_CLICKED)}));

    ManagedDialog focusedCancel;
    focusedCancel.play = [](HWND d) {
        zxw32::dialogKey(d, VK_TAB, false, false); // a focused push button is the default
        zxw32::dialogKey(d, VK_RETURN, false, false);
    };
    EXPECT_EQ(focusedCancel.run(), 0);

    ManagedDialog escape;
    escape.play = [](HWND d) { zxw32::dialogKey(d, VK_ESCAPE, false, false); };
    EXPECT_EQ(escape.run(), 0);
    EXPECT_EQ(escape.commands, (std::vector<WPARAM>{MAKEWPARAM(IDCANCEL, BN_CLICKED)}));
}

// OK and Cancel that the procedure leaves alone end the dialog with their ids; a dialog
// without a default button takes Enter as OK.
TEST(DialogView, IgnoredOkAndCancelStillEndTheDialog) {
    ManagedDialog ignored;
    ignored.ignoreButtons = true;
    ignored.play = [](HWND d) { click(d, IDCANCEL); };
    EXPECT_EQ(ignored.run(), IDCANCEL);
    EXPECT_TRUE(ignored.endedAfterPlay);
    ManagedDialog noButtons;
    noButtons.ignoreButtons = true;
    noButtons.play = [](HWND d) { zxw32::dialogKey(d, VK_RETURN, false, false); };
    EXPECT_EQ(noButtons.run(plainRadioDialog), IDOK);
    EXPECT_EQ(noButtons.commands, (std::vector<WPARAM>{MAKEWPARAM(IDOK, BN_CLICKED)}));
}

// Templates embedded before group boxes, alignment and default buttons were kept still open:
// STATIC reads as left-aligned text and BUTTON as a push button that is not the default.
TEST(DialogView, OldTemplateWordsStillRead) {
    static const char old[] = "DIALOG\t0\t0\t100\t40\nCAPTION\tOld\n"
                              "CONTROL\t-1\tSTATIC\t2\t2\t40\t8\tFrame\n"
                              "CONTROL\t7\tCHECKBOX\t2\t12\t40\t10\tBox\n"
                              "CONTROL\t3\tBUTTON\t50\t2\t40\t14\tApply\n"
                              "CONTROL\t1\tBUTTON\t50\t20\t40\t14\tOK\n";
    const zxw32::ResourceEntry entries[] = {
        {5, 1, reinterpret_cast<const unsigned char*>(old), sizeof old - 1}};
    HMODULE module = zxw32::registerModule("old", entries, 1);
    static std::vector<zxw32::DialogControl> shown;
    static std::vector<WPARAM> heard;
    zxw32::setDialogDriver(
        [](HWND d, void*) {
            shown = zxw32::dialogControls(d);
            click(d, 7); // an automatic box, as CHECKBOX always was
            // The box has the focus and no button is the default: Enter is OK.
            zxw32::dialogKey(d, VK_RETURN, false, false);
            return IDCANCEL;
        },
        nullptr);
    const INT_PTR result = DialogBoxParamA(
        module, MAKEINTRESOURCEA(1), nullptr,
        [](HWND, UINT m, WPARAM w, LPARAM) -> INT_PTR {
            if (m == WM_COMMAND) {
                heard.push_back(w);
            }
            return 0;
        },
        0);
    zxw32::setDialogDriver(nullptr, nullptr);
    zxw32::unregisterModule(module);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].kind, zxw32::ControlKind::Static);
    EXPECT_EQ(shown[2].kind, zxw32::ControlKind::Button);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(heard,
              (std::vector<WPARAM>{MAKEWPARAM(7, BN_CLICKED), MAKEWPARAM(IDOK, BN_CLICKED)}));
}

using Painting = zxtest::DialogPainting;

// A strip at the start of an edit's text, in window coordinates.
RECT textStart(HWND dialog, int id) {
    const POINT centre = centreOf(dialog, id);
    RECT control{};
    GetWindowRect(GetDlgItem(dialog, id), &control);
    const LONG left = centre.x - (control.right - control.left) / 2;
    return RECT{left + 4, centre.y - 3, left + 16, centre.y + 3};
}

TEST(DialogView, ThePaintingShowsCaptionChecksAndTheEditsSelection) {
    ManagedDialog dialog;
    dialog.play = [](HWND d) {
        RECT client{};
        GetClientRect(d, &client);
        const SIZE window = zxw32::dialogWindowSize(d);
        // 186 x 95 dialog units: the client area, a 3-pixel frame and an 18-pixel caption.
        EXPECT_EQ(client.right, 279);
        EXPECT_EQ(client.bottom, 154);
        EXPECT_EQ(window.cx, 279 + 6);
        EXPECT_EQ(window.cy, 154 + 6 + 18);
        {
            Painting before(d);
            EXPECT_EQ(before.at(POINT{window.cx - 30, 10}), GetSysColor(COLOR_ACTIVECAPTION));
            EXPECT_EQ(before.at(POINT{window.cx - 10, window.cy - 10}), GetSysColor(COLOR_BTNFACE));
            EXPECT_EQ(before.count(textStart(d, amount), GetSysColor(COLOR_HIGHLIGHT)), 0);
        }
        click(d, bold);
        SetDlgItemTextA(d, amount, "8888");
        zxw32::dialogKey(d, VK_TAB, true, false);
        zxw32::dialogKey(d, VK_TAB, true, false);
        zxw32::dialogKey(d, VK_TAB, true, false);
        zxw32::dialogKey(d, VK_TAB, true, false);
        zxw32::dialogKey(d, VK_TAB, true, false);
        ASSERT_EQ(GetDlgCtrlID(GetFocus()), amount);
        Painting after(d);
        // The check mark in the box at the left of "Bold", the selected text in the edit.
        const POINT box = centreOf(d, bold);
        RECT control{};
        GetWindowRect(GetDlgItem(d, bold), &control);
        const LONG boxLeft = box.x - (control.right - control.left) / 2;
        EXPECT_GT(after.count(RECT{boxLeft + 3, box.y - 3, boxLeft + 10, box.y + 4},
                              GetSysColor(COLOR_BTNTEXT)),
                  8);
        EXPECT_GT(after.count(textStart(d, amount), GetSysColor(COLOR_HIGHLIGHT)), 10);
    };
    dialog.run();
}

} // namespace
