#include "TFormAbout.h"

#include <array>

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "BuildStamp.h"
#include "model/ParamImage.h"
#include "ui/resources/Artwork.h"

namespace tarvel::ui {

namespace {

// clang-format off
constexpr std::array<const char*, kLanguageCount> kCaptions = {
    "About ZEV-O", "Über Programm ZEV-O", "Information ZEV-O", nullptr};
// clang-format on

struct ContactLine {
    const char* name;
    int y;
    const char* text;
};

constexpr ContactLine kContactLines[] = {
    {"Label2", 180, "Tarvel 3 for the ZEVO ignition"}, {"Label3", 205, "Read, edit and program"},
    {"Label4", 230, "the unit's parameter set"},       {"Label5", 255, "Serial line 57600 Bd, 8N1"},
    {"Label9", 291, "Manual: Help - Contents (F1)"},   {"Label10", 316, "Parameter files: *.ign"},
};

}  // namespace

TFormAbout::TFormAbout(std::function<Language()> currentLanguage, QWidget* parent)
    // A dialog frame: title and close button only. CustomizeWindowHint keeps
    // Qt and the window manager from adding minimise and maximise.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      currentLanguage_(std::move(currentLanguage))
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("VELDRAN TARVEL 3"));
    setModal(true);
    // Fixed like its contents: a window manager offers no maximise for it.
    setFixedSize(kClientWidth, kClientHeight);
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPixelSize(11);
    setFont(face);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    addLabel("LabelAbout", QStringLiteral("Programm for setting of ignition"), 16, 24, 16);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(32, 72, 161, 81);
    image->setPixmap(AboutPicture().scaled(161, 81, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    for (const ContactLine& line : kContactLines)
        addLabel(line.name, QString::fromUtf8(line.text), 32, line.y, 16);
    labelDate_ = addLabel("LabelDate", QString(), 32, 350, 11);
    labelTime_ = addLabel("LabelTime", QString(), 32, 370, 11);
    labelRsKey_ = addLabel("LabelRsKey", QString(), 32, 390, 11);
    labelExit_ = addLabel("LabelExit", QStringLiteral("OK"), 272, 368, 23);
    labelExit_->setFixedSize(35, 29);
    labelExit_->setAlignment(Qt::AlignCenter);
    labelExit_->setCursor(Qt::PointingHandCursor);
    labelExit_->installEventFilter(this);

    FormCreate();
}

QLabel* TFormAbout::addLabel(const char* name, const QString& text, int x, int y, int fontPixels)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    QFont face = font();
    face.setPixelSize(fontPixels);
    label->setFont(face);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void TFormAbout::FormCreate()
{
    auto set = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    set(labelDate_, BuildDateText());
    set(labelTime_, BuildTimeText());
    set(labelRsKey_, QStringLiteral("Version - %1").arg(int(kParamVersion)));

    // Centred once, here; later showings keep the place.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
}

void TFormAbout::FormActivate()
{
    const auto language = static_cast<std::size_t>(currentLanguage_ ? currentLanguage_() : Language::English);
    if (language < kCaptions.size() && kCaptions[language])
        setWindowTitle(QString::fromUtf8(kCaptions[language]));
}

void TFormAbout::Button1Click()
{
    accept();
}

bool TFormAbout::event(QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == labelExit_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Button1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tarvel::ui
