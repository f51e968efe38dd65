// A cast member: either a plug-in member (an asset instance of a module's kind) or a
// bitmap member that carries "Image" media as a packed DIB.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "zxframe/plugin_interfaces.h"
#include "zxhost/value.h"

namespace zxhost {

class HostImpl;
class Host;
class Module;

// The result of a property read or a command: the plug-in's result code and the value.
struct CallResult {
    int32_t code = 0;
    Value value;
    bool ok() const { return code == 0; }
};

// Control values of a properties dialog, by control id: edits as integers (when the
// text is a whole number) or strings, check boxes and radio buttons as booleans.
using DialogValue = std::variant<int32_t, bool, std::string>;
using DialogValues = std::map<int32_t, DialogValue>;

struct DialogOutcome {
    int32_t code = 0;        // ShowPropertiesDialog's result
    bool opened = false;     // the dialog ran and the driver saw it
    DialogValues shown;      // what the controls showed when the dialog opened
    int32_t changeState = 0; // GetChangeState(1) afterwards (0 when it wrote nothing)
};

class Member {
public:
    Member(const Member&) = delete;
    Member& operator=(const Member&) = delete;
    ~Member();

    int32_t id() const { return id_; }
    const std::string& name() const { return name_; }
    // The kind's symbol ("tallydisc"), or "bitmap" for a bitmap member.
    const std::string& kind() const { return kind_; }
    bool isBitmap() const { return asset_ == nullptr; }
    MemberRef ref() const { return MemberRef{id_}; }

    // Scripting: SetProp, GetProp and CallFunction (argv[0] is this member's reference).
    int32_t setProp(const std::string& property, const Value& value);
    CallResult getProp(const std::string& property);
    CallResult call(const std::string& command, const std::vector<Value>& args = {});

    // SaveProps into a memory stream; code receives its result.
    std::vector<uint8_t> save(int32_t* code = nullptr);
    // LoadProps from a memory stream holding these bytes. A block whose length is not the
    // kind's saved size (GetSavedSize) gives a warning: written to `warning` when given (the
    // caller reports it), logged as a "warning" event otherwise.
    int32_t load(const std::vector<uint8_t>& bytes, std::string* warning = nullptr);
    // GetSavedSize (-1 when the call failed).
    int32_t savedSize();
    // GetDefaultRect, or an empty rectangle on failure.
    Rect defaultRect();

    // Runs ShowPropertiesDialog; a driver reads the controls as they were opened, sets the
    // given values and presses OK or Cancel.
    DialogOutcome dialog(const DialogValues& values, bool ok);
    // Runs ShowPropertiesDialog with a driver of the caller's: it gets the open dialog once
    // the procedure has filled it (natively it may paint it and feed it input until it ends)
    // and returns the id of the button to press if it has not ended. Returns
    // ShowPropertiesDialog's code; a kind without a dialog never calls the driver.
    int32_t showDialog(const std::function<int(HWND dialog)>& driver);

    // DrawThumbnail into a DC through a draw context of the given kind.
    int32_t drawThumbnail(HDC dc, const Rect& rect, int32_t contextKind = 1);

    // Properties that carried text through SetProp or GetProp, in first-use order: a save
    // checks that they survive a reload (Host::saveMovie).
    const std::vector<std::string>& textProperties() const { return textProperties_; }

    // Direct access for tests.
    zx::AssetInterface* asset() const { return asset_; }
    // The host object given to SetMemberHost (null for a bitmap member).
    zx::MemberHost* memberHost() const { return reinterpret_cast<zx::MemberHost*>(memberHost_); }
    Module* module() const { return module_; }
    // A bitmap member's packed DIB (header, colour table, rows) or empty.
    const std::vector<uint8_t>& dib() const { return dib_; }

private:
    friend class HostImpl;
    friend class Host;
    friend struct MemberAccess;
    Member() = default;

    HostImpl* host_ = nullptr;
    int32_t id_ = 0;
    std::string name_;
    std::string kind_;
    Module* module_ = nullptr;
    zx::AssetInterface* asset_ = nullptr;
    struct MemberHostObject* memberHost_ = nullptr;
    std::vector<uint8_t> dib_;
    std::vector<std::string> textProperties_;
    void noteText(const std::string& property);
};

} // namespace zxhost
