#include "toolkit/TButtons.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "toolkit/Pictures.h"

TBtnBmp::TBtnBmp(QWidget* parent, const QString& name) : TControl(parent, name) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_AcceptTouchEvents);
  connect(this, &QAbstractButton::clicked, this, [this] { OnClick(this); });
  // Repaint on press and release so that a touch is seen.
  connect(this, &QAbstractButton::pressed, this, qOverload<>(&QWidget::update));
  connect(this, &QAbstractButton::released, this, qOverload<>(&QWidget::update));
}

QPixmap TBtnBmp::picture(const QSize& size) {
  if (m_bitmap.isEmpty() || size.isEmpty()) return QPixmap();
  const qreal dpr = devicePixelRatioF();
  if (m_cache.isNull() || m_cache.size() != size * dpr) {
    // Keep the picture's proportions inside the box.
    QSize natural = Pictures::NaturalSize(m_bitmap);
    QSize target = natural.isEmpty() ? size : natural.scaled(size, Qt::KeepAspectRatio);
    m_cache = Pictures::Load(m_bitmap, target * dpr);
    m_cache.setDevicePixelRatio(dpr);
  }
  return m_cache;
}

void TBtnBmp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool down = isDown() || isChecked();
  const QRect r = rect();

  if (!m_flat) {
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
    if (hasFocus()) opt.state |= QStyle::State_HasFocus;
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
  }

  const QString caption = QString(text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QRect inner = r.adjusted(4, 4, -4, -4).translated(down ? 1 : 0, down ? 1 : 0);
  QRect textRect = inner;
  if (!m_bitmap.isEmpty() && Pictures::Exists(m_bitmap)) {
    QRect picRect = inner;
    if (!caption.isEmpty()) {
      // Picture at the left, caption beside it.
      const int side = std::min(inner.height(), std::max(16, inner.width() / 3));
      picRect = QRect(inner.left(), inner.top() + (inner.height() - side) / 2, side, side);
      textRect = inner.adjusted(side + 4, 0, 0, 0);
    }
    const QPixmap pm = picture(picRect.size());
    if (!pm.isNull()) {
      const QSize s = pm.size() / pm.devicePixelRatio();
      const QPoint at(picRect.x() + (picRect.width() - s.width()) / 2, picRect.y() + (picRect.height() - s.height()) / 2);
      if (!isEnabled()) p.setOpacity(0.4);
      p.drawPixmap(at, pm);
      p.setOpacity(1.0);
    }
  }
  if (!caption.isEmpty()) {
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, caption);
  }
  if (down) {
    // Flat keys have no face of their own: darken the touched area.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, m_flat ? 70 : 30));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
  }
  if (m_flat && hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
}
