// Every caption fits its control, in every language, at the design font: a
// label or check box does not run into a neighbour or out of its parent, and
// a button's text keeps the button's margins.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>

#include "WindowFixture.h"

namespace tarvel::test {

namespace {

constexpr int kGap = 4;        // the least room between a text and a neighbour or a frame
constexpr int kButtonPad = 6;  // a button's margin on each side of its text

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Where the text of a label or check box is drawn, in its parent's coordinates.
QRect textRect(QWidget* widget)
{
    QString text;
    int lead = 0;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
        if (label->wordWrap())
            return widget->geometry();
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        text = plain(box->text());
        QStyleOptionButton option;
        option.initFrom(box);
        lead = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
               box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    }
    const int width = lead + widget->fontMetrics().horizontalAdvance(text);
    const QRect g = widget->geometry();
    if (auto* label = qobject_cast<QLabel*>(widget); label && (label->alignment() & Qt::AlignRight))
        return QRect(g.right() - width + 1, g.y(), width, g.height());
    return QRect(g.x(), g.y(), width, g.height());
}

// Controls on show: those of the open tab, the tool bar, the live column
// and the status area.
bool shownHere(QWidget* w)
{
    return w->isVisible() && w->width() > 0;
}

}  // namespace

class CaptionFit : public WindowFixture {
protected:
    // Every problem of the current language, one line each.
    QStringList problems(const QSet<QString>& designOverlaps, QSet<QString>* overlaps = nullptr)
    {
        QStringList found;
        QWidget* client = find(QStringLiteral("ClientArea"));
        for (QWidget* w : client->findChildren<QWidget*>()) {
            if (!shownHere(w) || w->objectName().isEmpty())
                continue;
            const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w);
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                const int need = button->fontMetrics().horizontalAdvance(plain(button->text())) + 2 * kButtonPad;
                if (!button->text().isEmpty() && need > button->width())
                    found << QStringLiteral("%1 \"%2\" needs %3 of %4")
                                 .arg(w->objectName(), button->text())
                                 .arg(need)
                                 .arg(button->width());
                continue;
            }
            if (!text)
                continue;
            auto* label = qobject_cast<QLabel*>(w);
            if (label && (label->text().isEmpty() || !label->pixmap().isNull()))
                continue;
            const QRect r = textRect(w);
            if (w->sizeHint().width() > w->width() && !(label && label->wordWrap()))
                found << QStringLiteral("%1 clipped: %2 > %3")
                             .arg(w->objectName())
                             .arg(w->sizeHint().width())
                             .arg(w->width());
            QWidget* parent = w->parentWidget();
            QRect inside = parent == client ? QRect(0, 0, 934, client->height()) : parent->rect();
            if (qobject_cast<QGroupBox*>(parent))
                inside.adjust(kGap, 0, -kGap, 0);  // clear of the frame
            if (!inside.contains(r))
                found << QStringLiteral("%1 leaves %2").arg(w->objectName(), parent->objectName());
            for (QObject* o : parent->children()) {
                auto* other = qobject_cast<QWidget*>(o);
                if (!other || other == w || !shownHere(other) || other->isWindow())
                    continue;
                if (!r.adjusted(-kGap, 0, kGap, 0).intersects(other->geometry()))
                    continue;
                const QString pair = w->objectName() + QLatin1Char('/') + other->objectName();
                if (overlaps)
                    overlaps->insert(pair);
                else if (!designOverlaps.contains(pair))
                    found << QStringLiteral("%1 \"%2\" touches %3")
                                 .arg(w->objectName(),
                                      plain(label ? label->text() : qobject_cast<QCheckBox*>(w)->text()),
                                      other->objectName());
            }
        }
        return found;
    }
};

TEST_F(CaptionFit, EveryCaptionFitsInEveryLanguageOnEveryTab)
{
    window->show();
    auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
    for (int tab = 0; tab < pages->count(); ++tab) {
        pages->setCurrentIndex(tab);
        window->MenuLanguageClick(0);
        QApplication::processEvents();
        QSet<QString> design;
        problems({}, &design);
        for (std::uint8_t language = 0; language < 4; ++language) {
            window->MenuLanguageClick(language);
            // The longest live text: a start limiter of five digits.
            find<QLabel>(QStringLiteral("LabelMonStartLimiterRpm"))
                ->setText(QString::fromStdString(window->messages()[Msg::StartLimiter] + " = 12000 [RPM]"));
            QApplication::processEvents();
            const QStringList found = problems(design);
            EXPECT_TRUE(found.isEmpty()) << "tab " << tab << ", language " << int(language) << ":\n"
                                         << found.join(QLatin1Char('\n')).toStdString();
        }
    }
}

}  // namespace tarvel::test
