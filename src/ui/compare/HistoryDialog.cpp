#include "HistoryDialog.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <chrono>

#include "model/ImageDiff.h"

namespace tarvel::ui {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString unitText(const TuneRecord& record)
{
    QStringList parts;
    for (const std::string* part : {&record.unitFirmware, &record.unitDate, &record.unitTime})
        if (!part->empty())
            parts << QString::fromStdString(*part).simplified();
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString HistoryDialog::dateText(const TuneRecord& record)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(record.time.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

HistoryDialog::HistoryDialog(QWidget* parent, std::vector<TuneEntry> entries, const ParamImage& window,
                             Language language)
    : QDialog(parent), entries_(std::move(entries))
{
    using present::CompareText;
    auto text = [language](CompareText id) { return qs(present::compareText(id, language)); };
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(text(CompareText::HistoryTitle));
    resize(760, 480);

    auto* layout = new QVBoxLayout(this);
    auto* note =
        new QLabel(entries_.empty() ? text(CompareText::HistoryEmpty) : text(CompareText::HistoryNothingSent), this);
    note->setObjectName(QStringLiteral("HistoryNote"));
    layout->addWidget(note);

    const int count = static_cast<int>(entries_.size());
    table_ = new QTableWidget(count, ColumnCount, this);
    table_->setObjectName(QStringLiteral("HistoryTable"));
    table_->setHorizontalHeaderLabels({text(CompareText::HistoryDate), text(CompareText::HistoryBike),
                                       text(CompareText::HistoryUnit), text(CompareText::HistoryDifferences)});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    for (int i = 0; i < count; ++i) {
        const TuneEntry& entry = entries_[static_cast<std::size_t>(i)];
        const QString texts[] = {dateText(entry.record), QString::fromStdString(entry.record.bike).simplified(),
                                 unitText(entry.record), QString::number(CountDifferences(window, entry.image))};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            if (c == DifferencesColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(i, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(BikeColumn, QHeaderView::Stretch);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &HistoryDialog::selectionChanged);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit compareRequested(row); });
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout();
    auto button = [&](const char* name, CompareText id) {
        auto* b = new QPushButton(text(id), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    compare_ = button("HistoryCompare", CompareText::HistoryCompare);
    load_ = button("HistoryLoad", CompareText::HistoryLoad);
    buttons->addStretch(1);
    QPushButton* close = button("HistoryClose", CompareText::Close);
    connect(compare_, &QPushButton::clicked, this, [this] {
        if (selectedEntry() >= 0)
            emit compareRequested(selectedEntry());
    });
    connect(load_, &QPushButton::clicked, this, [this] {
        if (selectedEntry() >= 0)
            emit loadRequested(selectedEntry());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    if (count > 0)
        selectEntry(0);
    selectionChanged();
}

QStringList HistoryDialog::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < ColumnCount; ++c)
        texts << table_->item(row, c)->text();
    return texts;
}

int HistoryDialog::selectedEntry() const
{
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void HistoryDialog::selectEntry(int index)
{
    table_->selectRow(index);
}

void HistoryDialog::selectionChanged()
{
    const bool any = selectedEntry() >= 0;
    compare_->setEnabled(any);
    load_->setEnabled(any);
}

}  // namespace tarvel::ui
