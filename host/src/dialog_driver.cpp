// The dialog driver behind Member::dialog: reads what the controls show when the dialog
// opens, sets the requested values and presses OK or Cancel.
#include <cstdlib>

#include <windows.h>

#include "host_impl.h"

namespace zxhost {
namespace {

// An edit's text as an integer when it is one whole signed decimal number.
std::optional<int32_t> wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 11) {
        return std::nullopt;
    }
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) {
        return std::nullopt;
    }
    for (size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') {
            return std::nullopt;
        }
    }
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

} // namespace

int dialogDriver(HWND dialog, void* context) {
    auto* state = static_cast<DialogDriverState*>(context);
    state->opened = true;
    for (const auto& control : platform::dialogControls(dialog)) {
        switch (control.kind) {
        case platform::ControlKind::Edit:
            if (auto number = wholeNumber(control.text)) {
                state->shown[control.id] = *number;
            } else {
                state->shown[control.id] = control.text;
            }
            break;
        case platform::ControlKind::CheckBox:
        case platform::ControlKind::Radio:
            state->shown[control.id] = control.checked;
            break;
        default:
            break;
        }
    }
    if (state->values) {
        for (const auto& [id, value] : *state->values) {
            if (const auto* number = std::get_if<int32_t>(&value)) {
                SetDlgItemInt(dialog, id, static_cast<UINT>(*number), TRUE);
            } else if (const auto* on = std::get_if<bool>(&value)) {
                CheckDlgButton(dialog, id, *on ? BST_CHECKED : BST_UNCHECKED);
            } else if (const auto* text = std::get_if<std::string>(&value)) {
                SetDlgItemTextA(dialog, id, text->c_str());
            }
        }
    }
    return state->ok ? IDOK : IDCANCEL;
}

} // namespace zxhost
