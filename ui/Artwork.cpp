// Rendering the compiled-in SVG pictures.
#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

static void InitKestrixResources() {
    Q_INIT_RESOURCE(kestrix);
}

namespace kestrix::ui {

void InitArtwork() {
    static const bool done = (InitKestrixResources(), true);
    (void)done;
}

QPixmap Artwork(const QString& name, QSize size) {
    InitArtwork();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/images/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    return pixmap;
}

} // namespace kestrix::ui
