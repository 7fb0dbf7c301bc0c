#include "StandInWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/lang/CaptionTable.h"

namespace tarvel::ui::test {

namespace {

const char* const kMenus[] = {"MenuFile", "MenuCom", "MenuDevice", "MenuTools", "MenuLanguage", "MenuHelp"};
const char* const kTabs[] = {"TabSheetRuzne", "TabSheetBike", "TabSheetAdvance", "TabSheetServo", "TabSheet_Gas"};

bool startsWith(std::string_view name, std::string_view prefix)
{
    return name.substr(0, prefix.size()) == prefix;
}

}  // namespace

StandInWindow::StandInWindow()
{
    setObjectName(QStringLiteral("FormHlav"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    auto* layout = new QVBoxLayout(client);
    setStatusBar(new QStatusBar(this));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    QMenu* lastMenu = nullptr;
    for (const char* name : kMenus) {
        lastMenu = menuBar()->addMenu(QString::fromLatin1(name));
        lastMenu->setObjectName(QString::fromLatin1(name));
    }
    pages = new QTabWidget(client);
    pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(pages);
    for (const char* name : kTabs) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        auto* mark = new QLabel(QString::fromLatin1(name), page);
        mark->setObjectName(QString::fromLatin1(name) + QStringLiteral("Mark"));
        pages->addTab(page, QString::fromLatin1(name));
    }
    auto* controls = new QWidget(client);
    layout->addWidget(controls);
    auto* controlsLayout = new QVBoxLayout(controls);

    auto add = [&](QWidget* widget, std::string_view name) {
        widget->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
        controlsLayout->addWidget(widget);
    };
    for (const CaptionRow& row : captionRows()) {
        const QString name = QString::fromUtf8(row.target.data(), qsizetype(row.target.size()));
        if (findChild<QObject*>(name))
            continue;
        const std::string_view n = row.target;
        if (row.kind == CaptionKind::MenuItem || (row.kind == CaptionKind::Hint && startsWith(n, "Menu"))) {
            auto* item = lastMenu->addAction(name);
            item->setObjectName(name);
        } else if (row.kind == CaptionKind::ListRow) {
            auto* combo = new QComboBox;
            for (int i = 0; i < 32; ++i)
                combo->addItem(QStringLiteral("row %1").arg(i));
            add(combo, n);
        } else if (startsWith(n, "GroupBox")) {
            add(new QGroupBox, n);
        } else if (startsWith(n, "CheckBox")) {
            add(new QCheckBox, n);
        } else if (startsWith(n, "SpeedButton")) {
            add(new QToolButton, n);
        } else if (startsWith(n, "Button") || startsWith(n, "BitBtn")) {
            add(new QPushButton, n);
        } else {
            add(new QLabel, n);
        }
    }
    // The live labels that show values or placeholders.
    for (const char* name : {"LabelMonPilotLight", "LabelMonClutchOut", "LabelMonStartLimiterRpm",
                             "LabelMonStartLimiterOut", "LabelMonLimiterOut", "LabelAdvance1", "LabelAdvance2",
                             "LabelAdvance3", "LabelAdvance4", "LabelPocetProgramovani", "LabelMonSnimac1",
                             "LabelMonSnimac2", "LabelPriveraPoz", "LabelPriveraMer"})
        if (!findChild<QObject*>(QString::fromLatin1(name)))
            add(new QLabel(QStringLiteral("designed")), name);
    for (const char* name : {"LabelHlaseni", "LabelAdvance3", "LabelAdvance4", "SpeedButtonZpet", "SpeedButtonZnovu"})
        if (!findChild<QObject*>(QString::fromLatin1(name)))
            add(startsWith(name, "Speed") ? static_cast<QWidget*>(new QToolButton) : new QLabel, name);
    add(new QProgressBar, "CGaugeProgram");
    get<QLabel>("LabelHlaseni")->hide();
}

}  // namespace tarvel::ui::test
