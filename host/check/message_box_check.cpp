// A check of the Windows host's message-box watch, to run under Wine or Windows (it needs a
// window system): every box is answered with its first button without waiting, and the
// event log holds its text, caption and flags exactly as libw32 records them natively.
// Prints one line per box and exits 1 on the first difference.
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>

#include "zxhost/host.h"

namespace {

struct Box {
    const char* text;
    const char* caption; // null shows as "Error"
    UINT flags;
    int answer;
};

const Box kBoxes[] = {
    {"Improper Equation", "Cannot Evaluate", MB_OK, IDOK},
    {"q?", "c", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDYES},
    {"Data contains invalid points!!.", "ERROR", MB_OK | MB_SYSTEMMODAL, IDOK},
    {"retry", nullptr, MB_RETRYCANCEL | MB_ICONHAND, IDRETRY},
    {"abort", "x", MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION | MB_DEFBUTTON3, IDABORT},
    {"okc", "x", MB_OKCANCEL | MB_ICONASTERISK, IDOK},
    {"ync", "x", MB_YESNOCANCEL, IDYES},
    {"ctc", "x", MB_CANCELTRYCONTINUE, IDCANCEL},
};

} // namespace

int main() {
    zxhost::Host host;
    // A second host on the thread must not record each box twice.
    zxhost::Host second;
    if (!host.stage().window()) {
        std::printf("no window system: the check needs one (Wine: the null display driver)\n");
        return 1;
    }
    std::vector<int> answers;
    for (const Box& box : kBoxes) {
        answers.push_back(MessageBoxA(nullptr, box.text, box.caption, box.flags));
    }
    const std::vector<zxhost::Message> events = host.messages();
    bool ok = events.size() == std::size(kBoxes);
    for (size_t i = 0; i < std::size(kBoxes); ++i) {
        const Box& box = kBoxes[i];
        const zxhost::Message* m = i < events.size() ? &events[i] : nullptr;
        const bool same = m && m->kind == "messagebox" && m->text == box.text &&
                          m->caption == (box.caption ? box.caption : "Error") &&
                          m->flags == static_cast<long>(box.flags) && answers[i] == box.answer;
        ok = ok && same;
        std::printf("%s %s [%s] flags=%ld answer=%d\n", same ? "ok  " : "FAIL",
                    m ? m->text.c_str() : "(missing)", m ? m->caption.c_str() : "",
                    m ? m->flags : 0L, answers[i]);
    }
    std::printf("%s: %zu boxes, %zu events\n", ok ? "passed" : "failed", std::size(kBoxes),
                events.size());
    return ok ? 0 : 1;
}
