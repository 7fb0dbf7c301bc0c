#include "LazyFileIconEngine.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

namespace tarvel::ui {

namespace {
qint64 area(const QSize& s)
{
    return qint64(s.width()) * s.height();
}

// The glyphs are PNG files. Naming the format keeps Qt from loading every
// installed image plugin to ask each whether it reads the file.
QPixmap readPicture(const QString& fileName)
{
    QImageReader reader(fileName, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap(fileName);  // not a PNG after all: let Qt find its format
    return QPixmap::fromImage(image);
}
}  // namespace

void LazyFileIconEngine::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State)
{
    if (!fileName.isEmpty() && size.isValid())
        entries_.append(Entry{fileName, size, mode, {}});
}

LazyFileIconEngine::Entry* LazyFileIconEngine::bestMatch(const QSize& size, QIcon::Mode mode)
{
    Entry* best = nullptr;
    for (Entry& entry : entries_) {
        if (entry.mode != mode)
            continue;
        if (!best) {
            best = &entry;
            continue;
        }
        // The smaller of the two that is still as large as asked, else the larger.
        const qint64 a = area(best->size), b = area(entry.size), wanted = area(size);
        const qint64 chosen = qMin(a, b) >= wanted ? qMin(a, b) : qMax(a, b);
        if (chosen != a)
            best = &entry;
    }
    return best;
}

LazyFileIconEngine::Entry* LazyFileIconEngine::bestMatchOrNormal(const QSize& size, QIcon::Mode mode)
{
    Entry* entry = bestMatch(size, mode);
    if (!entry && mode != QIcon::Normal)
        entry = bestMatch(size, QIcon::Normal);
    return entry;
}

QSize LazyFileIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    const Entry* entry = bestMatchOrNormal(size, mode);
    if (!entry)
        return {};
    QSize actual = entry->size;
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QList<QSize> LazyFileIconEngine::availableSizes(QIcon::Mode mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const Entry& entry : entries_)
        if (entry.mode == mode)
            sizes.append(entry.size);
    return sizes;
}

QPixmap LazyFileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    Entry* entry = bestMatchOrNormal(size, mode);
    if (!entry)
        return {};
    if (entry->pixmap.isNull())
        entry->pixmap = readPicture(entry->fileName);
    QPixmap picture = entry->pixmap;
    const QSize actual = actualSize(size, mode, state);
    if (picture.isNull() || (picture.size() == actual && entry->mode == mode))
        return picture;
    const QString cacheKey = QStringLiteral("tarvel_lazy_%1_%2_%3_%4x%5")
                                 .arg(picture.cacheKey())
                                 .arg(int(mode))
                                 .arg(QGuiApplication::palette().cacheKey())
                                 .arg(actual.width())
                                 .arg(actual.height());
    QPixmap derived;
    if (QPixmapCache::find(cacheKey, &derived))
        return derived;
    derived =
        picture.size() == actual ? picture : picture.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (entry->mode != mode && mode != QIcon::Normal) {
        // As Qt's file icon: the style derives the look of a mode without a picture.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, derived, &option);
        if (!generated.isNull())
            derived = generated;
    }
    QPixmapCache::insert(cacheKey, derived);
    return derived;
}

void LazyFileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    painter->drawPixmap(rect, picture);
}

}  // namespace tarvel::ui
