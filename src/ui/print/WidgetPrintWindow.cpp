#include "WidgetPrintWindow.h"

#include <array>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTabWidget>

namespace tarvel::ui {

namespace {

// The tab pages in print order.
constexpr std::array<const char*, kPrintTabCount> kTabPages = {"TabSheetRuzne", "TabSheetBike", "TabSheetAdvance",
                                                               "TabSheetServo", "TabSheet_Gas"};

}  // namespace

WidgetPrintWindow::WidgetPrintWindow(QWidget& clientArea, Hooks hooks)
    : clientArea_(clientArea),
      hooks_(std::move(hooks)),
      status_(clientArea.findChild<QLabel*>(QStringLiteral("LabelHlaseni"))),
      connection_(clientArea.findChild<QWidget*>(QStringLiteral("LabelSpojeni"))),
      gauge_(clientArea.findChild<QWidget*>(QStringLiteral("CGaugeProgram"))),
      verify_(clientArea.findChild<QWidget*>(QStringLiteral("BitBtnVerify"))),
      pages_(clientArea.findChild<QTabWidget*>(QStringLiteral("PageControl1")))
{
}

QImage WidgetPrintWindow::captureClientArea()
{
    // Labels that size themselves to a new text do so on a posted layout
    // request; the picture must show them sized.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return clientArea_.grab().toImage();
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
    auto* page = pages_->findChild<QWidget*>(QString::fromLatin1(kTabPages[static_cast<std::size_t>(tab)]));
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
