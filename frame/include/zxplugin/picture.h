// Pictures of the bitmap-based kinds: a packed bitmap in a HandleMemory handle and the
// host's picture value made from it, loaded from a module bitmap resource or copied from
// another cast member's "Image" media.
#pragma once

#include <windows.h>

#include "zxplugin/records.h"

namespace zx {

struct Picture {
    void* handle = nullptr;       // HandleMemory handle holding the packed bitmap
    const void* bitmap = nullptr; // the locked bitmap: header, colour table, rows
    const void* pixels = nullptr; // its pixel rows
    HostValue value{};            // from PictureFromDIB
    bool hasValue = false;
};

// Loads bitmap resource `id` of the module ("#id"). 0x80040001 when the resource is not
// there, 0x80040002 when no handle could be allocated; a failed PictureFromDIB leaves the
// picture without a value. Any picture held before is freed first.
Result loadPicture(InstanceHeader& owner, int32_t id, Picture& picture);

// Releases the value and frees the handle; the picture is empty afterwards.
void freePicture(InstanceHeader& owner, Picture& picture);

// The picture's width and absolute height centred on (0, 0); empty without a picture.
RECT pictureRect(const Picture& picture);

// Draws the picture through the draw context onto `destination`, with the draw record's
// ink and ink parameters.
Result drawPicture(DrawContext* context, const Picture& picture, const HostRect& destination,
                   const DrawRecord& record);

// Replaces the picture with a copy of the "Image" media (format "winDIB") of the cast member
// that the script value names. The foreign bitmap is checked first; on any failure the old
// picture stays and the host's result (or 0x80040002) is returned.
Result copyPictureFromMember(InstanceHeader& owner, const HostValue& member, Picture& picture);

} // namespace zx
