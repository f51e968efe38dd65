// Drawing a member's properties dialog without a screen: libw32's dialog manager paints it
// into a DIB section of the window's size, which is written as a PNG.
#include "dialog_command.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include <windows.h>
#include <zxw32/dialog_view.h>
#include <zxw32/gdi_ext.h>
#include <zxw32/user_ext.h>

#include <zxhost/host.h>
#include <zxlua/atomic_file.h>
#include <zxlua/movie_script.h>

#include "dib_canvas.h"
#include "locations.h"
#include "movie_start.h"
#include "render_command.h"

namespace fs = std::filesystem;

namespace zentrix {
namespace {

// Gives a control the focus as Tab would: an edit with its whole text selected.
void focusControl(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        throw std::runtime_error("dialog: --focus " + std::to_string(id) +
                                 ": the dialog has no control with that id");
    }
    for (const zxw32::DialogControl& c : zxw32::dialogControls(dialog)) {
        if (c.id != id) {
            continue;
        }
        if (c.kind == zxw32::ControlKind::Static || c.kind == zxw32::ControlKind::GroupBox) {
            throw std::runtime_error("dialog: --focus " + std::to_string(id) +
                                     ": a text or group box cannot have the focus");
        }
        SetFocus(control);
        if (c.kind == zxw32::ControlKind::Edit) {
            SendMessageA(control, EM_SETSEL, 0, -1);
        }
        return;
    }
}

void paintInto(HWND dialog, const fs::path& output) {
    const SIZE size = zxw32::dialogWindowSize(dialog);
    DibCanvas canvas(size.cx, size.cy);
    if (size.cx <= 0 || size.cy <= 0 || !canvas.valid()) {
        throw std::runtime_error("dialog: the dialog has no area to draw");
    }
    zxw32::paintDialog(dialog, canvas.dc());
    zxlua::writeAtomically(output, [&](const fs::path& tmp) {
        if (!zxw32::savePng(canvas.dc(), tmp.string().c_str())) {
            throw std::runtime_error("cannot write the PNG");
        }
    });
    std::printf("wrote %s (%ldx%ld dialog)\n", output.string().c_str(), static_cast<long>(size.cx),
                static_cast<long>(size.cy));
}

int drawMemberDialog(zxhost::Host& host, const CommandLine& cmd) {
    zxhost::Member* member = host.member(cmd.member);
    if (member == nullptr) {
        throw std::runtime_error("dialog: " + cmd.input + " has no member '" + cmd.member + "'");
    }
    if (member->isBitmap()) {
        throw std::runtime_error("dialog: '" + cmd.member +
                                 "' is a bitmap member, which has no properties dialog");
    }
    bool opened = false;
    member->showDialog([&](HWND dialog) {
        opened = true;
        if (cmd.focus) {
            focusControl(dialog, *cmd.focus);
        }
        paintInto(dialog, cmd.output);
        return IDCANCEL;
    });
    if (!opened) {
        throw std::runtime_error("dialog: '" + cmd.member + "' is a " + member->kind() +
                                 ", which has no properties dialog");
    }
    return 0;
}

} // namespace

int drawDialog(const CommandLine& cmd) {
    zxhost::Host host(zxhost::Host::defaultPluginDirs(programDir().string()));
    // The movie as it plays: a script with its start handler, or a saved movie with its own
    // script.
    zxlua::MovieScript script(host);
    startMovieFile(script, cmd.input);
    return drawMemberDialog(host, cmd);
}

} // namespace zentrix
