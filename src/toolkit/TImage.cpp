#include "toolkit/TImage.h"

#include <QPainter>

#include "toolkit/Pictures.h"

bool TImage::HasPicture() const { return Pictures::Exists(m_name); }

void TImage::paintEvent(QPaintEvent*) {
  if (m_name.isEmpty()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (m_stretch) return Pictures::Draw(p, rect(), m_name, size() * devicePixelRatioF());
  if (m_natural.isNull()) m_natural = Pictures::Load(m_name);
  p.drawPixmap(0, 0, m_natural);
}
