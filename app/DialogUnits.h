// Dialog units: the layout grid of the window's font, a quarter of the average character
// width across and an eighth of the character height down, so the window keeps its
// proportions whatever font the desktop gives it.
#pragma once

#include <QFont>
#include <QRect>

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int X(int units) const { return (units * baseX_ + 2) / 4; }
  int Y(int units) const { return (units * baseY_ + 4) / 8; }
  QRect Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
  }

 private:
  int baseX_;
  int baseY_;
};
