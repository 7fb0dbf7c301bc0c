#include "LinkView.h"

#include <QApplication>
#include <QLabel>

#include "BarGauge.h"

namespace tarvel {

namespace {

void paint(QLabel* label, const QColor& color)
{
    if (label->palette().color(QPalette::Window) == color && label->autoFillBackground())
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void setText(QLabel* label, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    if (label->text() != shown)
        label->setText(shown);
}

void setVisible(QWidget* widget, bool visible)
{
    if (widget->isHidden() == visible)
        widget->setVisible(visible);
}

}  // namespace

LinkView::LinkView(QWidget* window)
{
    status_ = window->findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
    progress_ = window->findChild<BarGauge*>(QStringLiteral("CGaugeProgram"));
    connection_ = window->findChild<QLabel*>(QStringLiteral("LabelSpojeni"));
    for (int i = 0; i < link::kLiveLabelCount; ++i) {
        const auto name = link::objectName(static_cast<link::LiveLabel>(i));
        labels_[i] = window->findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        Q_ASSERT_X(labels_[i], "LinkView", name.data());
    }
    for (int i = 0; i < link::kLiveGaugeCount; ++i) {
        const auto name = link::objectName(static_cast<link::LiveGauge>(i));
        gauges_[i] =
            window->findChild<BarGauge*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        Q_ASSERT_X(gauges_[i], "LinkView", name.data());
    }
    invalidate();
}

void LinkView::invalidate()
{
    statusRevision_ = connectionRevision_ = displayRevision_ = kNever;
    labelRevisions_.fill(kNever);
    gaugeRevisions_.fill(kNever);
}

QColor LinkView::colourOf(link::LinkColour colour, const QWidget* widget)
{
    switch (colour) {
        case link::LinkColour::Normal:
            return QApplication::palette(widget).color(QPalette::Window);
        case link::LinkColour::Window:
            return QApplication::palette(widget).color(QPalette::Base);
        default: {
            const link::Rgb rgb = link::rgbOf(colour);
            return QColor(rgb.r, rgb.g, rgb.b);
        }
    }
}

void LinkView::apply(const link::DeviceLink& link)
{
    if (!status_)
        return;
    const link::StatusArea& status = link.status();
    if (status.revision() != statusRevision_) {
        statusRevision_ = status.revision();
        setText(status_, status.text());
        paint(status_, colourOf(status.colour(), status_));
        setVisible(status_, status.labelVisible());
        progress_->setMaximum(status.gaugeMax());
        progress_->setProgress(status.gaugeProgress());
        setVisible(progress_, status.gaugeVisible());
    }

    if (link.connectionRevision() != connectionRevision_) {
        connectionRevision_ = link.connectionRevision();
        setVisible(connection_, link.connectionLabelVisible());
    }

    const link::LiveDisplay& live = link.live();
    if (live.revision() == displayRevision_)
        return;
    displayRevision_ = live.revision();
    for (int i = 0; i < link::kLiveLabelCount; ++i) {
        const link::LabelState& state = live.label(static_cast<link::LiveLabel>(i));
        if (state.revision == labelRevisions_[i] || state.revision == 0)
            continue;
        labelRevisions_[i] = state.revision;
        QLabel* label = labels_[i];
        setText(label, state.text);
        if (state.colour != link::LinkColour::Default)
            paint(label, colourOf(state.colour, label));
        if (state.visibility != link::Visibility::Keep)
            setVisible(label, state.visibility == link::Visibility::Shown);
    }
    for (int i = 0; i < link::kLiveGaugeCount; ++i) {
        const link::GaugeState& state = live.gauge(static_cast<link::LiveGauge>(i));
        if (state.revision == gaugeRevisions_[i])
            continue;
        gaugeRevisions_[i] = state.revision;
        gauges_[i]->setMaximum(state.maximum);
        gauges_[i]->setProgress(state.progress);
    }
}

}  // namespace tarvel
