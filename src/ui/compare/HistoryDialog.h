// The tune history: one row per programmed set, newest first, with its date,
// the bike, the unit's identification and how many fields differ from the
// window. An entry can be compared with the window or loaded into it; nothing
// is ever sent to the unit from here.
#pragma once

#include <QDialog>

#include <vector>

#include "present/CompareTexts.h"
#include "store/TuneHistory.h"

class QPushButton;
class QTableWidget;

namespace tarvel::ui {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { DateColumn, BikeColumn, UnitColumn, DifferencesColumn, ColumnCount };

    HistoryDialog(QWidget* parent, std::vector<TuneEntry> entries, const ParamImage& window, Language language);

    const std::vector<TuneEntry>& entries() const { return entries_; }
    QTableWidget& table() { return *table_; }
    QStringList rowTexts(int row) const;
    // The entry of the selected row, or -1.
    int selectedEntry() const;
    void selectEntry(int index);

    // The date of an entry as the dialog shows it (local time).
    static QString dateText(const TuneRecord& record);

signals:
    void compareRequested(int entry);
    void loadRequested(int entry);

private:
    void selectionChanged();

    std::vector<TuneEntry> entries_;
    QTableWidget* table_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* load_ = nullptr;
};

}  // namespace tarvel::ui
