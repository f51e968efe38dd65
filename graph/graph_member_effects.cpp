// What the engine asks for after a change: the sprites of the member hear of it through the
// host's cast-member object (code 2 redraw, 3 start tracking, as their LinkAsset's link
// kind); messages go to a message box with an OK button and no owner window.
#include <windows.h>

#include "graph_member.h"
#include "graph_module.h"

namespace plotmark {

GraphModule& graphModule() {
    static GraphModule module;
    return module;
}

void applyEffect(zx::AssetRecord& asset, const Effect& effect) {
    if (effect.notification != Notification::None && asset.memberHost != nullptr) {
        asset.memberHost->ops->notify(asset.memberHost, static_cast<int32_t>(effect.notification),
                                      0);
    }
    if (effect.message) {
        const UINT flags = MB_OK | (effect.message->systemModal ? MB_SYSTEMMODAL : 0);
        MessageBoxA(nullptr, effect.message->text, effect.message->caption, flags);
    }
}

} // namespace plotmark
