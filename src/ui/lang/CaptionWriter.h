// Writes the caption table into a widget tree, finding every target by its
// objectName: labels, buttons and check boxes get their text, group boxes and
// menus their title, tab pages the text of their tab, menu items their text,
// combo boxes the text of one row (the selection is left alone), and any of
// them its hint.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "CaptionTable.h"

class QObject;

namespace tarvel::ui {

class CaptionWriter {
public:
    // Indexes the objects below `root` (and root itself) by objectName once.
    explicit CaptionWriter(QObject& root);

    void write(Language language) const;
    bool write(const CaptionRow& row, Language language) const;

    // Targets of the table that are missing from the tree or cannot take their
    // kind of text (a list row beyond the combo box's rows, a caption on a
    // control without one), as "name", "name row N" or "name (hint)".
    QStringList unplacedTargets() const;

    QObject* find(std::string_view name) const;

private:
    QHash<QString, QObject*> byName_;
};

// Writes `text` as the caption of a label, button, group box, tab page, menu
// or menu item. Returns false for an object that has no caption. A label
// without a buddy gets the text without its accelerator marker.
bool SetCaption(QObject& target, const QString& text);

// A caption as shown where no accelerator applies: "&Motocycle type" reads
// "Motocycle type", "&&" reads "&".
QString WithoutAccelerator(const QString& caption);

}  // namespace tarvel::ui
