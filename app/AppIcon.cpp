#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QtMath>

QIcon MorvaneIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = size / 2.0 - 1;
    const QPointF c(size / 2.0, size / 2.0);
    p.setPen(QPen(QColor(40, 40, 40), qMax(1.0, size / 16.0)));
    p.setBrush(QColor(235, 240, 245));
    p.drawEllipse(c, r, r);
    // The needle at two thirds of the scale.
    const qreal angle = qDegreesToRadians(30.0);
    p.setPen(QPen(QColor(200, 30, 30), qMax(1.5, size / 10.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qCos(angle) * r * 0.8, -qSin(angle) * r * 0.8));
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, size / 10.0, size / 10.0);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
