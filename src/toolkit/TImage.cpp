#include "toolkit/TImage.h"

#include <QPainter>

#include "toolkit/Pictures.h"

bool TImage::HasPicture() const { return Pictures::Exists(m_name); }

void TImage::paintEvent(QPaintEvent*) {
  if (m_name.isEmpty()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (m_stretch) return Pictures::Draw(p, rect(), m_name, size() * devicePixelRatioF());
  // Drawn for the screen's pixels, so that a scaled window shows it sharp.
  const qreal dpr = devicePixelRatioF();
  if (m_natural.isNull() || !qFuzzyCompare(m_natural.devicePixelRatio(), dpr)) {
    const QSize natural = Pictures::NaturalSize(m_name);
    m_natural = natural.isEmpty() ? Pictures::Load(m_name) : Pictures::Load(m_name, natural * dpr);
    if (!natural.isEmpty()) m_natural.setDevicePixelRatio(dpr);
  }
  p.drawPixmap(0, 0, m_natural);
}
