// Readable forms of values and result codes for messages.
#include <cstdio>

#include "zxhost/error.h"
#include "zxhost/value.h"

namespace zxhost {

std::string hexCode(int32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(code));
    return text;
}

std::string describe(const Value& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return "<void>"; }
        std::string operator()(int32_t v) const { return std::to_string(v); }
        std::string operator()(double v) const {
            char text[32];
            std::snprintf(text, sizeof text, "%.15g", v);
            return text;
        }
        std::string operator()(const std::string& v) const { return "\"" + v + "\""; }
        std::string operator()(const SymbolName& v) const { return "#" + v.name; }
        std::string operator()(const List& v) const {
            std::string text = "[";
            for (size_t i = 0; i < v.size(); ++i) {
                text += (i ? ", " : "") + describe(v[i]);
            }
            return text + "]";
        }
        std::string operator()(const Rect& r) const {
            return "rect(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
                   std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
        }
        std::string operator()(const MemberRef& m) const {
            return "member(" + std::to_string(m.id) + ")";
        }
        std::string operator()(const SpriteRef& s) const {
            return "sprite(" + std::to_string(s.id) + ")";
        }
        std::string operator()(const PictureRef& p) const {
            return "picture(" + std::to_string(p.handle) + ")";
        }
    };
    return std::visit(Visitor{}, value.data);
}

} // namespace zxhost
