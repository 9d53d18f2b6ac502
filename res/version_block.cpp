#include "res/corvane_resources.h"

#include <array>

namespace {

constexpr std::array kVersionStrings = {
    VersionString{u"FileDescription", u"Corvane MFC Application"},
    VersionString{u"FileVersion", u"1, 0, 0, 3"},
    VersionString{u"InternalName", u"Corvane"},
    VersionString{u"LegalCopyright", u"Copyright (C) 2026 the Corvane developers. All rights reserved."},
    VersionString{u"OriginalFilename", u"Corvane.EXE"},
    VersionString{u"ProductName", u"Corvane Application"},
    VersionString{u"ProductVersion", u"1, 0, 0, 3"},
};

constexpr DWORD VOS__WINDOWS32 = 4;
constexpr DWORD VFT_APP = 1;

constexpr VersionBlock kVersionBlock{
    {1, 0, 0, 3}, {1, 0, 0, 3}, 0x3F, 0, VOS__WINDOWS32, VFT_APP, 0,
    u"040904b0", kVersionStrings, LANG_ENGLISH_US, 1200, LANG_ENGLISH_US,
};

} // namespace

const VersionBlock& CorvaneVersionBlock()
{
    return kVersionBlock;
}
