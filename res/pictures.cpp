#include "res/corvane_resources.h"
#include "res/resource.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The bytes of res/art/corvane.ico and res/art/logo.bmp, embedded by the build.
extern const std::uint8_t kCorvaneIconFile[];
extern const std::size_t kCorvaneIconFileSize;
extern const std::uint8_t kCorvaneLogoFile[];
extern const std::size_t kCorvaneLogoFileSize;

std::span<const IconResource> CorvaneIcons()
{
    static const std::array icons = {
        IconResource{IDR_MAINFRAME, LANG_ENGLISH_AUSTRALIA, {kCorvaneIconFile, kCorvaneIconFileSize}},
    };
    return icons;
}

std::span<const BitmapResource> CorvaneBitmaps()
{
    static const std::array bitmaps = {
        BitmapResource{IDB_LOGO, LANG_ENGLISH_AUSTRALIA, {kCorvaneLogoFile, kCorvaneLogoFileSize}},
    };
    return bitmaps;
}
