// CallFunction: each command name of the kind is looked up at call time and compared with
// the symbol; a command that reads script arguments first checks their count.
#include "frame_internal.h"

namespace zx {

Result ZX_CALL assetCallFunction(AssetInterface* self, Symbol command, int32_t argc,
                                 const HostValue* argv, HostValue* result) {
    AssetRecord& asset = *assetOf(self);
    if ((thisKind().asset.changes & changes::kAfterCommand) != 0) {
        asset.changedFlag = 1;
    }
    HostUtilities* utilities = asset.utilities;
    if (utilities == nullptr) {
        return kUnknownCommand;
    }
    for (const CommandSpec& entry : thisKind().asset.commands) {
        Symbol name = 0;
        if (utilities->ops->stringToSymbol(utilities, entry.name, &name) != kOk ||
            name != command) {
            continue;
        }
        if (argc < entry.minArguments) {
            return static_cast<Result>(0x800407E0u + static_cast<uint32_t>(entry.minArguments));
        }
        CommandCall call{asset, *utilities, argc, argv, result};
        return entry.run(call);
    }
    return kUnknownCommand;
}

} // namespace zx
