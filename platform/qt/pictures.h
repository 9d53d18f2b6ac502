#pragma once
// Decoding the pictures of the resource module (icon files and bitmap files)
// and the paint context handed to a dialog while it paints.

#include "platform/win/gdi.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <optional>
#include <span>

struct IconImage {
    QImage image;
};

struct DeviceContext {
    QWidget* widget = nullptr;
    std::optional<QPainter> painter;
};

// The image of an icon file closest to `preferredSize` (the largest one if
// none has that size), with its mask applied as transparency. A null image
// for data that is not a well-formed icon file.
QImage DecodeIconFile(std::span<const BYTE> iconFile, int preferredSize = 32);

// A null image for data that is not a well-formed bitmap file.
QImage DecodeBitmapFile(std::span<const BYTE> bitmapFile);

// The bitmap of the resource module with this identifier; a null image if
// there is none.
QImage LoadBitmapResource(UINT nIDResource);

QPixmap IconPixmap(HICON hIcon, int size);
