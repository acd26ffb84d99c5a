#pragma once
// Layout units: positions and sizes are given in twips (1/1440 inch, 15 to a
// pixel at 96 dpi) and font sizes in points. Both become device-independent
// pixels at a fixed 96 dpi, so the layout does not follow the screen's dpi setting.

#include <QColor>

#include <cmath>

#include <QRect>
#include <QSizeF>

class QWidget;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return double(pixels) * kTwipsPerPixel; }
inline int pointsToPixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

QRect twipsRect(int left, int top, int width, int height);
void placeTwips(QWidget *widget, int left, int top, int width, int height);
int leftTwips(const QWidget *widget);
void setLeftTwips(QWidget *widget, int left);

// The screen the program runs on, in twips.
QSizeF screenSizeTwips();

// The colours all windows share.
namespace colors {
inline const QColor lightBlue{192, 192, 255};
inline const QColor mediumBlue{128, 128, 255};
inline const QColor textBlue{0, 0, 255};
inline const QColor white{255, 255, 255};
} // namespace colors

// Background and text colour of a widget, filled by the widget itself.
void setColors(QWidget *widget, const QColor &background, const QColor &text = QColor());

} // namespace ui
