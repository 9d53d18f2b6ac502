#pragma once
// The program's resources live in res/ as data; the entry points hand them to
// the platform once at start, as a resource module, and the framework's
// loaders (LoadString, dialog templates, icons, the version block) read them
// from there.

#include "platform/win/dialog_template.h"
#include "platform/win/win_types.h"

#include <optional>
#include <span>
#include <string_view>

// Resource languages, by their numeric language identifiers.
inline constexpr WORD LANG_ENGLISH_US = 0x0409;
inline constexpr WORD LANG_ENGLISH_AUSTRALIA = 0x0C09;

struct StringResource {
    UINT nID;
    std::u16string_view text; // held as UTF-16, converted to narrow text when loaded
};

struct VersionString {
    std::u16string_view key;
    std::u16string_view value;
};

// The version block: fixed part and one string table.
struct VersionBlock {
    WORD fileVersion[4];
    WORD productVersion[4];
    DWORD fileFlagsMask;
    DWORD fileFlags;
    DWORD fileOS;
    DWORD fileType;
    DWORD fileSubtype;
    std::u16string_view stringTableKey;
    std::span<const VersionString> strings;
    WORD translationLanguage;
    WORD translationCodePage;
    WORD language;
};

// An icon group with its images, held as the bytes of an icon file
// (directory, then each image as a device-independent bitmap with its mask).
struct IconResource {
    UINT nID;
    WORD language;
    std::span<const BYTE> iconFile;
};

// A device-independent bitmap, held as the bytes of a bitmap file.
struct BitmapResource {
    UINT nID;
    WORD language;
    std::span<const BYTE> bitmapFile;
};

struct ResourceModule {
    WORD stringLanguage = LANG_ENGLISH_US;
    std::span<const StringResource> strings;
    const VersionBlock* version = nullptr;
    std::span<const DialogTemplate> dialogs = {};
    std::span<const IconResource> icons = {};
    std::span<const BitmapResource> bitmaps = {};
};

// The module stays owned by the caller (res/ keeps it in static storage).
void AfxSetResourceModule(const ResourceModule& module);
const ResourceModule* AfxGetResourceModule();

std::optional<std::u16string_view> FindStringResource(UINT nID);
const DialogTemplate* FindDialogTemplate(UINT nID);
const IconResource* FindIconResource(UINT nID);
const BitmapResource* FindBitmapResource(UINT nID);
