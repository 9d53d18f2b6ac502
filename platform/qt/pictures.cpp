#include "platform/qt/pictures.h"

#include "platform/win/resources.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace {

class ByteReader {
public:
    explicit ByteReader(std::span<const BYTE> data) : m_data(data) {}

    bool Has(std::size_t offset, std::size_t count) const
    {
        return offset <= m_data.size() && count <= m_data.size() - offset;
    }
    std::uint32_t U8(std::size_t offset) const { return m_data[offset]; }
    std::uint32_t U16(std::size_t offset) const { return U8(offset) | (U8(offset + 1) << 8); }
    std::uint32_t U32(std::size_t offset) const { return U16(offset) | (U16(offset + 2) << 16); }
    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::span<const BYTE> Sub(std::size_t offset, std::size_t count) const { return m_data.subspan(offset, count); }

private:
    std::span<const BYTE> m_data;
};

constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kLargestIcon = 256;

bool IsPng(std::span<const BYTE> data)
{
    static constexpr BYTE signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return data.size() >= sizeof signature && std::equal(std::begin(signature), std::end(signature), data.begin());
}

// Takes an icon image's transparency from its mask: bottom-up rows of one
// bit a pixel, 1 for transparent. Without a mask every pixel is opaque.
void ApplyIconMask(QImage& image, const ByteReader& in, bool hasMask, std::size_t maskOffset,
                   std::size_t maskStride)
{
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const std::size_t maskRow = maskOffset + maskStride * static_cast<std::size_t>(height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool transparent =
                hasMask && ((in.U8(maskRow + static_cast<std::size_t>(x) / 8) >> (7 - x % 8)) & 1u) != 0;
            line[x] = transparent ? 0u : (line[x] | 0xFF000000u);
        }
    }
}

// One icon image: a bitmap information header, its colour table, the colour
// bits and the mask, both bottom-up, at twice the picture's height.
QImage DecodeIconImage(std::span<const BYTE> data)
{
    if (IsPng(data))
        return QImage::fromData(data.data(), static_cast<int>(data.size()), "PNG");

    const ByteReader in(data);
    if (!in.Has(0, kInfoHeaderSize))
        return {};
    const std::uint32_t headerSize = in.U32(0);
    const std::int32_t width = in.S32(4);
    const std::int32_t doubleHeight = in.S32(8);
    const std::uint32_t bits = in.U16(14);
    const std::uint32_t compression = in.U32(16);
    std::uint32_t coloursUsed = in.U32(32);
    if (headerSize < kInfoHeaderSize || width <= 0 || width > kLargestIcon || doubleHeight <= 0 ||
        doubleHeight % 2 != 0 || doubleHeight / 2 > kLargestIcon || compression != 0)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return {};
    const int height = doubleHeight / 2;

    std::size_t offset = headerSize;
    std::vector<QRgb> palette;
    if (bits <= 8) {
        const std::uint32_t maxColours = 1u << bits;
        if (coloursUsed == 0 || coloursUsed > maxColours)
            coloursUsed = maxColours;
        if (!in.Has(offset, std::size_t{coloursUsed} * 4))
            return {};
        for (std::uint32_t i = 0; i < coloursUsed; ++i, offset += 4)
            palette.push_back(qRgb(static_cast<int>(in.U8(offset + 2)), static_cast<int>(in.U8(offset + 1)),
                                   static_cast<int>(in.U8(offset))));
    }

    const std::size_t colourStride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t maskStride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
    const std::size_t colourOffset = offset;
    const std::size_t maskOffset = colourOffset + colourStride * static_cast<std::size_t>(height);
    if (!in.Has(colourOffset, colourStride * static_cast<std::size_t>(height)))
        return {};
    // A 32-bit image may come without a mask: its alpha channel is the mask.
    const bool hasMask = in.Has(maskOffset, maskStride * static_cast<std::size_t>(height));
    if (!hasMask && bits != 32)
        return {};

    bool anyAlpha = false;
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = colourOffset + colourStride * static_cast<std::size_t>(height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits <= 8) {
                const std::size_t bitIndex = static_cast<std::size_t>(x) * bits;
                const std::uint32_t byte = in.U8(row + bitIndex / 8);
                const std::uint32_t shift = 8 - bits - static_cast<std::uint32_t>(bitIndex % 8);
                const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1);
                line[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            } else {
                const std::size_t p = row + static_cast<std::size_t>(x) * (bits / 8);
                const int alpha = bits == 32 ? static_cast<int>(in.U8(p + 3)) : 255;
                anyAlpha = anyAlpha || alpha != 0;
                line[x] = qRgba(static_cast<int>(in.U8(p + 2)), static_cast<int>(in.U8(p + 1)),
                                static_cast<int>(in.U8(p)), alpha);
            }
        }
    }

    // A 32-bit image with an alpha channel carries its own transparency;
    // every other image takes it from the mask.
    if (!(bits == 32 && anyAlpha))
        ApplyIconMask(image, in, hasMask, maskOffset, maskStride);
    return image;
}

struct IconCache {
    std::mutex mutex;
    std::map<const BYTE*, std::unique_ptr<IconImage>> icons;
};

IconCache& Icons()
{
    static IconCache cache;
    return cache;
}

} // namespace

QImage DecodeIconFile(std::span<const BYTE> iconFile, int preferredSize)
{
    const ByteReader in(iconFile);
    if (!in.Has(0, kIconDirectorySize) || in.U16(0) != 0 || in.U16(2) != 1)
        return {};
    const std::uint32_t count = in.U16(4);
    if (count == 0 || !in.Has(kIconDirectorySize, count * kIconEntrySize))
        return {};

    std::size_t best = count;
    int bestSize = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kIconDirectorySize + i * kIconEntrySize;
        const int size = in.U8(entry) == 0 ? kLargestIcon : static_cast<int>(in.U8(entry));
        const bool better = best == count || (size == preferredSize && bestSize != preferredSize) ||
                            (bestSize != preferredSize && size > bestSize);
        if (better) {
            best = i;
            bestSize = size;
        }
    }
    const std::size_t entry = kIconDirectorySize + best * kIconEntrySize;
    const std::uint32_t length = in.U32(entry + 8);
    const std::uint32_t offset = in.U32(entry + 12);
    if (!in.Has(offset, length))
        return {};
    return DecodeIconImage(in.Sub(offset, length));
}

QImage DecodeBitmapFile(std::span<const BYTE> bitmapFile)
{
    if (bitmapFile.size() < 14 + kInfoHeaderSize || bitmapFile[0] != 'B' || bitmapFile[1] != 'M')
        return {};
    QImage image;
    if (!image.loadFromData(bitmapFile.data(), static_cast<int>(bitmapFile.size()), "BMP"))
        return {};
    return image;
}

HICON LoadIconResource(UINT nIDResource)
{
    const IconResource* resource = FindIconResource(nIDResource);
    if (resource == nullptr)
        return nullptr;
    IconCache& cache = Icons();
    const std::lock_guard lock(cache.mutex);
    auto& icon = cache.icons[resource->iconFile.data()];
    if (!icon) {
        QImage image = DecodeIconFile(resource->iconFile, GetSystemMetrics(SM_CXICON));
        if (image.isNull())
            return nullptr;
        icon = std::make_unique<IconImage>(IconImage{std::move(image)});
    }
    return icon.get();
}

QImage LoadBitmapResource(UINT nIDResource)
{
    const BitmapResource* resource = FindBitmapResource(nIDResource);
    return resource == nullptr ? QImage() : DecodeBitmapFile(resource->bitmapFile);
}

int IconWidth(HICON hIcon)
{
    return hIcon == nullptr ? 0 : hIcon->image.width();
}

int IconHeight(HICON hIcon)
{
    return hIcon == nullptr ? 0 : hIcon->image.height();
}

QPixmap IconPixmap(HICON hIcon, int size)
{
    if (hIcon == nullptr)
        return {};
    const QImage& image = hIcon->image;
    if (image.width() == size && image.height() == size)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    if (m_hDC == nullptr || !m_hDC->painter || hIcon == nullptr)
        return FALSE;
    m_hDC->painter->drawImage(x, y, hIcon->image);
    return TRUE;
}
