// Where the equation engine's messages go inside the plug-in: a message box with an OK button
// and no owner window, as the engine asks. Connected when the first member is constructed.
#include <windows.h>

#include "engine/evaluation_message.h"
#include "equation_member.h"

namespace formulon {
namespace {

class MessageBoxSink final : public zx::equation::MessageSink {
public:
    void Show(const char* text, const char* caption) override {
        MessageBoxA(nullptr, text, caption, MB_OK);
    }
};

} // namespace

void connectMessageBoxes() {
    static MessageBoxSink sink;
    zx::equation::ConnectMessageSink(&sink);
}

} // namespace formulon
