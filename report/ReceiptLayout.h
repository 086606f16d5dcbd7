#pragma once

// Geometry of the receipt, in tenths of a millimetre. The layout was designed in
// 1/96-inch pixels: one pixel is 254/96 tenths of a millimetre.
namespace ReceiptLayout {
constexpr double px(double pixels)
{
    return pixels * 254.0 / 96.0;
}
constexpr double pageWidth = 568.854166666667;
constexpr double pageLength = 17354.0208333333;
constexpr double margin = 50;
constexpr double bandHeight = 968.375;
constexpr double bandWidth = 468.3125;
constexpr double lineHeight = px(18);
constexpr double lineTop(int row) // the text lines below the title, 24 px apart
{
    return px(136 + 24 * row);
}
}
