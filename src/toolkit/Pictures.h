#pragma once
// Pictures of screens and buttons: resource names matched without regard to case, drawn
// from the SVGs compiled in under ":/pictures/"; file paths (logos, signatures) load as files.
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace Pictures {

// The picture at `size` (its natural size when empty). An unknown name or an unreadable
// file gives a null pixmap and one warning line per name. Drawn pictures are kept for the
// next caller (a file until it changes on disk).
QPixmap Load(const QString& nameOrPath, const QSize& size = QSize());

// Paints the picture drawn at `size` pixels into `target`, as Load would give it. A compiled-in
// window-size picture is painted from its drawing in the cache folder, read for each paint
// rather than held in memory while its window shows.
void Draw(QPainter& p, const QRectF& target, const QString& nameOrPath, const QSize& size);

// True when the name is a compiled-in picture or an existing image file.
bool Exists(const QString& nameOrPath);

// The resource path a picture name resolves to (":/pictures/<lowercase name>.svg").
QString ResourcePath(const QString& name);

// Natural size of a picture (the SVG's default size), or an empty size.
QSize NaturalSize(const QString& nameOrPath);

// Compiled-in pictures drawn at a size are kept, once drawn, in this folder (by default the
// user's cache folder, "pictures" inside it): a later start reads them instead of drawing the
// SVG again. A file that does not match its picture is drawn again. Empty: nothing is kept.
// Setting it forgets the drawings kept in memory, as a new start would.
QString CacheFolder();
void SetCacheFolder(const QString& folder);

}  // namespace Pictures
