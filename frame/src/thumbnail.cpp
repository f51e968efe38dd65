// DrawThumbnail: the kind's thumbnail bitmap stretched over the cast window's rectangle.
#include "frame_internal.h"

#include "zxplugin/gdi_guards.h"

namespace zx {

Result ZX_CALL assetDrawThumbnail(AssetInterface* self, DrawContext* context,
                                  const HostRect* rect) {
    const AssetKind& kind = thisKind().asset;
    AssetRecord& asset = *assetOf(self);
    const NativeInfo info = nativeInfoOf(context);
    HostCallback* callback = hostCallback(asset.header);
    intptr_t token = 0;
    HINSTANCE instance = callback->ops->beginResources(callback, moduleHandle(), &token);
    if (info.kind >= 1 && info.kind <= 3 && info.dc != nullptr && kind.thumbnailId != 0) {
        const HDC dc = info.dc;
        Selection pen(dc, GetStockObject(NULL_PEN));
        Selection brush(dc, GetStockObject(NULL_BRUSH));
        GdiObject<HBITMAP> bitmap(LoadBitmapA(instance, MAKEINTRESOURCEA(kind.thumbnailId)));
        BITMAP size{};
        if (bitmap && GetObjectA(bitmap.get(), sizeof size, &size) != 0) {
            MemoryDC memory(dc);
            if (memory) {
                Selection picture(memory.get(), bitmap.get());
                StretchBlt(dc, rect->left, rect->top, rect->right - rect->left,
                           rect->bottom - rect->top, memory.get(), 0, 0, size.bmWidth,
                           size.bmHeight, SRCCOPY);
            }
        }
    }
    callback->ops->endResources(callback, moduleHandle(), token);
    return kOk;
}

} // namespace zx
