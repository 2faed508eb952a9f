// Comparing a picture drawn at device pixel ratio 2 with the same picture
// at ratio 1: shapes must be the ratio-1 pixels doubled (nothing blurred,
// no half-pixel edges), text must use the finer pixels.
#pragma once

#include <QImage>
#include <QRect>

#include <sstream>
#include <string>

namespace hidpi_test {

// Pixels of `two` that differ from `one` with each pixel doubled, outside
// the logical rectangle `skip`: how many, and the first few.
inline std::string DoubledDifferences(const QImage& one, const QImage& two, const QRect& skip = {})
{
    if (two.size() != one.size() * 2)
        return "size " + std::to_string(two.width()) + "x" + std::to_string(two.height()) + " is not twice "
               + std::to_string(one.width()) + "x" + std::to_string(one.height());
    std::ostringstream out;
    int count = 0;
    for (int y = 0; y < two.height(); ++y)
        for (int x = 0; x < two.width(); ++x)
            if (!skip.contains(x / 2, y / 2) && two.pixel(x, y) != one.pixel(x / 2, y / 2) && ++count <= 5)
                out << " (" << x << "," << y << ") is #" << std::hex << two.pixel(x, y) << " not #"
                    << one.pixel(x / 2, y / 2) << std::dec;
    return count ? std::to_string(count) + " pixels differ:" + out.str() : std::string();
}

// The 2 x 2 blocks of `two` inside the logical rectangle `area` whose four
// pixels are not all alike: text drawn at the full resolution has many.
inline int MixedBlocks(const QImage& two, const QRect& area)
{
    int mixed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = two.pixel(2 * x, 2 * y);
            mixed += two.pixel(2 * x + 1, 2 * y) != p || two.pixel(2 * x, 2 * y + 1) != p
                     || two.pixel(2 * x + 1, 2 * y + 1) != p;
        }
    return mixed;
}

// The logical box around every pixel of `colour` in a ratio-1 picture,
// grown by `margin` (text at another ratio is laid out a little differently)
// and kept inside the picture.
inline QRect BoxOf(const QImage& one, QRgb colour, int margin)
{
    QRect box;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            if (one.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box.adjusted(-margin, -margin, margin, margin) & one.rect();
}

}  // namespace hidpi_test
