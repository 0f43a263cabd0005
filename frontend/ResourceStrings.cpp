#include "ResourceStrings.h"

#include "ResourceIds.h"

std::string LoadResourceString(int id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        // The blank before "の" belongs to the menu entry only, not to the
        // about box caption.
        return "Trelk_Dump のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    default:
        return std::string();
    }
}
