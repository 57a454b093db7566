// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plot as a list of drawing operations on a white bitmap, made by the core
// and painted by one renderer, so that tests read the geometry exactly and
// the screen, the saved file and the printer show the same picture.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace plot {

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kGreen{0, 128, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kBlack{0, 0, 0};

// Pixels from the bitmap's top-left corner; 64 bits, as damaged inputs may
// place points far outside it.
struct Point {
    std::int64_t x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A circle one pixel wide, filled white: drawn from the outside in, circles
// leave rings.
struct Ring {
    Point centre;
    std::int64_t radius = 0;
    Colour pen;
    friend bool operator==(const Ring&, const Ring&) = default;
};

// Straight lines joining the points in turn, one pixel wide.
struct Polyline {
    std::vector<Point> points;
    Colour pen;
    friend bool operator==(const Polyline&, const Polyline&) = default;
};

// Text (cp1252) in black on an opaque white box, its top-left corner at the point.
struct Label {
    Point topLeft;
    std::string text;
    friend bool operator==(const Label&, const Label&) = default;
};

using Operation = std::variant<Ring, Polyline, Label>;

// The labels' font: a family Debian ships (fonts-liberation) and a size in pixels.
struct Font {
    std::string_view family;
    int pixelSize = 0;
};
inline constexpr Font kLabelFont{"Liberation Sans", 12};

struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<Operation> operations;
    Font font = kLabelFont;
};

// Rings k = n down to 1 of radius(k) around the centre, innermost green and
// alternating red and green outwards. A ring that lies wholly outside the
// bitmap is white on white, so it is not drawn: the loop starts at the
// outermost ring that can show, which keeps a huge n cheap.
template <class Radius> void addRings(Drawing& d, Point centre, std::int64_t n, Radius radius)
{
    const std::int64_t dx = std::max<std::int64_t>(centre.x, d.width - 1 - centre.x);
    const std::int64_t dy = std::max<std::int64_t>(centre.y, d.height - 1 - centre.y);
    const double farthest = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    std::int64_t first = n;
    // The largest k whose ring can still show, found by halving, as radius is
    // only known to grow with k.
    if (static_cast<double>(radius(first)) > farthest + 1) {
        std::int64_t low = 1, high = n; // radius(high) is past the corners
        while (low < high) {
            std::int64_t mid = low + (high - low) / 2;
            if (static_cast<double>(radius(mid)) > farthest + 1)
                high = mid;
            else
                low = mid + 1;
        }
        first = low - 1; // low is the innermost ring past the corners
    }
    for (std::int64_t k = first; k >= 1; --k)
        d.operations.emplace_back(Ring{centre, radius(k), k % 2 == 1 ? kGreen : kRed});
}

} // namespace plot
