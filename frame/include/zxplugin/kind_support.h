// What sprite kinds share instead of copying from each other: script values converted with
// the host's rules, typed access from a sprite to its member's properties, and per-sprite
// state with a proper lifetime. The frame's own tables are in kind.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <string>
#include <string_view>

#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace zx {

// Room for a script's text where a kind keeps no fixed buffer.
inline constexpr size_t kScriptTextCapacity = 4095;

// A value a script writes, read with the host's conversions. A failed conversion gives the
// fallback, so a property keeps its old value when a script writes something unconvertible.
class ScriptValue {
public:
    ScriptValue(HostUtilities& utilities, const HostValue* value)
        : utilities_(utilities), value_(value) {}

    int32_t integer(int32_t fallback) const;
    double number(double fallback) const;
    // At most `capacity` characters.
    std::string text(size_t capacity = kScriptTextCapacity) const;
    // Into a fixed buffer of `size` bytes: at most size - 1 characters, always terminated.
    void textInto(char* buffer, size_t size) const;

    const HostValue* raw() const { return value_; }
    HostUtilities& utilities() const { return utilities_; }

private:
    HostUtilities& utilities_;
    const HostValue* value_;
};

// The value a property read or a command gives back to the script.
class ScriptAnswer {
public:
    ScriptAnswer(HostUtilities& utilities, HostValue* out) : utilities_(utilities), out_(out) {}

    Result integer(int32_t value);
    Result number(double value);
    Result text(const std::string& value) { return text(value.c_str()); }
    Result text(const char* value);

private:
    HostUtilities& utilities_;
    HostValue* out_;
};

// A property of the sprite's member, read and written through the member's GetProp and
// SetProp with the sprite's symbol of it, every host value released again. T is int32_t,
// uint32_t (a colour), double or std::string (a text of at most kScriptTextCapacity
// characters). A failure gives the host's result and leaves `out` alone.
template <class T>
class MemberProperty {
public:
    explicit constexpr MemberProperty(const char* name) : name_(name) {}

    Result read(ActorRecord& actor, T* out) const;
    Result write(ActorRecord& actor, T value) const;
    // The actor's symbol of the property; 0 when the kind has no row of that name.
    Symbol symbol(ActorRecord& actor) const;

private:
    const char* name_;
};

// Typed per-sprite state, made when the actor is constructed and destroyed with it:
//   .actor = {.state = zx::ActorState<SpriteState>::lifetime, ...}
//   SpriteState& s = zx::ActorState<SpriteState>::of(actor);
template <class T>
struct ActorState {
    static_assert(alignof(T) <= 8, "actor state is aligned for doubles");
    static constexpr ActorStateLifetime lifetime{
        sizeof(T),
        [](void* storage) { new (storage) T{}; },
        [](void* storage) { static_cast<T*>(storage)->~T(); },
    };
    static T& of(ActorRecord& actor) { return *static_cast<T*>(actorState(actor)); }
};

// Sets the ChangedFlag of the sprite's member, so that the next Idle asks for a redraw.
void markMemberChanged(ActorRecord& actor);

// Calls the movie's script handler `name` ("Refresh", "SetSpriteCursor") for this sprite
// through its SpriteServices, with the given arguments; the handler's answer is released.
// The host's result, or 0x80040004 when the sprite has no SpriteServices. The handler may
// change anything, even remove this sprite's member from the cast: the host keeps the
// instances alive until the outermost call into the plug-in returns.
Result callMovieHandler(ActorRecord& actor, const char* name,
                        std::span<const HostValue> arguments = {});

} // namespace zx
