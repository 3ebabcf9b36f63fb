#include "Style.h"

#include <QApplication>
#include <QStyleFactory>

namespace kestrix::ui {

void ApplyKestrixStyle() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
}

} // namespace kestrix::ui
