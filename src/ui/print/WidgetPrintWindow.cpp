#include "WidgetPrintWindow.h"

#include <array>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVector>

namespace tarvel::ui {

namespace {

// While the page picture is taken no keyboard focus shows: no focus frame
// and no selected text in an edit. The focus widget is told nothing of
// losing the focus, so an edit does not end its editing for a picture; it
// gets the focus and its selection back afterwards.
class KeyboardFocusHidden : public QObject {
public:
    explicit KeyboardFocusHidden(QWidget& area)
    {
        for (QLineEdit* edit : area.findChildren<QLineEdit*>()) {
            if (!edit->hasSelectedText())
                continue;
            selections_.push_back({edit, edit->selectionStart(), edit->selectionLength(), edit->cursorPosition()});
            edit->deselect();
        }
        QWidget* focused = QApplication::focusWidget();
        if (focused && area.isAncestorOf(focused)) {
            focused_ = focused;
            focused->installEventFilter(this);
            focused->clearFocus();
        }
    }

    ~KeyboardFocusHidden() override
    {
        if (focused_) {
            focused_->removeEventFilter(this);
            focused_->setFocus(Qt::OtherFocusReason);
        }
        for (const Selection& s : selections_) {
            if (!s.edit)
                continue;
            // The cursor goes back to the end of the selection it was at.
            if (s.cursor == s.start)
                s.edit->setSelection(s.start + s.length, -s.length);
            else
                s.edit->setSelection(s.start, s.length);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    struct Selection {
        QPointer<QLineEdit> edit;
        int start;
        int length;
        int cursor;
    };
    QVector<Selection> selections_;
    QPointer<QWidget> focused_;
};

// Paper is white where the screen is grey: the light neutral greys of the
// window's surfaces (panels, tab headers, group boxes, switch patches, button
// faces) become white. Darker greys (frames, text, disabled text) and every
// colour stay.
void GreyToPaper(QImage& picture)
{
    constexpr int kLightestKeptGrey = 0xE1;  // the frame of a group box
    picture.convertTo(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = qRed(pixel);
            if (grey > kLightestKeptGrey && qGreen(pixel) == grey && qBlue(pixel) == grey)
                line[x] = qRgb(255, 255, 255);
        }
    }
}

}  // namespace

WidgetPrintWindow::WidgetPrintWindow(const Parts& parts, Hooks hooks)
    : clientArea_(*parts.clientArea),
      hooks_(std::move(hooks)),
      status_(parts.status),
      connection_(parts.connection),
      gauge_(parts.gauge),
      verify_(parts.verify),
      pages_(parts.pages)
{
    for (std::size_t tab = 0; tab < tabPages_.size(); ++tab)
        tabPages_[tab] = parts.tabPages[tab];
}

QImage WidgetPrintWindow::captureClientArea()
{
    // Labels that size themselves to a new text do so on a posted layout
    // request; the picture must show them sized.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QImage picture;
    {
        const KeyboardFocusHidden noFocus(clientArea_);
        picture = clientArea_.grab().toImage();
    }
    GreyToPaper(picture);
    return picture;
}

void WidgetPrintWindow::setPrinting(bool printing)
{
    if (hooks_.setPrinting)
        hooks_.setPrinting(printing);
}

void WidgetPrintWindow::applyRules()
{
    if (hooks_.applyRules)
        hooks_.applyRules();
}

void WidgetPrintWindow::setStatusBackground(const QColor& colour)
{
    if (!status_)
        return;
    QPalette palette = status_->palette();
    palette.setColor(QPalette::Window, colour);
    status_->setPalette(palette);
    status_->setAutoFillBackground(true);
}

void WidgetPrintWindow::showPrintHeader(const QString& header)
{
    if (hooks_.showPrintHeader) {
        hooks_.showPrintHeader(header);
        return;
    }
    if (status_) {
        status_->setText(header);
        setStatusBackground(Qt::white);
        status_->show();
    }
    if (connection_)
        connection_->hide();
}

void WidgetPrintWindow::restoreStatusBackground()
{
    if (hooks_.restoreStatusBackground) {
        hooks_.restoreStatusBackground();
        return;
    }
    setStatusBackground(QApplication::palette().color(QPalette::Button));
}

void WidgetPrintWindow::setMessageTicks(int ticks)
{
    if (hooks_.setMessageTicks)
        hooks_.setMessageTicks(ticks);
}

void WidgetPrintWindow::hideProgressGauge()
{
    if (hooks_.hideProgressGauge) {
        hooks_.hideProgressGauge();
        return;
    }
    if (gauge_)
        gauge_->hide();
}

void WidgetPrintWindow::focusVerifyButton()
{
    if (verify_)
        verify_->setFocus(Qt::OtherFocusReason);
}

int WidgetPrintWindow::pageIndex(int tab) const
{
    if (!pages_ || tab < 0 || tab >= kPrintTabCount)
        return -1;
    QWidget* page = tabPages_[static_cast<std::size_t>(tab)];
    return page ? pages_->indexOf(page) : -1;
}

int WidgetPrintWindow::openTab() const
{
    if (!pages_)
        return 0;
    for (int tab = 0; tab < kPrintTabCount; ++tab)
        if (pageIndex(tab) == pages_->currentIndex())
            return tab;
    return 0;
}

void WidgetPrintWindow::openTabAt(int tab)
{
    const int index = pageIndex(tab);
    if (index >= 0)
        pages_->setCurrentIndex(index);
}

void WidgetPrintWindow::setTabVisible(int tab, bool visible)
{
    const int index = pageIndex(tab);
    if (index >= 0)
        pages_->setTabVisible(index, visible);
}

}  // namespace tarvel::ui
