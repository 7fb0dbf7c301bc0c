#include "Artwork.h"

#include <QAbstractButton>
#include <QAction>
#include <QImage>

#include "LazyFileIconEngine.h"
#include "ProgramIconPixels.h"

namespace tarvel::ui {

namespace {

struct GlyphButton {
    const char* button;
    ToolGlyph glyph;
};

constexpr GlyphButton kToolButtons[] = {
    {"SpeedButton6", ToolGlyph::New},       {"SpeedButton5", ToolGlyph::Open},    {"SpeedButton7", ToolGlyph::Save},
    {"SpeedButtonPrint", ToolGlyph::Print}, {"SpeedButtonZpet", ToolGlyph::Undo}, {"SpeedButtonZnovu", ToolGlyph::Redo},
};

QString glyphName(ToolGlyph glyph)
{
    switch (glyph) {
        case ToolGlyph::New:
            return QStringLiteral("new");
        case ToolGlyph::Open:
            return QStringLiteral("open");
        case ToolGlyph::Save:
            return QStringLiteral("save");
        case ToolGlyph::Print:
            return QStringLiteral("print");
        case ToolGlyph::Undo:
            return QStringLiteral("undo");
        case ToolGlyph::Redo:
            return QStringLiteral("redo");
    }
    return {};
}

}  // namespace

QIcon ProgramIcon()
{
    // The pictures come as pixels built into the program (decoding the eight
    // PNG files cost more than any other picture at start-up); the program
    // and its window both ask for the icon, so it is made once and shared.
    static const QIcon icon = [] {
        QIcon made;
        for (int i = 0; i < kProgramIconPixelCount; ++i) {
            const IconPixels& picture = kProgramIconPixels[i];
            const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.size, picture.size,
                               picture.size * 4,
                               picture.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            made.addPixmap(QPixmap::fromImage(image));
        }
        return made;
    }();
    return icon;
}

QPixmap AboutPicture()
{
    return QPixmap(QStringLiteral(":/tarvel3/about.png"));
}

QIcon ToolGlyphIcon(ToolGlyph glyph)
{
    const QString name = glyphName(glyph);
    // Read when first drawn: at start-up only the enabled or the disabled
    // picture at one size is needed.
    // The files go to the engine before it becomes an icon: QIcon drops an
    // engine that is still empty when a file is added.
    auto* engine = new LazyFileIconEngine;
    for (int size : {20, 40}) {
        const QString base = QStringLiteral(":/tarvel3/glyphs/%1-%2").arg(name).arg(size);
        engine->addFile(base + QStringLiteral(".png"), QSize(size, size), QIcon::Normal, QIcon::Off);
        engine->addFile(base + QStringLiteral("-disabled.png"), QSize(size, size), QIcon::Disabled, QIcon::Off);
    }
    return QIcon(engine);
}

int ApplyToolGlyphs(QObject& window)
{
    int found = 0;
    for (const GlyphButton& entry : kToolButtons) {
        auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(entry.button));
        if (!button)
            continue;
        button->setIcon(ToolGlyphIcon(entry.glyph));
        button->setIconSize(QSize(20, 20));
        ++found;
    }
    return found;
}

}  // namespace tarvel::ui
