// An icon made of picture files (PNG), one per size and mode, that reads a file
// only when a picture of that size and mode is first asked for. Qt's own file
// icon decodes every file as it is added; the tool bar at start-up needs
// only one of the four pictures of each glyph. It picks and derives pictures
// as Qt's file icon does: the smallest picture at least as large as asked
// (else the largest) scaled down smoothly, the Normal picture for a mode that
// has none of its own, adjusted by the style.
#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>

namespace tarvel::ui {

class LazyFileIconEngine : public QIconEngine {
public:
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override;

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return entries_.isEmpty(); }
    QIconEngine* clone() const override { return new LazyFileIconEngine(*this); }
    QString key() const override { return QStringLiteral("LazyFileIconEngine"); }

private:
    struct Entry {
        QString fileName;
        QSize size;
        QIcon::Mode mode;
        QPixmap pixmap;  // read on first use
    };
    // The entry of `mode` that best fits `size`; null when the mode has none.
    Entry* bestMatch(const QSize& size, QIcon::Mode mode);
    // Falls back to the Normal pictures for a mode without its own.
    Entry* bestMatchOrNormal(const QSize& size, QIcon::Mode mode);

    QList<Entry> entries_;
};

}  // namespace tarvel::ui
