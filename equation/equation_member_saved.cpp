// The stored text of the member's 288-byte saved block (eight integers, then the text of its
// equations in a 256-byte buffer): composed just before a save; after every load, whatever
// the stream held, the member's options are applied to the module and the pane and the
// loaded text (if any) is read.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "engine/equation_pane.h"
#include "engine/stored_text.h"
#include "equation_member.h"

namespace formulon {

// Longer texts are cut at 255 characters; the rest of the buffer is zero so that equal
// members save equal bytes.
void composeStoredText(zx::AssetRecord& asset) {
    EquationBlock& b = equationBlock(asset);
    std::memset(b.storedText, 0, sizeof b.storedText);
    zx::equation::EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return;
    }
    const std::string text =
        zx::equation::TextForSaving(zx::equation::ComposeStoredText(pane->context()));
    std::memcpy(b.storedText, text.data(), std::min(text.size(), sizeof b.storedText - 1));
}

void applyLoadedBlock(zx::AssetRecord& asset, bool blockRead) {
    EquationBlock& b = equationBlock(asset);
    const std::string text =
        blockRead ? zx::equation::TextFromSavedBuffer(b.storedText) : std::string();
    std::memset(b.storedText, 0, sizeof b.storedText);
    applyMemberOptions(asset);
    if (zx::equation::EquationPane* pane = memberPane(asset)) {
        zx::equation::ReadStoredText(pane->context(), text, b.showFunctionVars != 0);
    }
}

} // namespace formulon
