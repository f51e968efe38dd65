// The properties dialog: launched through the host with the kind's dialog resource; its
// procedure fills the controls from the PropertyBlock and stores them back on OK, walking
// the kind's table of dialog controls.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame_internal.h"

#include "zxframe/identifiers.h"
#include "zxplugin/host_ref.h"

namespace zx {
namespace {

// The asset whose dialog is open: one modal properties dialog at a time.
AssetRecord* gDialogAsset = nullptr;

int32_t readInt32(const char* field) {
    int32_t v;
    std::memcpy(&v, field, sizeof v);
    return v;
}
void writeInt32(char* field, int32_t v) {
    std::memcpy(field, &v, sizeof v);
}

void fillControls(HWND dialog, AssetRecord& asset) {
    char* block = static_cast<char*>(propertyBlock(asset));
    for (const PropertyRow& row : thisKind().asset.rows) {
        const DialogBinding& control = row.control;
        if (control.type == ControlType::None || !row.hasField) {
            continue;
        }
        char* field = block + row.offset;
        if (control.type == ControlType::Check) {
            CheckDlgButton(dialog, control.id, readInt32(field) != 0 ? BST_CHECKED : 0);
            continue;
        }
        if (control.type == ControlType::Radio) {
            for (int32_t i = 0; i < control.count; ++i) {
                CheckDlgButton(dialog, control.id + i, readInt32(field) == i ? BST_CHECKED : 0);
            }
            continue;
        }
        switch (row.type) {
        case FieldType::Integer:
            SetDlgItemInt(dialog, control.id, static_cast<UINT>(readInt32(field)), TRUE);
            break;
        case FieldType::Color: {
            const auto color = static_cast<uint32_t>(readInt32(field));
            SetDlgItemInt(dialog, control.id, static_cast<UINT>(colorRed(color)), TRUE);
            SetDlgItemInt(dialog, control.id + 1, static_cast<UINT>(colorGreen(color)), TRUE);
            SetDlgItemInt(dialog, control.id + 2, static_cast<UINT>(colorBlue(color)), TRUE);
            break;
        }
        case FieldType::Float: {
            double number;
            std::memcpy(&number, field, sizeof number);
            // "%f" of the largest double has 309 digits before the point.
            char text[512];
            std::snprintf(text, sizeof text, "%f", number);
            SetDlgItemTextA(dialog, control.id, text);
            break;
        }
        case FieldType::Text:
            SetDlgItemTextA(dialog, control.id, field);
            break;
        }
    }
}

void storeControls(HWND dialog, AssetRecord& asset) {
    char* block = static_cast<char*>(propertyBlock(asset));
    for (const PropertyRow& row : thisKind().asset.rows) {
        const DialogBinding& control = row.control;
        if (control.type == ControlType::None || !row.hasField) {
            continue;
        }
        char* field = block + row.offset;
        if (control.type == ControlType::Check) {
            writeInt32(field, IsDlgButtonChecked(dialog, control.id) == BST_CHECKED ? 1 : 0);
            continue;
        }
        if (control.type == ControlType::Radio) {
            for (int32_t i = 0; i < control.count; ++i) {
                if (IsDlgButtonChecked(dialog, control.id + i) == BST_CHECKED) {
                    writeInt32(field, i);
                }
            }
            continue;
        }
        switch (row.type) {
        case FieldType::Integer:
            writeInt32(field,
                       static_cast<int32_t>(GetDlgItemInt(dialog, control.id, nullptr, TRUE)));
            break;
        case FieldType::Color: {
            // Each component keeps its low 8 bits: 300 is stored as 44.
            const auto red = static_cast<int32_t>(GetDlgItemInt(dialog, control.id, nullptr, TRUE));
            const auto green =
                static_cast<int32_t>(GetDlgItemInt(dialog, control.id + 1, nullptr, TRUE));
            const auto blue =
                static_cast<int32_t>(GetDlgItemInt(dialog, control.id + 2, nullptr, TRUE));
            writeInt32(field,
                       static_cast<int32_t>(packColor(red & 0xFF, green & 0xFF, blue & 0xFF)));
            break;
        }
        case FieldType::Float: {
            char text[20] = {}; // at most 19 characters are read
            GetDlgItemTextA(dialog, control.id, text, sizeof text);
            const double number = std::strtod(text, nullptr);
            std::memcpy(field, &number, sizeof number);
            break;
        }
        case FieldType::Text:
            if (row.size > 0) {
                GetDlgItemTextA(dialog, control.id, field, static_cast<int>(row.size));
                field[row.size - 1] = '\0';
            }
            break;
        }
    }
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        gDialogAsset = assetOf(reinterpret_cast<AssetInterface*>(lParam));
        if (gDialogAsset != nullptr) {
            gDialogAsset->dialogState = kDialogOpen;
            fillControls(dialog, *gDialogAsset);
        }
        return 0;
    }
    if (message != WM_COMMAND) {
        return 0;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        if (gDialogAsset != nullptr) {
            const AssetKind& kind = thisKind().asset;
            storeControls(dialog, *gDialogAsset);
            if (kind.normalize != nullptr) {
                kind.normalize(*gDialogAsset, Change{Occasion::DialogOk});
            }
            gDialogAsset->dialogState = kDialogClosedOk;
            if ((kind.changes & changes::kAfterDialogOk) != 0) {
                gDialogAsset->changedFlag = 1;
            }
        }
        EndDialog(dialog, 1);
        return 1;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return 1;
    default:
        return 0;
    }
}

} // namespace

Result ZX_CALL assetShowPropertiesDialog(AssetInterface* self) {
    const AssetKind& kind = thisKind().asset;
    if (kind.dialogId == 0) {
        return kOk;
    }
    AssetRecord& asset = *assetOf(self);
    HostCallback* callback = hostCallback(asset.header);
    intptr_t token = 0;
    HINSTANCE instance = callback->ops->beginResources(callback, moduleHandle(), &token);
    {
        HostRef<HostUtilities> utilities;
        if (queryService(callback, kHostUtilitiesId, utilities) == kOk) {
            // The dialog's own result is not used.
            utilities->ops->runDialog(utilities.get(), instance, kind.dialogId, dialogProcedure,
                                      self);
            gDialogAsset = nullptr;
        }
    }
    callback->ops->endResources(callback, moduleHandle(), token);
    return kOk;
}

} // namespace zx
