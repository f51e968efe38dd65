// The watch of the Windows build: a WH_CBT hook on the host's thread that sees every dialog
// window as it activates. Activation can come in the middle of WM_INITDIALOG (a system-modal
// box makes itself topmost there, before its text is set and its spare buttons hidden), so
// the dialog is answered from a thread timer, which fires only once the dialog's own loop
// runs with an empty queue. A message box is recorded in the event log as libw32 records it
// natively ({"messagebox", text, caption, flags}) and answered with its first button, so an
// unattended run never waits for a user. A properties dialog is handed to the dialog driver
// when one is set, and cancelled otherwise, as libw32 does.
#include <algorithm>
#include <string>
#include <vector>

#include "windows/dialog_watch.h"

namespace zxhost::platform {
namespace {

// Message boxes name their text control 0xFFFF; their buttons carry the standard ids.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kLastStandardButton = 11; // IDCONTINUE

struct WatchState {
    int watchers = 0;
    HHOOK hook = nullptr;
    // Dialogs already answered, until they are destroyed: activation can come more than once.
    std::vector<HWND> answered;
    // Dialogs activated and not yet answered.
    std::vector<HWND> toAnswer;
    // Dialogs whose pressed button must end them even if their procedure does not.
    std::vector<std::pair<HWND, int>> toEnd;
    UINT_PTR timer = 0;
};

WatchState& watch() {
    static WatchState state;
    return state;
}

struct Child {
    HWND window;
    int id;
    std::string className;
    LONG style;
};

std::vector<Child> childrenOf(HWND dialog) {
    std::vector<Child> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        children.push_back(
            Child{child, GetDlgCtrlID(child), className, GetWindowLongA(child, GWL_STYLE)});
    }
    return children;
}

bool isButton(const Child& c) {
    return lstrcmpiA(c.className.c_str(), "Button") == 0;
}

std::string windowText(HWND window) {
    if (!window) {
        return {};
    }
    const int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// A message box: the text control, buttons with standard ids only, and nothing to edit.
bool isMessageBox(const std::vector<Child>& children) {
    bool text = false;
    for (const Child& c : children) {
        if (lstrcmpiA(c.className.c_str(), "Edit") == 0) {
            return false;
        }
        if (isButton(c) && (c.id < IDOK || c.id > kLastStandardButton)) {
            return false;
        }
        text = text || (c.id == kMessageTextId && lstrcmpiA(c.className.c_str(), "Static") == 0);
    }
    return text;
}

// The flags MessageBoxA was given, as far as the box shows them: the button set, the icon,
// the default button and system modality (a topmost box). Task modality and the
// foreground flags leave no trace on the window.
long messageBoxFlags(HWND box, const std::vector<Child>& children) {
    // The default button is the one drawn as default (BS_DEFPUSHBUTTON): the dialog's
    // DM_GETDEFID is not kept up to date by every system.
    std::vector<int> buttons;
    int defaultIndex = 0;
    long icon = 0;
    for (const Child& c : children) {
        if (isButton(c) && (c.style & WS_VISIBLE)) {
            if ((c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                defaultIndex = static_cast<int>(buttons.size());
            }
            buttons.push_back(c.id);
        }
        if (lstrcmpiA(c.className.c_str(), "Static") == 0 && (c.style & SS_TYPEMASK) == SS_ICON) {
            const auto shown = reinterpret_cast<HICON>(SendMessageA(c.window, STM_GETICON, 0, 0));
            const std::pair<int, long> icons[] = {
                {32513, MB_ICONHAND}, // IDI_HAND
                {32514, MB_ICONQUESTION},
                {32515, MB_ICONEXCLAMATION},
                {32516, MB_ICONASTERISK},
            };
            for (const auto& [resource, flag] : icons) {
                if (shown && shown == LoadIconA(nullptr, MAKEINTRESOURCEA(resource))) {
                    icon = flag;
                }
            }
        }
    }
    auto has = [&](int id) {
        return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
    };
    long type = MB_OK;
    if (has(IDABORT)) {
        type = MB_ABORTRETRYIGNORE;
    } else if (has(IDYES)) {
        type = has(IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO;
    } else if (has(IDTRYAGAIN) || has(IDCONTINUE)) {
        type = MB_CANCELTRYCONTINUE;
    } else if (has(IDRETRY)) {
        type = MB_RETRYCANCEL;
    } else if (has(IDCANCEL)) {
        type = MB_OKCANCEL;
    }
    long flags = type | icon | static_cast<long>(std::min(defaultIndex, 3)) * MB_DEFBUTTON2;
    if (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) {
        flags |= MB_SYSTEMMODAL;
    }
    return flags;
}

// The answer of a user who presses the first button of the box, as libw32 answers.
int firstButton(long flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return IDYES;
    case MB_RETRYCANCEL:
        return IDRETRY;
    case MB_CANCELTRYCONTINUE:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

// Presses a button as a user would: the dialog's procedure gets WM_COMMAND from its loop.
// The next timer tick ends the dialog with that button if the procedure left it open.
void press(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    watch().toEnd.emplace_back(dialog, button);
}

void answer(HWND dialog) {
    const std::vector<Child> children = childrenOf(dialog);
    if (isMessageBox(children)) {
        const long flags = messageBoxFlags(dialog, children);
        logEvent(Message{"messagebox", windowText(GetDlgItem(dialog, kMessageTextId)),
                         windowText(dialog), flags});
        press(dialog, firstButton(flags));
        return;
    }
    const DriverSlot driver = currentDialogDriver();
    press(dialog, driver.driver ? driver.driver(dialog, driver.context) : IDCANCEL);
}

void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    WatchState& w = watch();
    // Pressed on an earlier tick: the posted WM_COMMAND has been handled by now.
    auto toEnd = std::move(w.toEnd);
    w.toEnd.clear();
    for (const auto& [dialog, button] : toEnd) {
        if (IsWindow(dialog)) {
            EndDialog(dialog, button);
        }
    }
    auto toAnswer = std::move(w.toAnswer);
    w.toAnswer.clear();
    for (HWND dialog : toAnswer) {
        if (IsWindow(dialog)) {
            answer(dialog);
        }
    }
    if (w.toEnd.empty() && w.toAnswer.empty() && w.timer) {
        KillTimer(nullptr, w.timer);
        w.timer = 0;
    }
}

bool isDialogWindow(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    WatchState& w = watch();
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && isDialogWindow(window) &&
        std::find(w.answered.begin(), w.answered.end(), window) == w.answered.end()) {
        w.answered.push_back(window);
        w.toAnswer.push_back(window);
        if (!w.timer) {
            w.timer = SetTimer(nullptr, 0, 0, &onTimer);
        }
    } else if (code == HCBT_DESTROYWND) {
        std::erase(w.answered, window);
    }
    return CallNextHookEx(w.hook, code, wParam, lParam);
}

} // namespace

// One hook for however many hosts live on the thread, so each box is recorded once.
SystemWatch::SystemWatch() {
    WatchState& w = watch();
    if (w.watchers++ == 0) {
        w.hook = SetWindowsHookExA(WH_CBT, &onCbt, nullptr, GetCurrentThreadId());
    }
}

SystemWatch::~SystemWatch() {
    WatchState& w = watch();
    if (--w.watchers == 0 && w.hook) {
        UnhookWindowsHookEx(w.hook);
        w.hook = nullptr;
    }
}

} // namespace zxhost::platform
