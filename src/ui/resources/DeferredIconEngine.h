// An icon that is made only when it is first drawn or measured: `make` gives
// the real icon then, and this engine hands everything on to it.
#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <memory>

namespace tarvel::ui {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine* clone() const override;
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    // Whether the real icon has been made.
    bool made() const { return state_->made; }

private:
    // Shared by the clones (QIcon copies engines when it detaches), so that
    // the icon is made once.
    struct State {
        std::function<QIcon()> make;
        QIcon icon;
        bool made = false;
    };
    const QIcon& icon();

    std::shared_ptr<State> state_;
};

}  // namespace tarvel::ui
