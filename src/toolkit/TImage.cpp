#include "toolkit/TImage.h"

#include <QPainter>

#include "toolkit/Pictures.h"

bool TImage::HasPicture() const { return Pictures::Exists(m_name); }

void TImage::paintEvent(QPaintEvent*) {
  if (m_name.isEmpty()) return;
  const qreal dpr = devicePixelRatioF();
  const QSize want = m_stretch ? size() * dpr : QSize();
  if (m_cache.isNull() || (m_stretch && m_cache.size() != want)) {
    m_cache = Pictures::Load(m_name, want);
    if (m_stretch) m_cache.setDevicePixelRatio(dpr);
  }
  if (m_cache.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (m_stretch) p.drawPixmap(rect(), m_cache);
  else p.drawPixmap(0, 0, m_cache);
}
