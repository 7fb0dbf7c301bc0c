// Keeps labels and check boxes as large as their text, as the designer's
// auto-size option does: a caption set later (another language, a live value)
// never gets clipped. A right-aligned label keeps its right edge.
// A label is first sized when it is first shown: most of them are on tabs
// that are not open at start-up, and sizing costs text layout. Whatever reads
// their geometry before that calls ensureSized().
#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace tarvel {

class LabelAutoSizer : public QObject {
    Q_OBJECT
public:
    // Sizes `widget` when it is first shown (now if it is shown already) and
    // whenever its text changes.
    static void watch(QWidget* widget);
    // A watched label whose text may meet a neighbour keeps within `left` ..
    // `right` of its parent: a longer text first moves the label to the left,
    // then breaks onto a second line. Shorter texts stand where designed.
    static void setRoom(QWidget* label, int left, int right);
    // Sizes every shown watched child of `parent` to its text; a hidden one
    // is sized when it is shown (or by ensureSized()).
    static void fitChildren(QWidget* parent);
    static void fit(QWidget* widget);
    // Sizes every watched widget in `root` that was not sized since it was
    // created or since its text changed while it was hidden.
    static void ensureSized(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the sizer keeps per widget (in a table of its own: looking up
    // Qt's dynamic properties by name costs more than the sizing around it).
    struct Sizing {
        bool watched = false;        // sized to its text
        bool parentWatched = false;  // its children's layout requests are watched
        bool unsized = false;        // not sized since created or since a change while hidden
        bool hasRoom = false;
        int roomLeft = 0;
        int roomRight = 0;
        int designX = 0;
        // What a label with room was last fitted to, and where it went.
        QString fittedText;
        QFont fittedFont;
        QRect fittedGeometry;
    };

    using QObject::QObject;
    static LabelAutoSizer* instance();
    // The widget's entry, made (and dropped with the widget) on first use.
    Sizing& sizing(QWidget* widget);
    const Sizing* find(const QObject* object) const;

    QHash<const QObject*, Sizing> table_;
};

}  // namespace tarvel
