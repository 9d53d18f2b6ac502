// The dialog templates, the icon, the logo bitmap and the resource languages
// as the program carries them.

#include "platform/win/resources.h"
#include "res/corvane_resources.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

class DialogResources : public ::testing::Test {
protected:
    void SetUp() override { UseCorvaneResources(); }
};

std::uint32_t U16(std::span<const BYTE> data, std::size_t offset)
{
    return data[offset] | (data[offset + 1] << 8);
}

std::uint32_t U32(std::span<const BYTE> data, std::size_t offset)
{
    return U16(data, offset) | (U16(data, offset + 2) << 16);
}

std::int32_t S32(std::span<const BYTE> data, std::size_t offset)
{
    return static_cast<std::int32_t>(U32(data, offset));
}

struct ExpectedControl {
    int nID;
    ControlClass controlClass;
    DWORD style;   // as the stored 32-bit value
    DWORD exStyle;
};

// The stored style values of each control, in template order: a wrong flag
// constant or a missing flag changes the value.
constexpr ExpectedControl kMainControls[] = {
    {IDOK, ControlClass::Button, 0x50010001, 0},
    {IDCANCEL, ControlClass::Button, 0x50010000, 0},
    {IDC_FILE_NAME, ControlClass::Edit, 0x50810880, 0},
    {IDC_BROWSE_FILE, ControlClass::Button, 0x50010000, 0},
    {IDC_STATIC, ControlClass::Button, 0x50000007, 0},
    {IDC_STATIC, ControlClass::Static, 0x50020002, 0},
    {IDC_HELP_SUMMARY, ControlClass::Button, 0x50010000, 0},
    {IDC_STATIC, ControlClass::Button, 0x50000007, 0},
    {IDC_RESULT, ControlClass::Edit, 0x50910804, 0},
    {IDC_STATUS, ControlClass::Static, 0x50820001, 0},
    {IDC_EDIT_FILE, ControlClass::Button, 0x50010000, 0},
    {IDC_STATIC, ControlClass::Button, 0x50000007, 0},
    {IDC_EDITOR_NAME, ControlClass::Edit, 0x50810880, 0},
    {IDC_BROWSE_EDITOR, ControlClass::Button, 0x50010000, 0},
    {IDC_STATIC, ControlClass::Static, 0x50020002, 0},
    {IDC_LOGO, ControlClass::Static, 0x5000020E, 0x00020200},
};

constexpr ExpectedControl kAboutControls[] = {
    {IDC_STATIC, ControlClass::Static, 0x50000003, 0},
    {IDC_STATIC, ControlClass::Static, 0x50020080, 0},
    {IDC_STATIC, ControlClass::Static, 0x50020000, 0},
    {IDOK, ControlClass::Button, 0x50030001, 0},
};

void ExpectControls(const DialogTemplate& dialog, std::span<const ExpectedControl> expected)
{
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_EQ(dialog.items[i].nID, expected[i].nID);
        EXPECT_EQ(dialog.items[i].controlClass, expected[i].controlClass);
        EXPECT_EQ(dialog.items[i].style, expected[i].style);
        EXPECT_EQ(dialog.items[i].exStyle, expected[i].exStyle);
        EXPECT_EQ(dialog.items[i].helpID, 0u);
    }
}

TEST_F(DialogResources, MainTemplateHasItsFrameFontAndControls)
{
    const DialogTemplate* dialog = FindDialogTemplate(IDD_CORVANE_DIALOG);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->format, TemplateFormat::Extended);
    EXPECT_EQ(dialog->caption, u"XML Validation");
    EXPECT_EQ(dialog->style, 0x90C800C0u);
    EXPECT_EQ(dialog->exStyle, 0x00040000u);
    EXPECT_EQ(dialog->rect.cx, 280);
    EXPECT_EQ(dialog->rect.cy, 273);
    EXPECT_EQ(dialog->font.typeface, u"MS Sans Serif");
    EXPECT_EQ(dialog->font.pointSize, 8);
    EXPECT_EQ(dialog->font.weight, 0);
    EXPECT_EQ(dialog->font.italic, 0);
    EXPECT_EQ(dialog->font.charset, 1);
    // No box to minimise, maximise or resize it.
    EXPECT_EQ(dialog->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    ExpectControls(*dialog, kMainControls);
}

TEST_F(DialogResources, AboutTemplateHasItsFrameFontAndControls)
{
    const DialogTemplate* dialog = FindDialogTemplate(IDD_ABOUTBOX);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->format, TemplateFormat::Classic);
    EXPECT_EQ(dialog->caption, u"About Corvane");
    EXPECT_EQ(dialog->style, 0x80C800C0u);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->rect.cx, 235);
    EXPECT_EQ(dialog->rect.cy, 55);
    EXPECT_EQ(dialog->font.typeface, u"MS Sans Serif");
    EXPECT_EQ(dialog->font.pointSize, 8);
    ExpectControls(*dialog, kAboutControls);

    EXPECT_TRUE(dialog->items[0].text.IsResource());
    EXPECT_EQ(dialog->items[0].text.resourceNumber, IDR_MAINFRAME);
    EXPECT_EQ(dialog->items[1].text.text, u"Corvane Version 1.0");
    EXPECT_FALSE(dialog->items[2].text.text.empty());
}

TEST_F(DialogResources, TabStopsRunInTemplateOrderNotVisualOrder)
{
    const DialogTemplate* dialog = FindDialogTemplate(IDD_CORVANE_DIALOG);
    ASSERT_NE(dialog, nullptr);
    std::vector<int> tabStops;
    for (const DialogItemTemplate& item : dialog->items) {
        if ((item.style & WS_TABSTOP) != 0)
            tabStops.push_back(item.nID);
    }
    const std::vector<int> expected = {IDOK,          IDCANCEL,      IDC_FILE_NAME,   IDC_BROWSE_FILE,  IDC_HELP_SUMMARY,
                                       IDC_RESULT,    IDC_EDIT_FILE, IDC_EDITOR_NAME, IDC_BROWSE_EDITOR};
    EXPECT_EQ(tabStops, expected);
}

TEST_F(DialogResources, ButtonRowAndFieldsLieWhereTheLayoutPutsThem)
{
    const DialogTemplate* dialog = FindDialogTemplate(IDD_CORVANE_DIALOG);
    ASSERT_NE(dialog, nullptr);
    auto find = [dialog](int nID) -> const DialogItemTemplate& {
        for (const DialogItemTemplate& item : dialog->items) {
            if (item.nID == nID)
                return item;
        }
        ADD_FAILURE() << "no control " << nID;
        return dialog->items[0];
    };
    // One row at y = 252: OK, Edit, Cancel, Help from left to right.
    const int row[] = {IDOK, IDC_EDIT_FILE, IDCANCEL, IDC_HELP_SUMMARY};
    const short xs[] = {7, 79, 151, 223};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(find(row[i]).rect.x, xs[i]);
        EXPECT_EQ(find(row[i]).rect.y, 252);
    }
    // The editor field starts one unit left of the file-name field.
    EXPECT_EQ(find(IDC_FILE_NAME).rect.x, 76);
    EXPECT_EQ(find(IDC_EDITOR_NAME).rect.x, 75);
    EXPECT_EQ(find(IDC_LOGO).text.resourceNumber, IDB_LOGO);
}

TEST_F(DialogResources, ResourceLanguagesAreRecorded)
{
    const ResourceModule& module = CorvaneResources();
    EXPECT_EQ(module.stringLanguage, LANG_ENGLISH_US);
    ASSERT_NE(module.version, nullptr);
    EXPECT_EQ(module.version->language, LANG_ENGLISH_US);
    ASSERT_EQ(module.dialogs.size(), 2u);
    for (const DialogTemplate& dialog : module.dialogs)
        EXPECT_EQ(dialog.language, LANG_ENGLISH_US) << dialog.nID;
    ASSERT_EQ(module.icons.size(), 1u);
    EXPECT_EQ(module.icons[0].language, LANG_ENGLISH_AUSTRALIA);
    ASSERT_EQ(module.bitmaps.size(), 1u);
    EXPECT_EQ(module.bitmaps[0].language, LANG_ENGLISH_AUSTRALIA);
}

TEST_F(DialogResources, LogoIsAnUncompressedBottomUp8BitBitmapWithAFullPalette)
{
    const BitmapResource* logo = FindBitmapResource(IDB_LOGO);
    ASSERT_NE(logo, nullptr);
    const std::span<const BYTE> file = logo->bitmapFile;
    ASSERT_GE(file.size(), 14u + 40u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size());

    const std::size_t info = 14;
    EXPECT_EQ(U32(file, info), 40u);              // header size
    EXPECT_EQ(S32(file, info + 4), 206);          // width
    EXPECT_EQ(S32(file, info + 8), 57);           // positive height: bottom-up
    EXPECT_EQ(U16(file, info + 12), 1u);          // planes
    EXPECT_EQ(U16(file, info + 14), 8u);          // bits per pixel
    EXPECT_EQ(U32(file, info + 16), 0u);          // uncompressed
    const std::uint32_t colours = U32(file, info + 32);
    EXPECT_TRUE(colours == 256 || colours == 0) << colours; // 0 also means all 256

    const std::size_t stride = (206 + 3) / 4 * 4;
    const std::size_t bitsOffset = info + 40 + 256 * 4;
    EXPECT_EQ(U32(file, 10), bitsOffset);
    EXPECT_EQ(file.size(), bitsOffset + stride * 57);
}

TEST_F(DialogResources, IconIsOne32By32SixteenColourImageWithItsMask)
{
    const IconResource* icon = FindIconResource(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    const std::span<const BYTE> file = icon->iconFile;
    ASSERT_GE(file.size(), 6u + 16u);
    EXPECT_EQ(U16(file, 0), 0u);
    EXPECT_EQ(U16(file, 2), 1u); // an icon, not a cursor
    ASSERT_EQ(U16(file, 4), 1u); // one image
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(file[8], 16);
    EXPECT_EQ(U16(file, 6 + 6), 4u);
    const std::uint32_t length = U32(file, 6 + 8);
    const std::uint32_t offset = U32(file, 6 + 12);
    ASSERT_EQ(offset + length, file.size());

    const std::span<const BYTE> image = file.subspan(offset, length);
    EXPECT_EQ(U32(image, 0), 40u);
    EXPECT_EQ(S32(image, 4), 32);
    EXPECT_EQ(S32(image, 8), 64); // the colour bits and the mask
    EXPECT_EQ(U16(image, 14), 4u);
    // The standard 16-colour palette, then 32 rows of 16 bytes, then the mask.
    const BYTE standard[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                  {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                  {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                  {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(image[40 + 4 * i + 2], standard[i][0]) << i;
        EXPECT_EQ(image[40 + 4 * i + 1], standard[i][1]) << i;
        EXPECT_EQ(image[40 + 4 * i + 0], standard[i][2]) << i;
    }
    ASSERT_EQ(length, 40u + 64u + 32u * 16u + 32u * 4u);

    // The picture: a red check mark above the letters in black, on light
    // grey that is opaque everywhere.
    const std::size_t bits = 40 + 64;
    auto pixel = [&](int x, int y) {
        const BYTE packed = image[bits + static_cast<std::size_t>(31 - y) * 16 + static_cast<std::size_t>(x / 2)];
        return x % 2 == 0 ? packed >> 4 : packed & 0x0F;
    };
    int lowestRed = -1;
    int highestBlack = 32;
    int grey = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (pixel(x, y) == 9)
                lowestRed = std::max(lowestRed, y);
            if (pixel(x, y) == 0)
                highestBlack = std::min(highestBlack, y);
            grey += pixel(x, y) == 7;
        }
    }
    EXPECT_GE(lowestRed, 0);
    EXPECT_LT(highestBlack, 32);
    EXPECT_LT(lowestRed, highestBlack);
    EXPECT_GT(grey, 32 * 32 / 2);
    EXPECT_EQ(pixel(0, 0), 7);
    for (std::size_t i = bits + 32 * 16; i < length; ++i)
        EXPECT_EQ(image[i], 0) << "mask byte " << i;
}

} // namespace
