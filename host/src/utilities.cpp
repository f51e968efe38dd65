// HostUtilities: symbols, value conversions, message output, pictures, palette indexes and
// modal dialogs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <windows.h>

#include "host_impl.h"

namespace zxhost {
namespace {

// Returned by conversions whose value has another kind; the output stays untouched.
constexpr zx::Result kWrongKind = zx::kNotSupported;

HostImpl& hostOf(zx::HostUtilities* self) {
    return *objectOf<HostObject>(self)->host;
}

zx::Result ZX_CALL messageOutput(zx::HostUtilities* self, const char* format, int32_t a,
                                 int32_t b) {
    HostImpl& host = hostOf(self);
    std::string text = formatOutput(format, a, b);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    host.hooks.record(host.hooks.records.outputs, text);
    platform::logEvent(Message{"output", text, "", 0});
    return zx::kOk;
}

zx::Result ZX_CALL stringToSymbol(zx::HostUtilities* self, const char* name, zx::Symbol* out) {
    if (!name || !out) {
        return kWrongKind;
    }
    *out = hostOf(self).symbols.intern(name);
    return zx::kOk;
}

zx::Result ZX_CALL releaseValue(zx::HostUtilities* self, zx::HostValue* value) {
    if (!value) {
        return kWrongKind;
    }
    HostImpl& host = hostOf(self);
    if (isStoredType(value->type) && !host.values.release(*value)) {
        return kWrongKind; // stale or foreign handle: nothing to free
    }
    *value = zx::HostValue{kVoid, 0};
    return zx::kOk;
}

// Floats become integers by truncation toward zero, as a C cast does; NaN and values
// outside the int32 range are not converted.
zx::Result ZX_CALL valueToInteger(zx::HostUtilities* self, const zx::HostValue* value,
                                  int32_t* out) {
    if (!value || !out) {
        return kWrongKind;
    }
    const Value v = hostOf(self).values.read(*value);
    if (const auto* i = v.get<int32_t>()) {
        *out = *i;
        return zx::kOk;
    }
    if (const auto* d = v.get<double>()) {
        const double t = std::trunc(*d);
        if (!(t >= -2147483648.0 && t <= 2147483647.0)) {
            return kWrongKind;
        }
        *out = static_cast<int32_t>(t);
        return zx::kOk;
    }
    return kWrongKind;
}

zx::Result ZX_CALL valueToFloat(zx::HostUtilities* self, const zx::HostValue* value, double* out) {
    if (!value || !out) {
        return kWrongKind;
    }
    const Value v = hostOf(self).values.read(*value);
    if (const auto* d = v.get<double>()) {
        *out = *d;
        return zx::kOk;
    }
    if (const auto* i = v.get<int32_t>()) {
        *out = *i;
        return zx::kOk;
    }
    return kWrongKind;
}

// The text of a value: strings as they are, void as "", symbols by name, numbers in
// decimal (floats with up to 15 significant digits). Other kinds do not convert.
bool valueText(HostImpl& host, const zx::HostValue& value, std::string& text) {
    if (value.type == kVoid) {
        text.clear();
        return true;
    }
    if (value.type == kSymbol) {
        if (!host.symbols.known(value.payload)) {
            return false;
        }
        text = host.symbols.name(value.payload);
        return true;
    }
    const Value v = host.values.read(value);
    if (const auto* s = v.get<std::string>()) {
        text = *s;
        return true;
    }
    if (const auto* i = v.get<int32_t>()) {
        text = std::to_string(*i);
        return true;
    }
    if (const auto* d = v.get<double>()) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.15g", *d);
        text = buffer;
        return true;
    }
    return false;
}

// Copies at most `capacity` characters and always adds a NUL: the buffer holds
// capacity + 1 bytes.
zx::Result ZX_CALL valueToString(zx::HostUtilities* self, const zx::HostValue* value, char* buffer,
                                 int32_t capacity) {
    if (!value || !buffer || capacity < 0) {
        return kWrongKind;
    }
    HostImpl& host = hostOf(self);
    std::string text;
    if (!valueText(host, *value, text)) {
        return kWrongKind;
    }
    const size_t n = std::min(text.size(), static_cast<size_t>(capacity));
    if (n < text.size()) {
        // The plug-in keeps a shorter text than it was given, without a word: the host says
        // so, naming the call.
        const std::string what = host.handOver.empty() ? "a plug-in" : host.handOver;
        platform::logEvent(Message{"warning",
                                   what + ": a text of " + std::to_string(text.size()) +
                                       " characters was cut to " + std::to_string(n),
                                   "", 0});
    }
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return zx::kOk;
}

zx::Result ZX_CALL stringToValue(zx::HostUtilities* self, const char* text, zx::HostValue* out) {
    if (!out) {
        return kWrongKind;
    }
    *out = hostOf(self).values.make(Value(std::string(text ? text : "")));
    return zx::kOk;
}

zx::Result ZX_CALL valueToRect(zx::HostUtilities* self, const zx::HostValue* value,
                               zx::HostRect* out) {
    if (!value || !out) {
        return kWrongKind;
    }
    const Value v = hostOf(self).values.read(*value);
    const auto* r = v.get<Rect>();
    if (!r) {
        return kWrongKind;
    }
    *out = zx::HostRect{r->top, r->left, r->bottom, r->right};
    return zx::kOk;
}

zx::Result ZX_CALL integerToValue(zx::HostUtilities*, int32_t number, zx::HostValue* out) {
    if (!out) {
        return kWrongKind;
    }
    *out = zx::HostValue{kInteger, number};
    return zx::kOk;
}

zx::Result ZX_CALL floatToValue(zx::HostUtilities* self, double number, zx::HostValue* out) {
    if (!out) {
        return kWrongKind;
    }
    *out = hostOf(self).values.make(Value(number));
    return zx::kOk;
}

// Copies the DIB: the picture stays valid after the plug-in frees its own memory.
zx::Result ZX_CALL pictureFromDIB(zx::HostUtilities* self, const zx::PictureDIBRecord* dib,
                                  zx::HostValue* out) {
    HostImpl& host = hostOf(self);
    if (const zx::Result fault = host.hooks.check(fault::kPictureFromDIB)) {
        return fault;
    }
    if (!dib || !out || !dib->header || !dib->pixels) {
        return kWrongKind;
    }
    auto picture = decodeDib(dib->header, dib->pixels);
    if (!picture) {
        return kWrongKind;
    }
    *out = host.values.makePicture(std::move(*picture));
    return zx::kOk;
}

zx::Result ZX_CALL paletteIndex(zx::HostUtilities* self, const zx::RgbTriple* colour,
                                uint8_t* index) {
    if (!colour || !index) {
        return kWrongKind;
    }
    *index = nearestPaletteIndex(colour->red, colour->green, colour->blue);
    hostOf(self).hooks.record(hostOf(self).hooks.records.paletteCalls,
                              PaletteCall{colour->red, colour->green, colour->blue, *index});
    return zx::kOk;
}

// Runs the dialog modally through the USER layer; the driver set by the host (or a test)
// plays the user.
zx::Result ZX_CALL runDialog(zx::HostUtilities* self, HINSTANCE instance, int32_t dialogId,
                             zx::DialogProc proc, void* parameter) {
    HostImpl& host = hostOf(self);
    if (const zx::Result fault = host.hooks.check(fault::kRunDialog)) {
        return fault;
    }
    ++host.hooks.records.dialogsRun;
    HWND owner = host.stage ? host.stage->window() : nullptr;
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(dialogId), owner, proc,
                                           reinterpret_cast<LPARAM>(parameter));
    return result == -1 ? zx::kResourceNotFound : zx::kOk;
}

} // namespace

const zx::HostUtilitiesOps kUtilitiesOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::HostUtilities),
    nullptr,
    nullptr,        // 3, 4
    &messageOutput, // 5
    nullptr,
    nullptr,         // 6, 7
    &stringToSymbol, // 8
    nullptr,
    nullptr,
    nullptr,
    &releaseValue,   // 12
    &valueToInteger, // 13
    nullptr,
    &valueToFloat, // 15
    nullptr,
    &valueToString, // 17
    &stringToValue, // 18
    nullptr,
    nullptr,
    &valueToRect,    // 21
    &integerToValue, // 22
    nullptr,
    &floatToValue, // 24
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    &pictureFromDIB, // 29
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,       // 30-42
    &paletteIndex, // 43
    nullptr,
    &runDialog, // 45
};

} // namespace zxhost
