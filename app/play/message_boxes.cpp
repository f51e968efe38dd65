#include "message_boxes.h"

#include <vector>

#include <windows.h>

namespace zentrix::play {

namespace {

struct Button {
    int id;
    const char* text;
};

// The buttons of each MB_ type, left to right; the first is the default and the answer of a
// box that cannot be shown.
std::vector<Button> buttonsOf(unsigned type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
    case MB_CANCELTRYCONTINUE:
        return {{IDCANCEL, "Cancel"}, {10, "Try Again"}, {11, "Continue"}};
    default:
        return {{IDOK, "OK"}};
    }
}

Uint32 iconFlags(unsigned type) {
    switch (type & 0xF0) { // the icon bits
    case MB_ICONHAND:
        return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION:
        return SDL_MESSAGEBOX_WARNING;
    default:
        return SDL_MESSAGEBOX_INFORMATION;
    }
}

} // namespace

int showMessageBox(SDL_Window* parent, const char* text, const char* caption, unsigned type) {
    const std::vector<Button> buttons = buttonsOf(type);
    std::vector<SDL_MessageBoxButtonData> data;
    for (size_t i = 0; i < buttons.size(); ++i) {
        Uint32 flags = 0;
        if (i == 0) {
            flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        }
        if (buttons[i].id == IDCANCEL || (buttons.size() == 1)) {
            flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        }
        data.push_back(SDL_MessageBoxButtonData{flags, buttons[i].id, buttons[i].text});
    }
    const SDL_MessageBoxData box{
        iconFlags(type), parent, caption, text, static_cast<int>(data.size()),
        data.data(),     nullptr};
    int pressed = buttons.front().id;
    if (SDL_ShowMessageBox(&box, &pressed) != 0 || pressed < 0) {
        return buttons.front().id;
    }
    return pressed;
}

} // namespace zentrix::play
