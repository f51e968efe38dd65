// Fault injection and recording, so that a plug-in's edge cases can be driven through the
// same road the host uses. Everything here is off (no faults) unless a test arms it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "zxframe/abi.h"
#include "zxhost/value.h"

namespace zxhost {

// The places where a fault can be injected. Query faults name the service instead.
namespace fault {
inline constexpr const char* kAlloc = "alloc";                   // HostAllocator 3 -> null
inline constexpr const char* kCreateInstance = "createInstance"; // HostCallback 3
inline constexpr const char* kForeignResources = "beginResources.foreign"; // foreign HINSTANCE
inline constexpr const char* kAddEntry = "addEntry";                       // RegistryCache 7
inline constexpr const char* kPut = "put";                                 // RegistryDict 6
inline constexpr const char* kAllocHandle = "allocHandle";                 // HandleMemory 3 -> 0
inline constexpr const char* kPictureFromDIB = "pictureFromDIB";           // HostUtilities 29
inline constexpr const char* kRunDialog = "runDialog";                     // HostUtilities 45
inline constexpr const char* kStreamOpen = "stream.open";
inline constexpr const char* kStreamRead = "stream.read";
inline constexpr const char* kStreamWrite = "stream.write";
inline constexpr const char* kStreamGetSize = "stream.getSize";
inline constexpr const char* kMediaMemberRef = "media.memberRef";       // media services 3
inline constexpr const char* kMediaPrepare = "media.prepare";           // media services 5
inline constexpr const char* kMovieMemberObject = "movie.memberObject"; // movie 17
inline constexpr const char* kMovieStageSurface = "movie.stageSurface"; // movie 19
inline constexpr const char* kCurrentMovie = "stage.currentMovie";      // StageServices 6
inline constexpr const char* kMemberFill = "castMember.fill";           // cast-member object 5
inline constexpr const char* kListCount = "list.count";
inline constexpr const char* kListItem = "list.item";
inline constexpr const char* kSpriteReference = "sprite.reference"; // SpriteServices 4
// QueryInterface of a service: "query:" + one of these names.
inline constexpr const char* kQueryHostUtilities = "query:HostUtilities";
inline constexpr const char* kQueryHandleMemory = "query:HandleMemory";
inline constexpr const char* kQueryStageServices = "query:StageServices";
inline constexpr const char* kQueryMediaServices = "query:MemberMediaServices";
inline constexpr const char* kQueryListServices = "query:ListServices";
inline constexpr const char* kQuerySpriteServices = "query:SpriteServices";
} // namespace fault

// Names of host objects in the reference balance (TestHooks::liveReferences).
namespace object {
inline constexpr const char* kHostUtilities = "HostUtilities";
inline constexpr const char* kHandleMemory = "HandleMemory";
inline constexpr const char* kStageServices = "StageServices";
inline constexpr const char* kMediaServices = "MemberMediaServices";
inline constexpr const char* kListServices = "ListServices";
inline constexpr const char* kMovie = "Movie";
inline constexpr const char* kStageSurface = "StageSurface";
inline constexpr const char* kCastMemberObject = "CastMemberObject";
inline constexpr const char* kMemberHost = "MemberHost";
inline constexpr const char* kSpriteHost = "SpriteHost";
inline constexpr const char* kSpriteServices = "SpriteServices";
inline constexpr const char* kRedrawService = "RedrawService";
inline constexpr const char* kDrawContext = "DrawContext";
inline constexpr const char* kMediaStream = "MediaStream";
inline constexpr const char* kHostCallback = "HostCallback";
inline constexpr const char* kHostAllocator = "HostAllocator";
} // namespace object

struct PutCall {
    int32_t type = 0;
    std::string key;
    std::string text;   // type 9
    int32_t number = 0; // types 3 and 8
    int32_t length = 0;
    int32_t result = 0; // what the host answered
};

struct HandlerCall {
    std::string name;
    int32_t argc = 0;
    std::vector<Value> args;
    int32_t spriteId = 0;
};

struct DrawPictureCall {
    zx::HostRect destination{};
    zx::HostRect source{};
    int32_t picture = 0; // value-store handle
    int32_t ink = 0;
    std::array<int32_t, 4> params{};
    int32_t result = 0;
};

struct RedrawRequest {
    int32_t spriteId = 0;
    intptr_t value = 0;
};

struct Notification {
    int32_t memberId = 0;
    int32_t code = 0;
};

struct PaletteCall {
    uint8_t red = 0, green = 0, blue = 0;
    uint8_t index = 0;
};

// What the host saw. Cleared by TestHooks::clearRecords.
struct Records {
    std::vector<PutCall> puts;
    std::vector<RedrawRequest> redrawRequests; // redraw service 3 (Idle)
    std::vector<int32_t> spriteHostRedraws;    // SpriteHost 3, by sprite id
    std::vector<Notification> notifications;   // MemberHost 5
    std::vector<HandlerCall> handlerCalls;     // SpriteServices 5
    std::vector<DrawPictureCall> drawPictures; // DrawContext 7
    std::vector<std::string> outputs;          // HostUtilities 5, formatted
    std::vector<PaletteCall> paletteCalls;     // HostUtilities 43
    std::vector<int32_t> canUnloadNow;         // results of DllCanUnloadNow
    int32_t beginResources = 0;
    int32_t endResources = 0;
    int32_t unpairedEndResources = 0; // EndResources without a matching open token
    int32_t instancesCreated = 0;
    int32_t instancesDestroyed = 0;
    int32_t dialogsRun = 0;
};

// A fault: fail the nth call (1-based) from now, or every call when nth is 0.
struct FaultRule {
    int32_t nth = 0;
    int32_t code = static_cast<int32_t>(0x80040002u);
    bool repeat = false; // with nth > 0: fail every call from the nth on
};

// A stream whose GetSize and Read return arbitrary bytes, for LoadProps edge cases.
struct StreamOverride {
    std::vector<uint8_t> bytes;
    std::optional<int32_t> reportedSize; // GetSize answers this instead of bytes.size()
};

class TestHooks {
public:
    // Arms a fault at one of the fault:: places (or "query:<service>").
    void failAt(const std::string& place, FaultRule rule = {});
    void failNth(const std::string& place, int32_t nth,
                 int32_t code = static_cast<int32_t>(0x80040002u));
    void clearFaults();
    // Called by the host at each fault place: the code to fail with, or 0.
    int32_t check(const std::string& place);
    // How often a place was reached since the last clearFaults.
    int32_t calls(const std::string& place) const;

    // CallFunction's argc: by default it counts the script arguments only (argv holds
    // argc + 1 values). With this switch it counts element 0 too.
    bool argcCountsMemberRef = false;

    // The next member load reads this instead of the given bytes (once).
    std::optional<StreamOverride> nextStream;

    // Runs inside the redraw service's request (a sprite's Idle asking to be drawn), as code
    // that a plug-in calls there would: a test removes sprites or members in the middle of
    // an Idle with it. Gets the requesting sprite's id.
    std::function<void(int32_t spriteId)> duringRedrawRequest;

    Records records;
    void clearRecords() { records = Records{}; }
    // Whether the lists of Records grow. A long-running player turns them off so that a
    // session of hours does not keep every call it ever saw; the counters still count.
    bool keepRecords = true;
    template <typename List, typename Item>
    void record(List& list, Item&& item) {
        if (keepRecords) {
            list.push_back(std::forward<Item>(item));
        }
    }

    // Reference balance of every host object handed out: references taken minus released,
    // by object name (object::). Zero when a plug-in released what it obtained.
    std::map<std::string, int32_t> liveReferences;
    int32_t liveReferenceTotal() const;

private:
    std::map<std::string, FaultRule> faults_;
    std::map<std::string, int32_t> calls_;
};

} // namespace zxhost
