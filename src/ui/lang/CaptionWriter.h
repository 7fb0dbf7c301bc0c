// Writes the caption table into a widget tree. Every target is found by its
// objectName once, when the writer is made (with the window); writing a
// language then goes through the pointers found: labels, buttons and check boxes get their text, group boxes and
// menus their title, tab pages the text of their tab, menu items their text,
// combo boxes the text of one row (the selection is left alone), and any of
// them its hint.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

#include "CaptionTable.h"

class QObject;

namespace tarvel::ui {

class CaptionWriter {
public:
    // Finds the target of every row below `root` (or root itself) once.
    explicit CaptionWriter(QObject& root);

    void write(Language language) const;
    // Row `index` of captionRows().
    bool write(std::size_t index, Language language) const;

    // Targets of the table that are missing from the tree or cannot take their
    // kind of text (a list row beyond the combo box's rows, a caption on a
    // control without one), as "name", "name row N" or "name (hint)".
    QStringList unplacedTargets() const;

    // The target found for row `index` of captionRows(), if any (and still there).
    QObject* target(std::size_t index) const;

private:
    std::vector<QPointer<QObject>> targets_;
};

// Writes `text` as the caption of a label, button, group box, tab page, menu
// or menu item. Returns false for an object that has no caption. A label
// without a buddy gets the text without its accelerator marker.
bool SetCaption(QObject& target, const QString& text);

// A caption as shown where no accelerator applies: "&Motocycle type" reads
// "Motocycle type", "&&" reads "&".
QString WithoutAccelerator(const QString& caption);

}  // namespace tarvel::ui
